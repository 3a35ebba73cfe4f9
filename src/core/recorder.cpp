#include "core/recorder.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/log.h"
#include "core/os_clock.h"
#include "core/system_tick.h"
#include "core/text.h"

namespace bf {

namespace fs = std::filesystem;

namespace {

constexpr size_t kBufferBytes = 1024 * 1024;
constexpr uint32_t kFlushEveryMs = 1000;
constexpr uint64_t kFlushEveryFrames = 30;
// What one data file and the whole folder may add to a recording.
constexpr uintmax_t kMaxSnapshotFile = 4 * 1024 * 1024;
constexpr uintmax_t kMaxSnapshot = 16 * 1024 * 1024;
constexpr long long kMaxMBLimit = 1024 * 1024;

// The recorder that records now (one at a time): every native call and wait asks for it.
Recorder* gActive = nullptr;

bool parseSettingNumber(const std::string& value, long long& number) {
    if (value.empty()) return false;
    char* end = nullptr;
    errno = 0;
    number = std::strtoll(value.c_str(), &end, 10);
    return end != value.c_str() && errno == 0;
}

std::string recordingName(const std::tm& t) {
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d-%02d-%02d", t.tm_year + 1900,
                  t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return name;
}

}  // namespace

// The recording file: unbuffered (the encoder's buffer is the only one), so that each flush
// reaches the operating system at once.
class Recorder::FileSink : public bfrec::Sink {
  public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    ~FileSink() override { close(); }
    bool write(const uint8_t* data, size_t size) override {
        if (!file_) return false;
        if (std::fwrite(data, 1, size, file_) != size || std::fflush(file_) != 0) {
            error_ = errno;
            return false;
        }
        return true;
    }
    void close() {
        if (file_) std::fclose(file_);
        file_ = nullptr;
    }
    int error() const { return error_; }

  private:
    std::FILE* file_;
    int error_ = 0;
};

RecorderSettings readRecorderSettings(const std::string& settingsPath) {
    RecorderSettings settings;
    std::ifstream in(settingsPath, std::ios::binary);
    if (!in) return settings;
    const std::string text = readWholeStream(in);
    forEachTextLine(text, [&](std::string_view view) {
        const std::string line(view);
        if (line.empty() || line[0] == '/' || line[0] == ';' || line[0] == '[' || line[0] == '\\')
            return true;
        const auto pieces = splitString(line, '=');
        if (pieces.size() != 2) return true;
        const std::string& key = pieces[0];
        const std::string& value = pieces[1];
        if (key != "Recorder_Enabled" && key != "Recorder_MaxMB" && key != "Recorder_MarkerKey")
            return true;
        long long number = 0;
        if (value.empty()) return true;
        if (!parseSettingNumber(value, number)) {
            settings.warnings.push_back("WARN: Recorder: Settings.ini: key " + key + ", value \"" +
                                        value + "\" is not a number; it counts as absent");
            return true;
        }
        if (key == "Recorder_Enabled") {
            settings.enabled = number != 0 && number != -1;
        } else if (key == "Recorder_MaxMB") {
            if (number < 1 || number > kMaxMBLimit) {
                settings.warnings.push_back(
                    "WARN: Recorder: Settings.ini: key Recorder_MaxMB, value \"" + value +
                    "\" is out of range (1 to 1048576); it counts as absent");
            } else {
                settings.maxMB = static_cast<uint32_t>(number);
            }
        } else if (number < 1 || number > 254) {
            settings.warnings.push_back(
                "WARN: Recorder: Settings.ini: key Recorder_MarkerKey, value \"" + value +
                "\" is no key code (1 to 254); it counts as absent");
        } else {
            settings.markerKey = static_cast<uint32_t>(number);
        }
        return true;
    });
    return settings;
}

std::unique_ptr<Recorder> Recorder::start(const RecorderSettings& settings,
                                          const std::string& dataDir,
                                          std::vector<std::string>& logLines) {
    logLines = settings.warnings;
    if (!settings.enabled) return nullptr;
    const std::tm started = recordingStartTime();
    const fs::path folder = fs::path(dataDir) / kRecordingsFolder;
    std::error_code error;
    fs::create_directories(folder, error);
    const std::string base = recordingName(started);
    fs::path path = folder / (base + ".bfrec");
    // Two sessions started in the same second (a restarted script) keep both recordings, in
    // the order they were made when sorted by name.
    for (int n = 2; n < 100 && fs::exists(path, error); ++n) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "_%02d", n);
        path = folder / (base + suffix + ".bfrec");
    }
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) {
        logLines.push_back("ERROR: Recorder: cannot write " + path.generic_string() + ": " +
                           std::strerror(errno) + "; this session is not recorded");
        return nullptr;
    }
    std::setvbuf(file, nullptr, _IONBF, 0);

    std::unique_ptr<Recorder> recorder(new Recorder());
    recorder->sink_ = std::make_unique<FileSink>(file);
    recorder->encoder_ = std::make_unique<bfrec::Encoder>(*recorder->sink_, kBufferBytes);
    recorder->path_ = path.generic_string();
    recorder->markerKey_ = settings.markerKey;
    recorder->maxBytes_ = uint64_t{settings.maxMB} * 1024 * 1024;
    bfrec::Header header;
