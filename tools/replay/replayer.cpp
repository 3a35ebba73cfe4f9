#include "replayer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>
#include <vector>

#include "bfrec_reader.h"
#include "core/os_clock.h"
#include "sim/script_thread.h"

namespace fs = std::filesystem;

namespace replay {

namespace {

constexpr uint64_t kGetGameTimer = 0x4F67E8ECA7D3F667ull;
constexpr size_t kLogLinesShown = 12;

std::string hex(uint64_t v) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(v));
    return text;
}

std::string hash16(uint64_t v) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(v));
    return text;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '"' || c == '\\') {
            char e[8];
            std::snprintf(e, sizeof e, "\\x%02X", b);
            out += e;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string clock(uint32_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u:%02u.%03u", ms / 3600000, ms / 60000 % 60,
                  ms / 1000 % 60, ms % 1000);
    return text;
}

std::string kindName(Kind kind) {
    switch (kind) {
        case Kind::File:
            return "a data file";
        case Kind::Call:
            return "a native call";
        case Kind::Wait:
            return "a scriptWait";
        case Kind::Key:
            return "a key event";
        case Kind::KeysLost:
            return "lost key events";
        case Kind::Tick:
            return "a system tick reading";
        case Kind::LocalTime:
            return "a local time reading";
        case Kind::Log:
            return "a log entry";
        case Kind::Marker:
            return "a marker";
        case Kind::Detach:
            return "the library's unload";
        case Kind::Stop:
            return "the plug-in's drop";
        case Kind::End:
            return "the end of the recording";
    }
    return "?";
}

// A relative path under the data folder, and nothing else.
bool safePath(const std::string& path) {
    if (path.empty() || path[0] == '/' || path.find('\\') != std::string::npos ||
        path.find(':') != std::string::npos)
        return false;
    for (const auto& part : fs::path(path)) {
        if (part == ".." || part == ".") return false;
    }
    return true;
}

// What a first pass over the recording finds.
struct Scan {
    Header header;
    uint64_t frames = 0;                                 // whole frames (waits read)
    std::vector<std::pair<uint32_t, uint64_t>> markers;  // number, frame
    bool ended = false;                                  // END read
    uint32_t endReason = 0;
    bool cut = false;  // Truncated
    bool malformed = false;
    std::string error;
    size_t errorOffset = 0;
    size_t files = 0;
};

Reader::Status scan(const std::vector<uint8_t>& bytes, Scan& s) {
    Reader reader(bytes.data(), bytes.size());
    Reader::Status status = reader.header(s.header);
    if (status != Reader::Status::Ok) {
        s.error = reader.error();
        return status;
    }
    Record r;
    while ((status = reader.next(r)) == Reader::Status::Ok) {
        if (r.kind == Kind::Wait) ++s.frames;
        if (r.kind == Kind::File) ++s.files;
        if (r.kind == Kind::Marker) s.markers.emplace_back(r.number, s.frames + 1);
        if (r.kind == Kind::End) {
            s.ended = true;
            s.endReason = r.number;
        }
    }
    if (status == Reader::Status::Truncated) s.cut = true;
    if (status == Reader::Status::Malformed) s.malformed = true;
    s.error = reader.error();
    s.errorOffset = reader.errorOffset();
    return status;
}

class Replayer : public sim::HookInterceptor, public bf::OsReplay {
  public:
    Replayer(const ReplayOptions& options, const std::vector<uint8_t>& bytes, const Scan& scanned)
        : options_(options),
          out_(*options.out),
          reader_(bytes.data(), bytes.size()),
          scan_(scanned) {
        Header ignored;
        reader_.header(ignored);
        pull();
    }

    // Lays out the recorded data folder; false (with a line) when a path is not one.
    bool layOutDataFolder() {
        const fs::path data = options_.gameDir / "Brackenfold";
        std::error_code error;
        fs::remove_all(data, error);
        fs::create_directories(data, error);
        while (haveNext_ && next_.kind == Kind::File) {
            if (!safePath(next_.path)) {
                out_ << "replay: the recording holds a file outside the data folder: "
                     << quoted(next_.path) << "\n";
                return false;
            }
            writeDataFile(next_);
            pull();
        }
        laidOut_ = true;
        return true;
    }

