#include "bfrec_rewrite.h"

#include <algorithm>
#include <deque>

#include "core/bfrec_encoder.h"

namespace replay {

namespace {

class VectorSink : public bf::bfrec::Sink {
  public:
    explicit VectorSink(std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    bool write(const uint8_t* data, size_t size) override {
        bytes_.insert(bytes_.end(), data, data + size);
        return true;
    }

  private:
    std::vector<uint8_t>& bytes_;
};

}  // namespace

bool rewriteRecording(const std::vector<uint8_t>& in, std::vector<uint8_t>& out,
                      const std::function<bool(Record&, const Shape*)>& edit, std::string& error) {
    namespace F = bf::bfrec;
    Reader reader(in.data(), in.size());
    Header h;
    if (reader.header(h) != Reader::Status::Ok) {
        error = reader.error();
        return false;
    }
    out.clear();
    out.reserve(in.size());
    VectorSink sink(out);
    // Tables no larger than the recording can fill, and a buffer no larger than it: the same
    // bytes out, without clearing the plug-in's megabytes of tables for a short recording.
    F::Encoder encoder(sink, std::clamp<size_t>(in.size(), 4096, 64 * 1024),
                       F::Limits::forBytes(in.size()));
    F::Header header;
    header.platform = h.platform;
    header.start.tm_year = h.year - 1900;
    header.start.tm_mon = h.month - 1;
    header.start.tm_mday = h.day;
    header.start.tm_hour = h.hour;
    header.start.tm_min = h.minute;
    header.start.tm_sec = h.second;
    header.maxMB = h.maxMB;
    header.markerKey = h.markerKey;
    header.version = h.pluginVersion;
    encoder.header(header);
    // The encoder knows a shape by its address: one per recorded shape, each with its own copy
    // of the name (the reader's shapes move as it reads more of them, and a shape may be
    // defined well before its first call).
    struct OwnShape {
        F::CallShape shape;
        std::string name;
    };
    std::deque<OwnShape> shapes;
    std::vector<F::RecArg> words;
    Record r;
    while (reader.next(r) == Reader::Status::Ok) {
        const Shape* shape = r.kind == Kind::Call ? &reader.shapes()[r.call.shape] : nullptr;
        if (!edit(r, shape)) continue;
        switch (r.kind) {
            case Kind::File:
                encoder.file(r.folder, r.path, r.data.data(), r.data.size());
                break;
            case Kind::Call: {
                while (shapes.size() < reader.shapes().size()) {
                    const Shape& s = reader.shapes()[shapes.size()];
                    OwnShape& own = shapes.emplace_back();
                    own.name = s.name;
                    F::CallShape& c = own.shape;
                    c.hash = s.hash;
                    c.name = own.name.c_str();
                    c.words = static_cast<uint8_t>(s.kinds.size());
                    c.result = s.result;
                    for (size_t w = 0; w < s.kinds.size(); ++w)
                        c.kinds[w] = s.kinds[w];
                }
                const Shape& s = reader.shapes()[r.call.shape];
                words.assign(s.kinds.size() + 1, F::RecArg{});
                for (size_t w = 0; w < s.kinds.size(); ++w) {
                    const Word& word = r.call.words[w];
                    words[w].word = word.value;
                    if (s.kinds[w] == ArgKind::String)
                        words[w].data = word.null ? nullptr : word.text.c_str();
                    if (s.kinds[w] == ArgKind::Out || s.kinds[w] == ArgKind::InOut) {
                        words[w].data = word.after.data();
                        words[w].size = static_cast<uint32_t>(word.after.size());
                        words[w].before = word.before.data();
                        words[w].beforeSize = static_cast<uint32_t>(word.before.size());
                    }
                }
                const uint64_t slots[3] = {r.call.result[0], r.call.result[1], r.call.result[2]};
                encoder.call(shapes[r.call.shape].shape, words.data(), slots,
                             r.call.resultTextNull ? nullptr : r.call.resultText.c_str());
                break;
            }
            case Kind::Wait:
                encoder.wait(r.number);
                break;
            case Kind::Key:
                encoder.key(r.key, r.tick, r.repeats, r.scanCode, r.flags);
                break;
            case Kind::KeysLost:
                encoder.keysLost(r.number);
                break;
            case Kind::Tick:
                encoder.tick(r.number);
                break;
            case Kind::LocalTime: {
                std::tm t{};
                t.tm_year = static_cast<int>(r.time.year) - 1900;
                t.tm_mon = static_cast<int>(r.time.month) - 1;
                t.tm_mday = static_cast<int>(r.time.day);
                t.tm_hour = static_cast<int>(r.time.hour);
                t.tm_min = static_cast<int>(r.time.minute);
                t.tm_sec = static_cast<int>(r.time.second);
                encoder.localTime(t);
                break;
            }
            case Kind::Log:
                encoder.log(r.text);
                break;
            case Kind::Marker:
                encoder.marker(r.number);
                break;
            case Kind::Detach:
                encoder.detach();
                break;
            case Kind::Stop:
                encoder.stop();
                break;
            case Kind::End:
                encoder.end(static_cast<F::EndReason>(r.number));
                break;
        }
    }
    encoder.flush();
    return true;
}

}  // namespace replay
