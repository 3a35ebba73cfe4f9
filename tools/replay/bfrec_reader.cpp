#include "bfrec_reader.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace replay {

namespace F = bf::bfrec;

namespace {
constexpr size_t kMaxPath = 4096;
constexpr size_t kMaxLogEntry = 1024 * 1024;
}  // namespace

Reader::Status Reader::fail(Status status, const std::string& why) {
    failed_ = true;
    error_ = (status == Status::Truncated ? "cut off: " : "malformed: ") + why;
    errorOffset_ = recordStart_;
    return status;
}

bool Reader::byte(uint8_t& v) {
    if (p_ == end_) return false;
    v = *p_++;
    return true;
}

bool Reader::varint(uint64_t& v) {
    return F::getVarint(p_, end_, v);
}

Reader::Status Reader::text(std::string& out, size_t max, const char* what) {
    uint64_t size = 0;
    if (!varint(size)) return fail(Status::Truncated, std::string("inside ") + what);
    if (size > max)
        return fail(Status::Malformed,
                    std::string(what) + " longer than " + std::to_string(max) + " bytes");
    if (size > static_cast<uint64_t>(end_ - p_))
        return fail(Status::Truncated, std::string("inside ") + what);
    out.assign(reinterpret_cast<const char*>(p_), static_cast<size_t>(size));
    p_ += size;
    return Status::Ok;
}

Reader::Status Reader::string(bool& null, std::string& out) {
    uint64_t code = 0;
    if (!varint(code)) return fail(Status::Truncated, "inside a string code");
    null = false;
    if (code == 0) {
        null = true;
        out.clear();
        return Status::Ok;
    }
    if (code == 1 || code == 2) {
        if (Status s = text(out, F::kMaxStringBytes, "a string"); s != Status::Ok) return s;
        if (code == 1) strings_.push_back(out);
        return Status::Ok;
    }
    if (code - 3 >= strings_.size()) return fail(Status::Malformed, "a string id never defined");
    out = strings_[static_cast<size_t>(code - 3)];
    return Status::Ok;
}

Reader::Status Reader::block(std::vector<uint8_t>& out) {
    uint64_t size = 0;
    if (!varint(size)) return fail(Status::Truncated, "inside a block");
    if (size > F::kMaxBlockBytes) return fail(Status::Malformed, "a block larger than 1024 bytes");
    out.assign(static_cast<size_t>(size), 0);
    size_t i = 0;
    for (; i + 4 <= out.size(); i += 4) {
        uint64_t word = 0;
        if (!varint(word)) return fail(Status::Truncated, "inside a block");
        if (word > 0xFFFFFFFFull) return fail(Status::Malformed, "a block word over 32 bits");
        for (size_t b = 0; b < 4; ++b)
            out[i + b] = static_cast<uint8_t>(word >> (8 * b));
    }
    for (; i < out.size(); ++i) {
        if (!byte(out[i])) return fail(Status::Truncated, "inside a block");
    }
    return Status::Ok;
}

Reader::Status Reader::header(Header& h) {
    recordStart_ = 0;
    if (end_ - p_ < 8) return fail(Status::Truncated, "inside the header");
    if (std::memcmp(p_, F::kMagic, 4) != 0) return fail(Status::Malformed, "not a .bfrec file");
    h.version = static_cast<uint16_t>(p_[4] | (p_[5] << 8));
    const size_t rest = static_cast<size_t>(p_[6] | (p_[7] << 8));
    p_ += 8;
    if (h.version == 0 || h.version > F::kVersion)
        return fail(Status::Malformed, "format version " + std::to_string(h.version) +
                                           " (this reader knows 1 to " +
                                           std::to_string(F::kVersion) + ")");
    if (rest < 19) return fail(Status::Malformed, "a header too short");
    if (static_cast<size_t>(end_ - p_) < rest) return fail(Status::Truncated, "inside the header");
    const uint8_t* q = p_;
    h.platform = q[0];
    h.year = static_cast<uint16_t>(q[2] | (q[3] << 8));
    h.month = q[4];
    h.day = q[5];
    h.hour = q[6];
    h.minute = q[7];
    h.second = q[8];
    h.maxMB = static_cast<uint32_t>(q[10] | (q[11] << 8) | (q[12] << 16)) |
              (static_cast<uint32_t>(q[13]) << 24);
    h.markerKey = static_cast<uint32_t>(q[14] | (q[15] << 8) | (q[16] << 16)) |
                  (static_cast<uint32_t>(q[17]) << 24);
    const size_t versionSize = q[18];
    if (19 + versionSize > rest) return fail(Status::Malformed, "a header too short");
    h.pluginVersion.assign(reinterpret_cast<const char*>(q + 19), versionSize);
    p_ += rest;
    return Status::Ok;
}