    void writeDataFile(const Record& record) {
        if (!safePath(record.path)) return;
        const fs::path target = options_.gameDir / "Brackenfold" / record.path;
        std::error_code error;
        if (record.folder) {
            fs::create_directories(target, error);
            return;
        }
        fs::create_directories(target.parent_path(), error);
        std::ofstream file(target, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(record.data.data()),
                   static_cast<std::streamsize>(record.data.size()));
    }

    int run() {
        const auto started = std::chrono::steady_clock::now();
        sim::GameOptions gameOptions;
        gameOptions.strict = false;
        gameOptions.stepWorld = false;
        gameOptions.recordLastFrame = options_.trace;
        game_ = std::make_unique<sim::Game>(gameOptions);
        game_->setInterceptor(this);
        bf::setOsReplay(this);
        game_->attach(options_.plugin);
        bool paused = false;
        bool cutShort = false;
        while (!diverged_) {
            if (frame_ > 1 && (frame_ - 1 == options_.untilFrame ||
                               (options_.untilMarker && markerFrame(options_.untilMarker) &&
                                frame_ - 1 == markerFrame(options_.untilMarker)))) {
                paused = true;
                break;
            }
            if (!haveNext_ || isEnding(next_.kind)) break;
            // A recording cut off (or never closed) plays its whole frames only.
            if (!scan_.ended && frame_ > scan_.frames) {
                cutShort = true;
                break;
            }
            game_->runFrame();
            noteFrame();
        }
        if (!diverged_ && !paused && !cutShort) finishSession();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        ended_ = true;
        const int code = report(paused, seconds);
        // The plug-in goes while the game is there; what it does now is past the recording and
        // answered with zeros.
        if (options_.stopPlugin) options_.stopPlugin();
        bf::setOsReplay(nullptr);
        game_->setInterceptor(nullptr);
        return code;
    }

    // ---- sim::HookInterceptor ----
    bool nativeCall(uint64_t hash, const uint64_t* args, size_t count, uint64_t* results) override {
        if (ended_) return true;
        if (diverged_ || pastTheEnd()) return false;
        ++callsInFrame_;
        if (!haveNext_ || next_.kind != Kind::Call) {
            diverge("the plug-in called " + describeMade(hash, args, count) +
                    "\n  the recording has " + describeNext());
            return false;
        }
        const Call& call = next_.call;
        const Shape& shape = reader_.shapes()[call.shape];
        std::string differs;
        if (shape.hash != hash) {
            differs = "another native";
        } else if (shape.kinds.size() != count) {
            differs = std::to_string(count) + " argument words, recorded " +
                      std::to_string(shape.kinds.size());
        } else {
            for (size_t w = 0; w < count && differs.empty(); ++w) {
                const Word& word = call.words[w];
                switch (shape.kinds[w]) {
                    case ArgKind::Value:
                        if (args[w] != word.value) differs = "argument word " + std::to_string(w);
                        break;
                    case ArgKind::String: {
                        const char* text = reinterpret_cast<const char*>(args[w]);
                        if ((text == nullptr) != word.null ||
                            (text &&
                             std::strncmp(text, word.text.c_str(), word.text.size() + 1) != 0))
                            differs = "the text of argument word " + std::to_string(w);
                        break;
                    }
                    case ArgKind::InOut: {
                        const void* p = reinterpret_cast<const void*>(args[w]);
                        if (!word.before.empty() &&
                            (!p || std::memcmp(p, word.before.data(), word.before.size()) != 0))
                            differs = "what argument word " + std::to_string(w) + " points at";
                        break;
                    }
                    case ArgKind::InBlock:
                    case ArgKind::Out:
                        break;
                }
            }
        }
        if (!differs.empty()) {
            diverge("the plug-in called " + describeMade(hash, args, count) +
                    "\n  the recording has " + describeNext() + "\n  (" + differs + ")");
            return false;
        }
        switch (shape.result) {
            case ResultKind::None:
                break;
            case ResultKind::U32:
                results[0] = call.result[0];
                break;
            case ResultKind::Vec3:
                for (int i = 0; i < 3; ++i)
                    results[i] = call.result[i];
                break;
            case ResultKind::U64:
                results[0] = call.result[0];
                break;
            case ResultKind::Str:
                results[0] =
                    call.resultTextNull ? 0 : reinterpret_cast<uint64_t>(keptText(call.resultText));
                break;
        }
        for (size_t w = 0; w < count; ++w) {
            if (shape.kinds[w] != ArgKind::Out && shape.kinds[w] != ArgKind::InOut) continue;
            auto* p = reinterpret_cast<uint8_t*>(args[w]);
            const std::vector<uint8_t>& after = call.words[w].after;
            if (p && !after.empty()) std::memcpy(p, after.data(), after.size());
        }
        if (shape.hash == kGetGameTimer) {
            const auto timer = static_cast<uint32_t>(call.result[0]);
            if (!timerSeen_) firstTimer_ = timer;
            timerSeen_ = true;
            lastTimer_ = timer;
        }
        consume();
        return true;
    }

