// The flight recorder's file format, `.bfrec`, version 1: the constants and the byte-level
// primitives shared by the plug-in's writer (core/bfrec_encoder.h) and the tools' reader
// (tools/replay/bfrec_reader.h). Standard library only; platform-independent (little-endian,
// fixed widths where a width is fixed, no padding, no pointers).
//
// A file is a header, then a stream of records until the end of the file:
//
//   header   "BFRC" | u16 version (1) | u16 length of the rest of the header (bytes) |
//            u8 platform (0 Linux, 1 Windows) | u8 0 | u16 year | u8 month (1-12) | u8 day |
//            u8 hour | u8 minute | u8 second | u8 0 | u32 Recorder_MaxMB | u32 marker key |
//            u8 n | n bytes: the plug-in's version ("1.2.0")
//            (a reader skips header bytes it does not know: later versions may add fields)
//
//   record   one tag byte, then its fields. varint = unsigned LEB128 (7 bits a byte, low first,
//            at most 10 bytes); zigzag = a signed value as a varint ((v << 1) ^ (v >> 63));
//            text = varint length + bytes.
//     0x01 SHAPE     u64 hash | text name | u8 words | words x u8 argument kind | u8 result
//                    kind. Defines the next index of the table of natives seen (0, 1, 2 ...):
//                    one entry per native and way of calling it (VAR_STRING is called in
//                    several forms).
//     0x02 FILE      u8 kind (0 file, 1 folder) | text path under Brackenfold/ ('/' separated) |
//                    (file) varint size + bytes. The data folder as start-up found it.
//     0x03 WAIT      varint milliseconds. The script's scriptWait; it ends a frame (frames are
//                    counted from 1: frame N is what the script did before its Nth wait).
//     0x04 KEY       varint key | zigzag tick delta | varint repeats | u8 scan code |
//                    u8 flags (1 extended, 2 with Alt, 4 was down before, 8 is up now)
//     0x05 KEYS_LOST varint count of key events the window thread could not queue
//     0x06 TICK      zigzag delta of a system tick reading on the script thread
//                    (the tick deltas of KEY and TICK run from one base, starting at 0)
//     0x07 LOCAL_TIME varint year | month (1-12) | day | hour | minute | second: a reading of
//                    the local time (each log entry reads it once)
//     0x08 LOG       text: one log entry as the plug-in wrote it (stamp + message)
//     0x09 MARKER    varint marker number (1, 2 ...): the player pressed the marker key
//     0x0A DETACH    the library was unloaded (the game's exit)
//     0x0B STOP      the host dropped the running plug-in (a restarted script, a test, a tool)
//     0x0C END       u8 reason (0 closed, 1 Recorder_MaxMB reached): the recording is whole
//     0x0F CALL      varint shape index, then the call's fields (below)
//     0x10-0xFF CALL of shape index (tag - 0x10), then the call's fields
//
//   a call's fields, by its shape:
//     per argument word, by its kind:
//       Value   zigzag of (word - this shape's previous word at that place), 64-bit wrapping
//       String  string code (below)
//       InBlock nothing (a pointer to data the game reads: the address means nothing elsewhere)
//       Out     nothing here
//       InOut   block: what the pointer held before the call
//     the result, by its kind:
//       None    nothing (the plug-in does not read it)
//       U32     zigzag of the 32-bit difference to this shape's previous result (low half)
//       Vec3    three such differences, x, y, z (the low halves of slots 0, 1, 2)
//       U64     zigzag of the 64-bit difference to the previous result (the whole slot)
//       Str     the string code of the text it points at (0 when null); the pointer itself
//               means nothing in another process and is not kept
//     then per Out and InOut word, in order: block: what the game left there.
//   string code: varint 0 null | 1 text, a new entry of the string table (ids 0, 1, 2 ...) |
//                2 text, not kept in the table | n >= 3: the table's entry n - 3
//   block: varint byte count n | n / 4 varints, the block's 32-bit little-endian words |
//          n % 4 bytes
//
// A recording cut off (a crash) ends inside a record: a reader reports where, and a replay plays
// the frames before it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace bf::bfrec {