Reader::Status Reader::callFields(uint32_t index, Call& call) {
    if (index >= shapes_.size()) return fail(Status::Malformed, "a call of a shape never defined");
    const Shape& shape = shapes_[index];
    call.shape = index;
    call.words.resize(shape.kinds.size());
    std::vector<uint64_t>& previous = previousWords_[index];
    for (size_t w = 0; w < shape.kinds.size(); ++w) {
        // Emptied in place: the record is read into again and again, and keeps its buffers.
        Word& word = call.words[w];
        word.value = 0;
        word.null = false;
        word.text.clear();
        word.before.clear();
        word.after.clear();
        switch (shape.kinds[w]) {
            case ArgKind::Value: {
                uint64_t v = 0;
                if (!varint(v)) return fail(Status::Truncated, "inside a call");
                previous[w] += static_cast<uint64_t>(F::unzigzag(v));
                word.value = previous[w];
                break;
            }
            case ArgKind::String:
                if (Status s = string(word.null, word.text); s != Status::Ok) return s;
                break;
            case ArgKind::InOut:
                if (Status s = block(word.before); s != Status::Ok) return s;
                break;
            case ArgKind::InBlock:
            case ArgKind::Out:
                break;
        }
    }
    std::array<uint64_t, 3>& result = previousResults_[index];
    call.result[0] = call.result[1] = call.result[2] = 0;
    call.resultTextNull = true;
    call.resultText.clear();
    switch (shape.result) {
        case ResultKind::None:
            break;
        case ResultKind::U32:
        case ResultKind::Vec3: {
            const size_t n = shape.result == ResultKind::U32 ? 1 : 3;
            for (size_t i = 0; i < n; ++i) {
                uint64_t v = 0;
                if (!varint(v)) return fail(Status::Truncated, "inside a call's result");
                result[i] =
                    static_cast<uint32_t>(result[i] + static_cast<uint64_t>(F::unzigzag(v)));
                call.result[i] = result[i];
            }
            break;
        }
        case ResultKind::U64: {
            uint64_t v = 0;
            if (!varint(v)) return fail(Status::Truncated, "inside a call's result");
            result[0] += static_cast<uint64_t>(F::unzigzag(v));
            call.result[0] = result[0];
            break;
        }
        case ResultKind::Str:
            if (Status s = string(call.resultTextNull, call.resultText); s != Status::Ok) return s;
            break;
    }
    for (size_t w = 0; w < shape.kinds.size(); ++w) {
        if (shape.kinds[w] == ArgKind::Out || shape.kinds[w] == ArgKind::InOut) {
            if (Status s = block(call.words[w].after); s != Status::Ok) return s;
        }
    }
    return Status::Ok;
}