    bool scriptWait(uint32_t milliseconds) override {
        if (ended_) return true;
        if (diverged_ || pastTheEnd()) return false;
        if (!haveNext_ || next_.kind != Kind::Wait || next_.number != milliseconds) {
            diverge("the plug-in waited " + std::to_string(milliseconds) +
                    " ms\n  the recording has " + describeNext());
            return false;
        }
        ++frame_;
        consume();
        return true;
    }

    void scriptResumed() override {}

    // ---- bf::OsReplay ----
    uint32_t tickCount() override {
        if (delivering_) return deliveringTick_;
        if (ended_ || diverged_ || pastTheEnd()) return 0;
        if (!haveNext_ || next_.kind != Kind::Tick) {
            diverge("the plug-in read the system tick\n  the recording has " + describeNext());
            return 0;
        }
        const uint32_t tick = next_.number;
        consume();
        return tick;
    }

    std::tm localTime() override {
        std::tm t{};
        if (ended_ || diverged_ || pastTheEnd()) return t;
        if (!haveNext_ || next_.kind != Kind::LocalTime) {
            diverge("the plug-in read the local time (to log)\n  the recording has " +
                    describeNext());
            return t;
        }
        t.tm_year = static_cast<int>(next_.time.year) - 1900;
        t.tm_mon = static_cast<int>(next_.time.month) - 1;
        t.tm_mday = static_cast<int>(next_.time.day);
        t.tm_hour = static_cast<int>(next_.time.hour);
        t.tm_min = static_cast<int>(next_.time.minute);
        t.tm_sec = static_cast<int>(next_.time.second);
        consume();
        return t;
    }

    std::tm recordingStart() override {
        std::tm t{};
        const Header& h = scan_.header;
        t.tm_year = h.year - 1900;
        t.tm_mon = h.month - 1;
        t.tm_mday = h.day;
        t.tm_hour = h.hour;
        t.tm_min = h.minute;
        t.tm_sec = h.second;
        return t;
    }

    void logged(const std::string& entry) override {
        if (ended_ || diverged_ || pastTheEnd()) return;
        replayedLog_.push_back(entry);
        if (!haveNext_ || next_.kind != Kind::Log || next_.text != entry) {
            diverge("the plug-in logged " + quoted(entry) + "\n  the recording has " +
                    describeNext());
            return;
        }
        recordedLog_.push_back(next_.text);
        consume();
    }

  private:
    // The recording stopped inside a frame (Recorder_MaxMB): the session went on unrecorded, so
    // the replay stops the script where the recording ends.
    bool pastTheEnd() const { return haveNext_ && next_.kind == Kind::End; }

    static bool isEnding(Kind kind) {
        return kind == Kind::Detach || kind == Kind::Stop || kind == Kind::End;
    }

    uint64_t markerFrame(uint32_t number) const {
        for (const auto& [n, frame] : scan_.markers) {
            if (n == number) return frame;
        }
        return 0;
    }

    // Reads the next record into next_; key events are handed to the plug-in where the
    // recording has them (its recorder takes them from its queue right after), markers noted.
    void pull() {
        for (;;) {
            status_ = reader_.next(next_);
            haveNext_ = status_ == Reader::Status::Ok;
            if (!haveNext_) return;
            if (next_.kind == Kind::Marker) {
                markersSeen_.emplace_back(next_.number, frame_);
                continue;
            }
            if (next_.kind == Kind::KeysLost) continue;
            // The plug-in read its folder again (a reload in the game): the folder as it was.
            if (next_.kind == Kind::File && laidOut_) {
                writeDataFile(next_);
                continue;
            }
            if (next_.kind == Kind::Key) {
                deliverKey(next_);
                continue;
            }
            return;
        }
    }