inline constexpr char kMagic[4] = {'B', 'F', 'R', 'C'};
inline constexpr uint16_t kVersion = 1;

enum Tag : uint8_t {
    kTagShape = 0x01,
    kTagFile = 0x02,
    kTagWait = 0x03,
    kTagKey = 0x04,
    kTagKeysLost = 0x05,
    kTagTick = 0x06,
    kTagLocalTime = 0x07,
    kTagLog = 0x08,
    kTagMarker = 0x09,
    kTagDetach = 0x0A,
    kTagStop = 0x0B,
    kTagEnd = 0x0C,
    kTagCall = 0x0F,
    kTagCallShort = 0x10,
};
inline constexpr uint32_t kShortCallShapes = 0x100 - kTagCallShort;

enum class ArgKind : uint8_t { Value = 0, String = 1, InBlock = 2, Out = 3, InOut = 4 };
enum class ResultKind : uint8_t { None = 0, U32 = 1, Vec3 = 2, U64 = 3, Str = 4 };

enum class EndReason : uint8_t { Closed = 0, MaxSize = 1 };

enum KeyFlags : uint8_t {
    kKeyExtended = 1,
    kKeyWithAlt = 2,
    kKeyWasDownBefore = 4,
    kKeyIsUpNow = 8,
};

// How many bytes a pointer argument the game writes through covers.
enum class SizeRule : uint8_t {
    Fixed,          // `bytes` (the pointed-to type's size unless the row says otherwise)
    SlotsFromWord,  // 8 bytes times the value of argument word `word`
    CountPrefixed,  // 8 bytes times (1 + the first 8-byte slot): a count followed by the slots
};

struct PointerSize {
    SizeRule rule = SizeRule::Fixed;
    uint16_t bytes = 0;
    uint8_t word = 0;
};

// The most argument words a recorded call may push, and the most bytes one pointer argument
// is taken to cover (the game's buffers the plug-in passes are far smaller).
inline constexpr size_t kMaxWords = 32;
inline constexpr size_t kMaxBlockBytes = 1024;
// Strings longer than this are recorded cut (a call's texts are short; a replay then diverges).
inline constexpr size_t kMaxStringBytes = 64 * 1024;

// One native and the way the plug-in calls it: the hash, the row's name, each pushed word's
// kind and how the result is read.
struct CallShape {
    uint64_t hash = 0;
    const char* name = "";
    uint8_t words = 0;
    ResultKind result = ResultKind::None;
    std::array<ArgKind, kMaxWords> kinds{};
    std::array<PointerSize, kMaxWords> sizes{};
};

// ---- Primitives -----------------------------------------------------------------------------

inline constexpr uint64_t zigzag(int64_t v) {
    return (static_cast<uint64_t>(v) << 1) ^ static_cast<uint64_t>(v >> 63);
}
inline constexpr int64_t unzigzag(uint64_t v) {
    return static_cast<int64_t>(v >> 1) ^ -static_cast<int64_t>(v & 1);
}

// Writes v as a varint at p (room for 10 bytes); returns the end.
inline uint8_t* putVarint(uint8_t* p, uint64_t v) {
    while (v >= 0x80) {
        *p++ = static_cast<uint8_t>(v) | 0x80;
        v >>= 7;
    }
    *p++ = static_cast<uint8_t>(v);
    return p;
}

// Reads a varint from [p, end); false when it runs past the end or over 10 bytes.
inline bool getVarint(const uint8_t*& p, const uint8_t* end, uint64_t& v) {
    v = 0;
    for (int shift = 0; shift < 70; shift += 7) {
        if (p == end) return false;
        const uint8_t byte = *p++;
        v |= static_cast<uint64_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80)) return true;
    }
    return false;
}

// The 32-bit difference of two results as the format stores it.
inline constexpr int64_t delta32(uint64_t now, uint64_t before) {
    return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(before));
}

}  // namespace bf::bfrec
