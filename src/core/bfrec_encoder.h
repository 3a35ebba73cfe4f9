// The .bfrec writer (the format: core/bfrec_format.h): records into a buffer allocated once,
// handed to a sink when it fills or when asked. The plug-in's recorder (core/recorder.h) writes
// a session with it; the tools write edited recordings with it.
//
// Requires: calls come from one thread at a time.
// Guarantees: after construction nothing allocates (the string and shape tables are fixed; a
// table that fills up makes later strings inline and a shape beyond it fails the encoder); once
// the sink refuses a write, the encoder is failed and writes nothing more.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>

#include "core/bfrec_format.h"

namespace bf::bfrec {

class Sink {
  public:
    virtual ~Sink() = default;
    // False when the bytes could not all be written.
    virtual bool write(const uint8_t* data, size_t size) = 0;
};

// One pushed word of a call as the recorder saw it. For a pointer argument `word` is the address
// and `data` the pointer; `size` the bytes it covers after the call (Out, InOut), `before` and
// `beforeSize` what it held before the call (InOut).
struct RecArg {
    uint64_t word = 0;
    const void* data = nullptr;
    uint32_t size = 0;
    const void* before = nullptr;
    uint32_t beforeSize = 0;
};

struct Header {
    uint8_t platform = 0;  // 0 Linux, 1 Windows
    std::tm start{};       // the local time the recording was started at
    uint32_t maxMB = 0;
    uint32_t markerKey = 0;
    std::string version;
};

// How much the encoder's tables hold: the natives' shapes, their previous argument words, and
// the strings it writes once and names by number after. What does not fit is written in full
// each time (a string) or not recorded (a call of a new shape, which then fails the encoder).
// The defaults are the plug-in's; a tool rewriting a recording of N bytes needs no more than
// forBytes(N): each shape it holds took at least 12 bytes of it to define (tag, hash, name, word
// count, result), each of a shape's words a byte, each distinct string 2 bytes written in full
// (code and length) and each of the string's characters a byte. Every table keeps room to spare:
// a full string table writes even the strings it holds in full.
struct Limits {
    uint32_t shapes = 2048;
    uint32_t words = 32768;
    uint32_t strings = 24576;
    size_t arenaBytes = 2 * 1024 * 1024;
    static Limits forBytes(size_t bytes);
};

class Encoder {
  public:
    Encoder(Sink& sink, size_t bufferBytes, Limits limits = {});
    ~Encoder();
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool ok() const { return ok_; }
    // Bytes handed to the sink so far, and bytes waiting in the buffer.
    uint64_t written() const { return written_; }
    size_t buffered() const { return used_; }
    // Hands the buffer to the sink; false (and failed) when it refused.
    bool flush();

    void header(const Header& header);
    void file(bool folder, std::string_view path, const uint8_t* data, size_t size);
    // One native call: its shape (defined in the stream the first time), the pushed words, the
    // result slots and, for a string result, the text it points at.
    void call(const CallShape& shape, const RecArg* words, const uint64_t* slots,
              const char* resultText);
    void wait(uint32_t milliseconds);
    void key(uint32_t key, uint32_t tick, uint32_t repeats, uint8_t scanCode, uint8_t flags);
    void keysLost(uint32_t count);
    void tick(uint32_t tick);
    void localTime(const std::tm& local);
    void log(std::string_view entry);
    void marker(uint32_t number);
    void detach();
    void stop();
    void end(EndReason reason);

  private:
    struct ShapeState;
    struct StringSlot;

    void room(size_t bytes);
    void put(uint8_t byte);
    void varint(uint64_t value);
    void raw(const void* data, size_t size);
    void text(std::string_view value);
    void string(const char* value);
    void block(const void* data, size_t size);
    // The shape's index, defining it first when it is new; -1 when the table is full.
    int64_t shapeIndex(const CallShape& shape);

    Sink& sink_;
    std::unique_ptr<uint8_t[]> buffer_;
    size_t capacity_;
    size_t used_ = 0;
    uint64_t written_ = 0;
    bool ok_ = true;
    uint32_t tickBase_ = 0;

    Limits limits_;
    uint32_t shapeSlotCount_;
    uint32_t stringSlotCount_;
    std::unique_ptr<ShapeState[]> shapes_;
    std::unique_ptr<const CallShape*[]> shapeSlots_;  // open addressing: shape -> index + 1
    std::unique_ptr<uint32_t[]> shapeSlotIndex_;
    std::unique_ptr<uint64_t[]> previousWords_;
    uint32_t shapeCount_ = 0;
    uint32_t wordsUsed_ = 0;

    std::unique_ptr<StringSlot[]> strings_;
    std::unique_ptr<char[]> arena_;
    size_t arenaUsed_ = 0;
    uint32_t stringCount_ = 0;
};

}  // namespace bf::bfrec