    void consume() { pull(); }

    void deliverKey(const Record& key) {
        using Handler = void (*)(uint32_t, uint16_t, uint8_t, int, int, int, int);
        auto handler = reinterpret_cast<Handler>(game_ ? game_->keyboardHandler() : nullptr);
        if (!handler) return;
        delivering_ = true;
        deliveringTick_ = key.tick;
        namespace F = bf::bfrec;
        handler(key.key, static_cast<uint16_t>(key.repeats), key.scanCode,
                (key.flags & F::kKeyExtended) ? 1 : 0, (key.flags & F::kKeyWithAlt) ? 1 : 0,
                (key.flags & F::kKeyWasDownBefore) ? 1 : 0, (key.flags & F::kKeyIsUpNow) ? 1 : 0);
        delivering_ = false;
    }

    const char* keptText(const std::string& text) {
        auto it = texts_.find(text);
        if (it == texts_.end()) it = texts_.emplace(text, text).first;
        return it->second.c_str();
    }

    std::string describeMade(uint64_t hash, const uint64_t* args, size_t count) const {
        const sim::NativeInfo* info = game_->natives().find(hash);
        std::string text = hash16(hash) + " " + (info ? info->name : std::string("?")) + " (";
        const Shape* shape = nullptr;
        if (haveNext_ && next_.kind == Kind::Call) {
            const Shape& s = reader_.shapes()[next_.call.shape];
            if (s.hash == hash && s.kinds.size() == count) shape = &s;
        }
        for (size_t w = 0; w < count; ++w) {
            if (w) text += ", ";
            const ArgKind kind = shape ? shape->kinds[w] : ArgKind::Value;
            if (kind == ArgKind::String) {
                const char* p = reinterpret_cast<const char*>(args[w]);
                text += p ? quoted(p) : "null";
            } else if (kind == ArgKind::Value) {
                text += hex(args[w]);
            } else {
                text += "&...";
            }
        }
        return text + ")";
    }

    std::string describeNext() const {
        if (!haveNext_) {
            if (status_ == Reader::Status::End) return "nothing more (the file ends)";
            return "nothing it can read (" + reader_.error() + ")";
        }
        if (next_.kind == Kind::Wait)
            return "a scriptWait of " + std::to_string(next_.number) + " ms";
        if (next_.kind == Kind::Log) return "the log entry " + quoted(next_.text);
        if (next_.kind != Kind::Call) return kindName(next_.kind);
        const Shape& shape = reader_.shapes()[next_.call.shape];
        std::string text = hash16(shape.hash) + " " + shape.name + " (";
        for (size_t w = 0; w < shape.kinds.size(); ++w) {
            if (w) text += ", ";
            const Word& word = next_.call.words[w];
            switch (shape.kinds[w]) {
                case ArgKind::Value:
                    text += hex(word.value);
                    break;
                case ArgKind::String:
                    text += word.null ? "null" : quoted(word.text);
                    break;
                default:
                    text += "&...";
            }
        }
        return text + ")";
    }

    uint32_t gameTime() const { return timerSeen_ ? lastTimer_ - firstTimer_ : 0; }

    void diverge(const std::string& what) {
        if (diverged_) return;
        diverged_ = true;
        divergence_ = "DIVERGENCE in frame " + std::to_string(frame_) + " at game time " +
                      clock(gameTime()) + " (call " + std::to_string(callsInFrame_) +
                      " of the frame):\n  " + what + "\n";
        game_->fail("the replay diverged from the recording");
    }

    void noteFrame() {
        ++framesPlayed_;
        calls_ += callsInFrame_;
        if (callsInFrame_ > worstCalls_) {
            worstCalls_ = callsInFrame_;
            worstFrame_ = frame_ - 1;
            worstTime_ = gameTime();
            worstWhat_ = options_.describeFrame ? options_.describeFrame() : std::string();
        }
        lastFrameCalls_ = callsInFrame_;
        callsInFrame_ = 0;
    }

    // What the recording says happened after the last frame: the unload, the drop, the end.
    void finishSession() {
        if (!haveNext_) return;
        if (next_.kind == Kind::Detach) {
            ending_ = "the library was unloaded (the game's exit)";
            consume();
            game_->detach();
        } else if (next_.kind == Kind::Stop) {
            ending_ = "the host dropped the plug-in";
            consume();
            if (options_.stopPlugin) options_.stopPlugin();
        }
        if (!diverged_ && haveNext_ && next_.kind == Kind::End) {
            closed_ = true;
            endReason_ = next_.number;
            consume();
        }
        if (!diverged_ && haveNext_) {
            diverge("the plug-in is done\n  the recording has " + describeNext());
        }
    }

