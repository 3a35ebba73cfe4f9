#include "core/bfrec_encoder.h"

#include <algorithm>
#include <cstring>

namespace bf::bfrec {

namespace {

// The longest string kept in the table; longer ones are written out each time.
constexpr size_t kMaxTableString = 4096;

uint64_t fnv1a(const char* data, size_t size) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (size_t i = 0; i < size; ++i) {
        h ^= static_cast<uint8_t>(data[i]);
        h *= 0x100000001B3ull;
    }
    return h;
}

size_t pointerHash(const void* p) {
    auto v = reinterpret_cast<uintptr_t>(p);
    v ^= v >> 17;
    v *= 0xED5AD4BBu;
    v ^= v >> 11;
    return static_cast<size_t>(v);
}

uint32_t powerOfTwoAtLeast(uint64_t n) {
    uint32_t p = 1;
    while (p < n)
        p <<= 1;
    return p;
}

}  // namespace

Limits Limits::forBytes(size_t bytes) {
    const Limits most;
    Limits limits;
    // The least each takes in the stream (see the format): the tables are cleared when an
    // encoder is made, so a rewrite of a short recording pays for no more than it can fill.
    // A shape of w words takes 12 + w bytes, and has at most 32 words.
    constexpr size_t kShapeBytes = 12;
    limits.shapes =
        static_cast<uint32_t>(std::clamp<size_t>(bytes / kShapeBytes + 1, 1, most.shapes));
    limits.words = static_cast<uint32_t>(
        std::clamp<size_t>(bytes * kMaxWords / (kShapeBytes + kMaxWords) + 1, 1, most.words));
    // A string written in full takes its code, its length and its characters: 2 bytes for the
    // one empty string, 3 for each of the 256 one-character strings, at least 4 for any other.
    // Distinct strings are written in full at least once each, so k of them take at least 2k
    // bytes and at least 4k - 258 (2 + 3 * 256 for the shortest 257, 4 for each beyond); one
    // slot more is kept to spare.
    const size_t strings = std::min(bytes / 2, (bytes + 258) / 4) + 1;
    limits.strings = static_cast<uint32_t>(std::clamp<size_t>(strings, 1, most.strings));
    // The arena is not cleared. A full table names no string by number any more, even one it
    // holds, so it keeps room for a string held twice over.
    limits.arenaBytes = std::clamp<size_t>(2 * bytes + 1, 1, most.arenaBytes);
    return limits;
}

struct Encoder::ShapeState {
    uint32_t firstWord = 0;
    uint64_t result[3] = {};
};

struct Encoder::StringSlot {
    uint64_t hash = 0;
    uint32_t offset = 0;
    uint32_t size = 0;
    uint32_t id = 0;  // id + 1; 0 = empty
};

Encoder::Encoder(Sink& sink, size_t bufferBytes, Limits limits)
    : sink_(sink),
      buffer_(new uint8_t[std::max<size_t>(bufferBytes, 4096)]),
      capacity_(std::max<size_t>(bufferBytes, 4096)),
      limits_(limits),
      // Open addressing at most half full for shapes and three quarters for strings.
      shapeSlotCount_(powerOfTwoAtLeast(uint64_t{limits.shapes} * 2)),
      stringSlotCount_(powerOfTwoAtLeast(uint64_t{limits.strings} + limits.strings / 3)),
      shapes_(new ShapeState[limits.shapes]),
      shapeSlots_(new const CallShape*[shapeSlotCount_]()),
      shapeSlotIndex_(new uint32_t[shapeSlotCount_]()),
      previousWords_(new uint64_t[limits.words]()),
      strings_(new StringSlot[stringSlotCount_]()),
      arena_(new char[limits.arenaBytes]) {}

Encoder::~Encoder() = default;

bool Encoder::flush() {
    if (!ok_) return false;
    if (used_ == 0) return true;
    if (!sink_.write(buffer_.get(), used_)) {
        ok_ = false;
        used_ = 0;
        return false;
    }
    written_ += used_;
    used_ = 0;
    return true;
}

void Encoder::room(size_t bytes) {
    if (capacity_ - used_ < bytes) flush();
}

void Encoder::put(uint8_t byte) {
    room(1);
    if (ok_) buffer_[used_++] = byte;
}

