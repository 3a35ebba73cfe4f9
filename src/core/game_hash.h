// The game's hash of a name, computed at compile time: Jenkins one-at-a-time over the lower-cased
// bytes, which is what the hash native answers. Literal names need no native call.
#pragma once

#include <cstdint>
#include <string_view>

namespace bf {

constexpr uint32_t literalGameHash(std::string_view name) {
    uint32_t h = 0;
    for (char c : name) {
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        h += static_cast<uint8_t>(lower);
        h += h << 10;
        h ^= h >> 6;
    }
    h += h << 3;
    h ^= h >> 11;
    h += h << 15;
    return h;
}

static_assert(literalGameHash("WEAPON_UNARMED") == 0xA2719263u);

}  // namespace bf