    bool compareLogFile() {
        std::vector<std::string> expected;
        for (const std::string& entry : recordedLog_) {
            std::istringstream lines(entry + "\n");
            for (std::string line; std::getline(lines, line);)
                expected.push_back(line);
        }
        std::vector<std::string> actual;
        std::ifstream in(options_.gameDir / "Brackenfold" / "Log.log", std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            actual.push_back(line);
        }
        for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
            const std::string* a = i < actual.size() ? &actual[i] : nullptr;
            const std::string* e = i < expected.size() ? &expected[i] : nullptr;
            if (a && e && *a == *e) continue;
            out_ << "the log differs at line " << i + 1
                 << ":\n  replayed: " << (a ? *a : std::string("(nothing)"))
                 << "\n  recorded: " << (e ? *e : std::string("(nothing)")) << "\n";
            return false;
        }
        out_ << "the log: " << actual.size() << " lines, identical to the recording's\n";
        return true;
    }

    int report(bool paused, double seconds) {
        for (const auto& [number, frame] : scan_.markers) {
            out_ << "marker " << number << " at frame " << frame << "\n";
        }
        if (diverged_) {
            out_ << divergence_;
            out_ << "last lines of the log:\n";
            const size_t from =
                replayedLog_.size() > kLogLinesShown ? replayedLog_.size() - kLogLinesShown : 0;
            for (size_t i = from; i < replayedLog_.size(); ++i)
                out_ << "  " << replayedLog_[i] << "\n";
            out_ << "game folder: " << options_.gameDir.string() << "\n";
            out_ << "outcome: diverged\n";
            return 1;
        }
        // Real time: the game's timer as the plug-in last read it, or 33 ms a frame where that
        // is more (the plug-in reads the timer only when it needs it).
        const double gameSeconds =
            std::max(static_cast<double>(gameTime()) / 1000.0,
                     static_cast<double>(framesPlayed_) * sim::Game::kFrameMs / 1000.0);
        char speed[160];
        std::snprintf(speed, sizeof speed,
                      "replayed %llu frames (%s of game time) in %.2f s, %.0fx real time\n",
                      static_cast<unsigned long long>(framesPlayed_), clock(gameTime()).c_str(),
                      seconds, seconds > 0 ? gameSeconds / seconds : 0.0);
        out_ << speed;
        int code = 0;
        if (paused) {
            out_ << "stopped after frame " << frame_ - 1 << " (--replay-until)\n";
        } else {
            if (scan_.cut || scan_.malformed) {
                out_ << "the recording ends at byte " << scan_.errorOffset << ", inside frame "
                     << scan_.frames + 1 << " (" << scan_.error << "): replayed frames 1 to "
                     << scan_.frames << "\n";
            } else if (!closed_) {
                out_ << "the recording ends after frame " << scan_.frames
                     << " without its end (the game stopped without closing it)\n";
            } else {
                if (!ending_.empty()) out_ << "after the last frame " << ending_ << "\n";
                out_ << (endReason_ == 1 ? "the recording stopped at Recorder_MaxMB\n"
                                         : "the recording is whole\n");
            }
            if (!compareLogFile()) code = 1;
        }
        out_ << "game folder: " << options_.gameDir.string() << "\n";
        out_ << (code == 0 ? "outcome: no divergence\n" : "outcome: the log differs\n");
        if (options_.stats) {
            char mean[32];
            std::snprintf(mean, sizeof mean, "%.1f",
                          framesPlayed_ ? static_cast<double>(calls_) / framesPlayed_ : 0.0);
            out_ << "worst frame: " << worstCalls_ << " natives in frame " << worstFrame_ << " at ["
                 << clock(worstTime_) << "]";
            if (!worstWhat_.empty()) out_ << ", " << worstWhat_;
            out_ << "\nmean: " << mean << " natives per frame over " << framesPlayed_
                 << " frames\n";
        }
        if (options_.trace) {
            out_ << "natives in last frame: " << game_->lastFrameCalls().size() << "\n";
            for (const auto& call : game_->lastFrameCalls()) {
                out_ << hash16(call.hash) << " " << call.name;
                for (uint64_t word : call.args)
                    out_ << " " << hex(word);
                out_ << "\n";
            }
        }
        return code;
    }

    const ReplayOptions& options_;
    std::ostream& out_;
    Reader reader_;
    const Scan& scan_;
    std::unique_ptr<sim::Game> game_;
    Record next_;
    bool haveNext_ = false;
    // The recorded folder is laid out: later file records are the plug-in reading it again.
    bool laidOut_ = false;
    Reader::Status status_ = Reader::Status::Ok;
    bool diverged_ = false;
    bool ended_ = false;
    bool closed_ = false;
    uint32_t endReason_ = 0;
    std::string ending_;
    std::string divergence_;
    uint64_t frame_ = 1;
    uint64_t callsInFrame_ = 0;
    uint64_t lastFrameCalls_ = 0;
    uint64_t framesPlayed_ = 0;
    uint64_t calls_ = 0;
    uint64_t worstCalls_ = 0;
    uint64_t worstFrame_ = 0;
    uint32_t worstTime_ = 0;
    std::string worstWhat_;
    bool timerSeen_ = false;
    uint32_t firstTimer_ = 0;
    uint32_t lastTimer_ = 0;
    bool delivering_ = false;
    uint32_t deliveringTick_ = 0;
    std::vector<std::pair<uint32_t, uint64_t>> markersSeen_;
    std::vector<std::string> recordedLog_;
    std::vector<std::string> replayedLog_;
    std::map<std::string, std::string> texts_;
};

}  // namespace