void Encoder::varint(uint64_t value) {
    room(10);
    if (ok_) used_ = static_cast<size_t>(putVarint(buffer_.get() + used_, value) - buffer_.get());
}

void Encoder::raw(const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    while (size > 0 && ok_) {
        if (used_ == capacity_) flush();
        const size_t n = std::min(size, capacity_ - used_);
        std::memcpy(buffer_.get() + used_, p, n);
        used_ += n;
        p += n;
        size -= n;
    }
}

void Encoder::text(std::string_view value) {
    varint(value.size());
    raw(value.data(), value.size());
}

void Encoder::string(const char* value) {
    if (!value) {
        varint(0);
        return;
    }
    const size_t size = strnlen(value, kMaxStringBytes);
    if (size <= kMaxTableString && stringCount_ < limits_.strings &&
        arenaUsed_ + size <= limits_.arenaBytes) {
        const uint64_t h = fnv1a(value, size);
        const size_t mask = stringSlotCount_ - 1;
        for (size_t i = h & mask;; i = (i + 1) & mask) {
            StringSlot& slot = strings_[i];
            if (slot.id == 0) {
                std::memcpy(arena_.get() + arenaUsed_, value, size);
                slot = {h, static_cast<uint32_t>(arenaUsed_), static_cast<uint32_t>(size),
                        ++stringCount_};
                arenaUsed_ += size;
                varint(1);
                text(std::string_view(value, size));
                return;
            }
            if (slot.hash == h && slot.size == size &&
                std::memcmp(arena_.get() + slot.offset, value, size) == 0) {
                varint(uint64_t{slot.id - 1} + 3);
                return;
            }
        }
    }
    varint(2);
    text(std::string_view(value, size));
}

void Encoder::block(const void* data, size_t size) {
    size = std::min(size, kMaxBlockBytes);
    varint(size);
    const auto* p = static_cast<const uint8_t*>(data);
    size_t i = 0;
    for (; i + 4 <= size; i += 4) {
        uint32_t word = 0;
        for (size_t b = 0; b < 4; ++b)
            word |= uint32_t{p[i + b]} << (8 * b);
        varint(word);
    }
    raw(p + i, size - i);
}

int64_t Encoder::shapeIndex(const CallShape& shape) {
    const size_t mask = shapeSlotCount_ - 1;
    for (size_t i = pointerHash(&shape) & mask;; i = (i + 1) & mask) {
        if (shapeSlots_[i] == &shape) return shapeSlotIndex_[i];
        if (shapeSlots_[i]) continue;
        if (shapeCount_ == limits_.shapes || wordsUsed_ + shape.words > limits_.words) return -1;
        const uint32_t index = shapeCount_++;
        shapeSlots_[i] = &shape;
        shapeSlotIndex_[i] = index;
        shapes_[index] = ShapeState{wordsUsed_, {}};
        wordsUsed_ += shape.words;
        put(kTagShape);
        room(8);
        for (int b = 0; b < 8 && ok_; ++b)
            buffer_[used_++] = static_cast<uint8_t>(shape.hash >> (8 * b));
        text(shape.name ? shape.name : "");
        put(shape.words);
        for (size_t w = 0; w < shape.words; ++w)
            put(static_cast<uint8_t>(shape.kinds[w]));
        put(static_cast<uint8_t>(shape.result));
        return index;
    }
}

void Encoder::header(const Header& h) {
    uint8_t bytes[64] = {};
    std::memcpy(bytes, kMagic, 4);
    bytes[4] = static_cast<uint8_t>(kVersion);
    bytes[5] = static_cast<uint8_t>(kVersion >> 8);
    const size_t versionSize = std::min<size_t>(h.version.size(), 32);
    const uint16_t rest = static_cast<uint16_t>(19 + versionSize);
    bytes[6] = static_cast<uint8_t>(rest);
    bytes[7] = static_cast<uint8_t>(rest >> 8);
    uint8_t* p = bytes + 8;
    *p++ = h.platform;
    *p++ = 0;
    const int year = h.start.tm_year + 1900;
    *p++ = static_cast<uint8_t>(year);
    *p++ = static_cast<uint8_t>(year >> 8);
    *p++ = static_cast<uint8_t>(h.start.tm_mon + 1);
    *p++ = static_cast<uint8_t>(h.start.tm_mday);
    *p++ = static_cast<uint8_t>(h.start.tm_hour);
    *p++ = static_cast<uint8_t>(h.start.tm_min);
    *p++ = static_cast<uint8_t>(h.start.tm_sec);
    *p++ = 0;
    for (uint32_t v : {h.maxMB, h.markerKey}) {
        for (int b = 0; b < 4; ++b)
            *p++ = static_cast<uint8_t>(v >> (8 * b));
    }
    *p++ = static_cast<uint8_t>(versionSize);
    std::memcpy(p, h.version.data(), versionSize);
    p += versionSize;
    raw(bytes, static_cast<size_t>(p - bytes));
}

