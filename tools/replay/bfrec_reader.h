// The .bfrec reader (the format: src/core/bfrec_format.h): a pull parser over a recording held
// in memory. It never reads past the bytes it is given, never allocates more than the bytes it
// has left can hold, and tells a recording cut off inside a record (Truncated, as a crash leaves
// one) from bytes that cannot be a recording (Malformed), with the offset of the record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/bfrec_format.h"

namespace replay {

using bf::bfrec::ArgKind;
using bf::bfrec::ResultKind;

struct Header {
    uint16_t version = 0;
    uint8_t platform = 0;
    uint16_t year = 0;
    uint8_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    uint32_t maxMB = 0;
    uint32_t markerKey = 0;
    std::string pluginVersion;
};

struct Shape {
    uint64_t hash = 0;
    std::string name;
    std::vector<ArgKind> kinds;
    ResultKind result = ResultKind::None;
};

// One pushed word of a recorded call, by its shape's kind.
struct Word {
    uint64_t value = 0;           // Value
    bool null = false;            // String: a null pointer
    std::string text;             // String
    std::vector<uint8_t> before;  // InOut
    std::vector<uint8_t> after;   // Out, InOut
};

struct Call {
    uint32_t shape = 0;
    std::vector<Word> words;
    uint64_t result[3] = {};  // by the shape's result kind; U32 in the low half; Str: none
    bool resultTextNull = true;
    std::string resultText;
};

struct LocalTime {
    uint32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

enum class Kind {
    File,
    Call,
    Wait,
    Key,
    KeysLost,
    Tick,
    LocalTime,
    Log,
    Marker,
    Detach,
    Stop,
    End,
};

struct Record {
    Kind kind = Kind::End;
    size_t offset = 0;  // where the record begins
    // File
    bool folder = false;
    std::string path;
    std::vector<uint8_t> data;
    // Call
    Call call;
    // Wait (milliseconds), KeysLost (count), Marker (number), End (reason), Tick (tick)
    uint32_t number = 0;
    // Key
    uint32_t key = 0, tick = 0, repeats = 0;
    uint8_t scanCode = 0, flags = 0;
    LocalTime time;
    // Log
    std::string text;
};

class Reader {
  public:
    enum class Status { Ok, End, Truncated, Malformed };

    Reader(const uint8_t* data, size_t size) : begin_(data), p_(data), end_(data + size) {}

    // Reads the header; call it first.
    Status header(Header& header);
    // The next record; End at the end of the bytes (between records).
    Status next(Record& record);

    // What was wrong (Truncated, Malformed), and where the record that failed begins.
    const std::string& error() const { return error_; }
    size_t errorOffset() const { return errorOffset_; }
    size_t offset() const { return static_cast<size_t>(p_ - begin_); }
    const std::vector<Shape>& shapes() const { return shapes_; }

  private:
    Status fail(Status status, const std::string& why);
    bool byte(uint8_t& v);
    bool varint(uint64_t& v);
    Status text(std::string& out, size_t max, const char* what);
    // Status of a bad string code / block is Malformed; running out of bytes is Truncated.
    Status string(bool& null, std::string& out);
    Status block(std::vector<uint8_t>& out);
    Status callFields(uint32_t index, Call& call);

    const uint8_t* begin_;
    const uint8_t* p_;
    const uint8_t* end_;
    size_t recordStart_ = 0;
    std::string error_;
    size_t errorOffset_ = 0;
    bool failed_ = false;

    std::vector<Shape> shapes_;
    std::vector<std::vector<uint64_t>> previousWords_;
    std::vector<std::array<uint64_t, 3>> previousResults_;
    std::vector<std::string> strings_;
    uint32_t tickBase_ = 0;
};

// Reads a whole file into memory; false when it cannot be read.
bool readFile(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace replay