bool parseReplayUntil(const std::string& text, uint64_t& frame, uint32_t& marker) {
    frame = 0;
    marker = 0;
    std::string digits = text;
    bool isMarker = false;
    if (digits.rfind("marker", 0) == 0) {
        digits.erase(0, 6);
        isMarker = true;
    } else if (digits.rfind("m", 0) == 0) {
        digits.erase(0, 1);
        isMarker = true;
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos ||
        digits.size() > 12)
        return false;
    const uint64_t n = std::stoull(digits);
    if (n == 0) return false;
    if (isMarker) {
        marker = static_cast<uint32_t>(n);
    } else {
        frame = n;
    }
    return true;
}

int runReplay(const ReplayOptions& options) {
    std::ostream& out = *options.out;
    std::vector<uint8_t> bytes;
    if (!readFile(options.recording, bytes)) {
        out << "replay: cannot read " << options.recording << "\n";
        return 2;
    }
    Scan scanned;
    const Reader::Status status = scan(bytes, scanned);
    if (scanned.header.version == 0 ||
        (status != Reader::Status::End && scanned.frames == 0 && scanned.files == 0)) {
        out << "replay: " << options.recording << " is not a recording that can be played ("
            << scanned.error << ")\n";
        return 2;
    }
    if ((scanned.cut || scanned.malformed) && scanned.frames == 0) {
        out << "replay: " << options.recording << " ends at byte " << scanned.errorOffset
            << ", before its first frame ends (" << scanned.error << "): nothing to replay\n";
        return 2;
    }
    const Header& h = scanned.header;
    out << "replay: " << options.recording << "\n";
    out << "recorded on " << (h.platform == 1 ? "Windows" : "Linux") << " by Brackenfold "
        << h.pluginVersion << ", started " << int{h.day} << "/" << int{h.month} << "/" << h.year
        << " " << int{h.hour} << ":" << int{h.minute} << ":" << int{h.second} << "; "
        << scanned.frames << " frames, " << scanned.markers.size() << " markers\n";
    if (options.untilMarker) {
        bool found = false;
        for (const auto& marker : scanned.markers)
            found = found || marker.first == options.untilMarker;
        if (!found) {
            out << "replay: the recording has no marker " << options.untilMarker << "\n";
            return 2;
        }
    }
    Replayer replayer(options, bytes, scanned);
    if (!replayer.layOutDataFolder()) return 2;
    std::error_code error;
    const fs::path previous = fs::current_path();
    fs::current_path(options.gameDir, error);
    if (error) {
        out << "replay: cannot enter " << options.gameDir.string() << "\n";
        return 2;
    }
    const int code = replayer.run();
    fs::current_path(previous, error);
    return code;
}

}  // namespace replay