void Encoder::file(bool folder, std::string_view path, const uint8_t* data, size_t size) {
    put(kTagFile);
    put(folder ? 1 : 0);
    text(path);
    if (folder) return;
    varint(size);
    raw(data, size);
}

void Encoder::call(const CallShape& shape, const RecArg* words, const uint64_t* slots,
                   const char* resultText) {
    const int64_t found = shapeIndex(shape);
    if (found < 0) {
        // More ways of calling natives than the table holds: nothing after this could replay.
        ok_ = false;
        return;
    }
    const auto index = static_cast<uint32_t>(found);
    ShapeState& state = shapes_[index];
    if (index < kShortCallShapes) {
        put(static_cast<uint8_t>(kTagCallShort + index));
    } else {
        put(kTagCall);
        varint(index);
    }
    uint64_t* previous = previousWords_.get() + state.firstWord;
    for (size_t w = 0; w < shape.words; ++w) {
        switch (shape.kinds[w]) {
            case ArgKind::Value:
                varint(zigzag(static_cast<int64_t>(words[w].word - previous[w])));
                previous[w] = words[w].word;
                break;
            case ArgKind::String:
                string(static_cast<const char*>(words[w].data));
                break;
            case ArgKind::InOut:
                block(words[w].before, words[w].beforeSize);
                break;
            case ArgKind::InBlock:
            case ArgKind::Out:
                break;
        }
    }
    switch (shape.result) {
        case ResultKind::None:
            break;
        case ResultKind::U32:
            varint(zigzag(delta32(slots[0], state.result[0])));
            state.result[0] = static_cast<uint32_t>(slots[0]);
            break;
        case ResultKind::Vec3:
            for (size_t i = 0; i < 3; ++i) {
                varint(zigzag(delta32(slots[i], state.result[i])));
                state.result[i] = static_cast<uint32_t>(slots[i]);
            }
            break;
        case ResultKind::U64:
            varint(zigzag(static_cast<int64_t>(slots[0] - state.result[0])));
            state.result[0] = slots[0];
            break;
        case ResultKind::Str:
            string(resultText);
            break;
    }
    for (size_t w = 0; w < shape.words; ++w) {
        if (shape.kinds[w] == ArgKind::Out || shape.kinds[w] == ArgKind::InOut)
            block(words[w].data, words[w].size);
    }
}

void Encoder::wait(uint32_t milliseconds) {
    put(kTagWait);
    varint(milliseconds);
}

void Encoder::key(uint32_t key, uint32_t tick, uint32_t repeats, uint8_t scanCode, uint8_t flags) {
    put(kTagKey);
    varint(key);
    varint(zigzag(delta32(tick, tickBase_)));
    tickBase_ = tick;
    varint(repeats);
    put(scanCode);
    put(flags);
}

void Encoder::keysLost(uint32_t count) {
    put(kTagKeysLost);
    varint(count);
}

void Encoder::tick(uint32_t tick) {
    put(kTagTick);
    varint(zigzag(delta32(tick, tickBase_)));
    tickBase_ = tick;
}

void Encoder::localTime(const std::tm& t) {
    put(kTagLocalTime);
    for (int v : {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec})
        varint(static_cast<uint64_t>(std::max(v, 0)));
}

void Encoder::log(std::string_view entry) {
    put(kTagLog);
    text(entry);
}

void Encoder::marker(uint32_t number) {
    put(kTagMarker);
    varint(number);
}

void Encoder::detach() {
    put(kTagDetach);
}

void Encoder::stop() {
    put(kTagStop);
}

void Encoder::end(EndReason reason) {
    put(kTagEnd);
    put(static_cast<uint8_t>(reason));
}

}  // namespace bf::bfrec