Reader::Status Reader::next(Record& r) {
    if (failed_) return Status::Malformed;
    for (;;) {
        recordStart_ = offset();
        r.offset = recordStart_;
        uint8_t tag = 0;
        if (!byte(tag)) return Status::End;
        if (tag >= F::kTagCallShort || tag == F::kTagCall) {
            uint64_t index = tag - F::kTagCallShort;
            if (tag == F::kTagCall && !varint(index))
                return fail(Status::Truncated, "inside a call");
            if (index >= shapes_.size())
                return fail(Status::Malformed, "a call of a shape never defined");
            r.kind = Kind::Call;
            return callFields(static_cast<uint32_t>(index), r.call);
        }
        uint64_t v = 0;
        switch (tag) {
            case F::kTagShape: {
                if (end_ - p_ < 8) return fail(Status::Truncated, "inside a shape");
                Shape shape;
                for (int b = 0; b < 8; ++b)
                    shape.hash |= uint64_t{p_[b]} << (8 * b);
                p_ += 8;
                if (Status s = text(shape.name, 256, "a native's name"); s != Status::Ok) return s;
                uint8_t words = 0;
                if (!byte(words)) return fail(Status::Truncated, "inside a shape");
                if (words > F::kMaxWords)
                    return fail(Status::Malformed, "a shape of over 32 words");
                for (uint8_t w = 0; w < words; ++w) {
                    uint8_t kind = 0;
                    if (!byte(kind)) return fail(Status::Truncated, "inside a shape");
                    if (kind > static_cast<uint8_t>(ArgKind::InOut))
                        return fail(Status::Malformed, "an argument kind " + std::to_string(kind));
                    shape.kinds.push_back(static_cast<ArgKind>(kind));
                }
                uint8_t result = 0;
                if (!byte(result)) return fail(Status::Truncated, "inside a shape");
                if (result > static_cast<uint8_t>(ResultKind::Str))
                    return fail(Status::Malformed, "a result kind " + std::to_string(result));
                shape.result = static_cast<ResultKind>(result);
                previousWords_.emplace_back(shape.kinds.size(), 0);
                previousResults_.push_back({0, 0, 0});
                shapes_.push_back(std::move(shape));
                continue;  // not a record of its own
            }
            case F::kTagFile: {
                uint8_t kind = 0;
                if (!byte(kind)) return fail(Status::Truncated, "inside a file");
                if (kind > 1) return fail(Status::Malformed, "a file kind " + std::to_string(kind));
                r.kind = Kind::File;
                r.folder = kind == 1;
                if (Status s = text(r.path, kMaxPath, "a file's path"); s != Status::Ok) return s;
                r.data.clear();
                if (r.folder) return Status::Ok;
                if (!varint(v)) return fail(Status::Truncated, "inside a file");
                if (v > static_cast<uint64_t>(end_ - p_))
                    return fail(Status::Truncated, "inside the file " + r.path);
                r.data.assign(p_, p_ + v);
                p_ += v;
                return Status::Ok;
            }
            case F::kTagWait:
            case F::kTagKeysLost:
            case F::kTagMarker:
                if (!varint(v)) return fail(Status::Truncated, "inside a record");
                if (v > 0xFFFFFFFFull) return fail(Status::Malformed, "a value over 32 bits");
                r.kind = tag == F::kTagWait       ? Kind::Wait
                         : tag == F::kTagKeysLost ? Kind::KeysLost
                                                  : Kind::Marker;
                r.number = static_cast<uint32_t>(v);
                return Status::Ok;
            case F::kTagKey: {
                uint64_t key = 0, delta = 0, repeats = 0;
                if (!varint(key) || !varint(delta) || !varint(repeats) || !byte(r.scanCode) ||
                    !byte(r.flags))
                    return fail(Status::Truncated, "inside a key event");
                r.kind = Kind::Key;
                r.key = static_cast<uint32_t>(key);
                tickBase_ += static_cast<uint32_t>(F::unzigzag(delta));
                r.tick = tickBase_;
                r.repeats = static_cast<uint32_t>(repeats);
                return Status::Ok;
            }
            case F::kTagTick:
                if (!varint(v)) return fail(Status::Truncated, "inside a tick");
                tickBase_ += static_cast<uint32_t>(F::unzigzag(v));
                r.kind = Kind::Tick;
                r.number = tickBase_;
                return Status::Ok;
            case F::kTagLocalTime: {
                uint64_t f[6] = {};
                for (uint64_t& field : f) {
                    if (!varint(field)) return fail(Status::Truncated, "inside a local time");
                    if (field > 0xFFFF) return fail(Status::Malformed, "a local time out of range");
                }
                r.kind = Kind::LocalTime;
                r.time = {static_cast<uint32_t>(f[0]), static_cast<uint32_t>(f[1]),
                          static_cast<uint32_t>(f[2]), static_cast<uint32_t>(f[3]),
                          static_cast<uint32_t>(f[4]), static_cast<uint32_t>(f[5])};
                return Status::Ok;
            }
            case F::kTagLog: {
                if (Status s = text(r.text, kMaxLogEntry, "a log entry"); s != Status::Ok) return s;
                r.kind = Kind::Log;
                return Status::Ok;
            }
            case F::kTagDetach:
                r.kind = Kind::Detach;
                return Status::Ok;
            case F::kTagStop:
                r.kind = Kind::Stop;
                return Status::Ok;
            case F::kTagEnd: {
                uint8_t reason = 0;
                if (!byte(reason)) return fail(Status::Truncated, "inside the end");
                r.kind = Kind::End;
                r.number = reason;
                return Status::Ok;
            }
            default:
                return fail(Status::Malformed, "an unknown record tag " + std::to_string(tag));
        }
    }
}

bool readFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace replay
