// Tuning values of GeneralMeta.dat that the animal features read.
// TEMPORARY: until the data catalogue lands every key reads as its default.
#pragma once

#include <cstdint>

namespace bf {

inline int32_t generalMetaInt(const char* /*key*/, int32_t fallback) {
    return fallback;
}

}  // namespace bf