#ifdef _WIN32
    header.platform = 1;
#endif
    header.start = started;
    header.maxMB = settings.maxMB;
    header.markerKey = settings.markerKey;
    header.version = "1.2.0";
    recorder->encoder_->header(header);
    recorder->dataDir_ = dataDir;
    recorder->snapshot(dataDir);
    if (!recorder->encoder_->flush()) {
        logLines.push_back("ERROR: Recorder: cannot write " + recorder->path_ + ": " +
                           std::strerror(recorder->sink_->error()) +
                           "; this session is not recorded");
        return nullptr;
    }
    recorder->recording_ = true;
    gActive = recorder.get();
    setLogTap(recorder.get());
    recorder->lastFlushTick_ = systemTickCount();
    // Events from before this recording are not its own.
    discardQueuedKeys();
    logLines.push_back("Recorder: recording this session into Brackenfold/Recordings (at most " +
                       std::to_string(settings.maxMB) + " MB; marker key " +
                       std::to_string(settings.markerKey) + ")");
    return recorder;
}

Recorder::~Recorder() {
    if (recording_) finish();
    if (gActive == this) gActive = nullptr;
}

void Recorder::snapshot(const std::string& dataDir) {
    std::vector<fs::path> entries;
    std::error_code error;
    const fs::path root(dataDir);
    for (fs::recursive_directory_iterator
             it(root, fs::directory_options::skip_permission_denied, error),
         end;
         !error && it != end; it.increment(error)) {
        const fs::path relative = it->path().lexically_relative(root);
        const std::string top = relative.begin()->string();
        if (it.depth() == 0 &&
            (top == kRecordingsFolder || top == "Log.log" || top == "Log.previous.log")) {
            if (top == kRecordingsFolder) it.disable_recursion_pending();
            continue;
        }
        entries.push_back(relative);
    }
    // The same folder makes the same recording.
    std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) {
        return a.generic_string() < b.generic_string();
    });
    uintmax_t total = 0;
    for (const fs::path& relative : entries) {
        const fs::path full = root / relative;
        const std::string name = relative.generic_string();
        if (fs::is_directory(full, error)) {
            encoder_->file(true, name, nullptr, 0);
            continue;
        }
        const uintmax_t size = fs::file_size(full, error);
        if (error || size > kMaxSnapshotFile || total + size > kMaxSnapshot) {
            error.clear();
            continue;
        }
        std::ifstream in(full, std::ios::binary);
        if (!in) continue;
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        total += bytes.size();
        encoder_->file(false, name, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
}

void Recorder::beforeCall(const bfrec::CallShape& shape, bfrec::RecArg* words) {
    size_t used = 0;
    for (size_t w = 0; w < shape.words; ++w) {
        const bfrec::ArgKind kind = shape.kinds[w];
        if (kind != bfrec::ArgKind::InOut && kind != bfrec::ArgKind::Out) continue;
        const bfrec::PointerSize& rule = shape.sizes[w];
        size_t size = rule.bytes;
        if (rule.rule == bfrec::SizeRule::SlotsFromWord) {
            size = 8 * static_cast<size_t>(
                           std::min<uint64_t>(static_cast<uint32_t>(words[rule.word].word), 128));
        } else if (rule.rule == bfrec::SizeRule::CountPrefixed) {
            uint64_t count = 0;
            if (words[w].data) std::memcpy(&count, words[w].data, sizeof count);
            size = 8 * (1 + static_cast<size_t>(std::min<uint64_t>(count, 127)));
        }
        size = words[w].data ? std::min(size, bfrec::kMaxBlockBytes) : 0;
        words[w].size = static_cast<uint32_t>(size);
        if (kind == bfrec::ArgKind::InOut) {
            size = std::min(size, sizeof before_ - used);
            std::memcpy(before_ + used, words[w].data, size);
            words[w].before = before_ + used;
            words[w].beforeSize = static_cast<uint32_t>(size);
            used += size;
        }
    }
}

void Recorder::afterCall(const bfrec::CallShape& shape, bfrec::RecArg* words,
                         const uint64_t* slots) {
    if (!recording_) return;
    const char* text = nullptr;
    if (shape.result == bfrec::ResultKind::Str) {
        // The game hands a text back as a pointer word.
        text = reinterpret_cast<const char*>(slots[0]);  // NOLINT(performance-no-int-to-ptr)
    }
    encoder_->call(shape, words, slots, text);
    checkWrites();
}

void Recorder::beforeWait(uint32_t milliseconds) {
    if (!recording_) return;
    encoder_->wait(milliseconds);
    ++frame_;
    checkWrites();
}

void Recorder::recordKey(const KeyEvent& event) {
    if (!recording_) return;
    encoder_->key(event.key, event.tick, event.repeats, event.scanCode, event.flags);
    const bool pressed = !(event.flags & (bfrec::kKeyIsUpNow | bfrec::kKeyWasDownBefore));
    if (pressed && event.key == markerKey_) {
        encoder_->marker(++markers_);
        logMessage("Recorder: marker " + std::to_string(markers_) + " at frame " +
                   std::to_string(frame_));
    }
}

void Recorder::dataFolderReread() {
    if (!recording_) return;
    snapshot(dataDir_);
    checkWrites();
}

void Recorder::recordKeysLost(uint32_t lost) {
    if (recording_) encoder_->keysLost(lost);
}

void Recorder::afterWait() {
    if (!recording_) return;
    takeQueuedKeys();
    if (!recording_) return;
    if (bytes() >= maxBytes_) {
        logMessage("Recorder: Recorder_MaxMB (" + std::to_string(maxBytes_ / (1024 * 1024)) +
                   " MB) reached; the recording stops here");
        finish(bfrec::EndReason::MaxSize);
        return;
    }
    // Real time, not a reading of the session: when the file is written changes nothing in it.
    // At most a second of play waits in memory: a second of real time or 30 frames (a second
    // at 30 frames a second), whichever comes first, or half the buffer.
    const uint32_t now = systemTickCount();
    if (now - lastFlushTick_ >= kFlushEveryMs || frame_ - lastFlushFrame_ >= kFlushEveryFrames ||
        encoder_->buffered() >= kBufferBytes / 2) {
        lastFlushTick_ = now;
        lastFlushFrame_ = frame_;
        encoder_->flush();
    }
    checkWrites();
}

void Recorder::logged(const std::tm& local, const std::string& entry) {
    if (!recording_) return;
    encoder_->localTime(local);
    encoder_->log(entry);
    checkWrites();
}

void Recorder::tickRead(uint32_t tick) {
    if (!recording_) return;
    encoder_->tick(tick);
    checkWrites();
}

void Recorder::detached() {
    if (!recording_) return;
    encoder_->detach();
    checkWrites();
}

void Recorder::stopped() {
    if (!recording_) return;
    encoder_->stop();
    checkWrites();
}

void Recorder::finish(bfrec::EndReason reason) {
    if (!recording_) return;
    encoder_->end(reason);
    encoder_->flush();
    checkWrites();
    if (!recording_) return;
    recording_ = false;
    gActive = nullptr;
    setLogTap(nullptr);
    sink_->close();
}

void Recorder::checkWrites() {
    if (encoder_->ok()) return;
    recording_ = false;
    gActive = nullptr;
    setLogTap(nullptr);
    const int error = sink_->error();
    sink_->close();
    logMessage("ERROR: Recorder: cannot write " + path_ + ": " +
               (error ? std::strerror(error) : "the recording's tables are full") +
               "; the recording stops here (frame " + std::to_string(frame_) + ")");
}

Recorder* activeRecorder() {
    return gActive;
}

namespace native_detail {

void recordBefore(Recorder& recorder, const bfrec::CallShape& shape, bfrec::RecArg* words) {
    recorder.beforeCall(shape, words);
}

void recordAfter(Recorder& recorder, const bfrec::CallShape& shape, bfrec::RecArg* words,
                 const uint64_t* slots) {
    recorder.afterCall(shape, words, slots);
}

}  // namespace native_detail

uint32_t scriptTickCount() {
    const uint32_t tick = osTickCount();
    if (Recorder* recorder = activeRecorder()) recorder->tickRead(tick);
    return tick;
}

}  // namespace bf
