// The flight recorder: everything the game and the operating system told the plug-in in one
// session, written to "Brackenfold/Recordings/<date>_<time>.bfrec" (core/bfrec_format.h), so that
// brackenfold-sim --replay can play the session again exactly.
//
// Off unless Settings.ini says Recorder_Enabled=1 (read by the recorder itself when the script
// starts, before start-up, so that the first native call is in the recording). It records:
// every native call the plug-in makes through its table (hash, argument words, the texts it
// passes, what the game wrote through pointers, the result it reads), every scriptWait, every key
// event (with the tick the handler read), every reading of the local time (each log entry) and
// of the system tick on the script thread, every log entry, and, first, the data folder as the
// session found it (every file but the logs and Recordings/).
//
// Cost: the buffer and tables are allocated when a recording starts (about 4 MB); a frame then
// allocates nothing. The buffer goes to the file once a second or every 30 frames, whichever
// comes first (and when half full), from the script thread, so a crash loses at most the last
// second.
//
// Failures never reach the game: a folder or file that cannot be written, or a full disk, stops
// the recording with one log line; so does reaching Recorder_MaxMB (checked at each frame's end).
//
// Threads: everything runs on the script thread (or on the thread that unloads the plug-in, while
// the script waits). Key events come through core/key_input.h, whose ring the script thread
// empties after each wait into the recording (an event that found the ring full is counted as
// lost and the count recorded). The recording thus places each key event at the start of the
// first frame after it, which is where a replay delivers it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "core/bfrec_encoder.h"
#include "core/key_input.h"
#include "core/log.h"

namespace bf {

inline constexpr const char* kRecordingsFolder = "Recordings";

struct RecorderSettings {
    bool enabled = false;
    uint32_t maxMB = 200;
    // A key the game does not use: Scroll Lock.
    uint32_t markerKey = 0x91;
    // Values that did not read, each a log line for start-up to write.
    std::vector<std::string> warnings;
};

// Recorder_Enabled, Recorder_MaxMB and Recorder_MarkerKey from the settings file (the same line
// rules as core/settings.h), without logging: the log is not started yet.
RecorderSettings readRecorderSettings(const std::string& settingsPath);

class Recorder : public LogTap {
  public:
    // Starts a recording of this session in dataDir/Recordings when the settings say so; null
    // when they do not or it cannot start. `logLines` gets what start-up writes to the log about
    // it (nothing when it is off).
    static std::unique_ptr<Recorder> start(const RecorderSettings& settings,
                                           const std::string& dataDir,
                                           std::vector<std::string>& logLines);
    // Ends the recording (END) if it still runs.
    ~Recorder() override;
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    bool recording() const { return recording_; }
    // The frame now running: 1 until the first wait.
    uint64_t frame() const { return frame_; }
    uint32_t markers() const { return markers_; }
    const std::string& path() const { return path_; }
    uint64_t bytes() const { return encoder_ ? encoder_->written() + encoder_->buffered() : 0; }

    // The plug-in's side (core/native.h, core/frame_tally.cpp, core/log.cpp, spine/).
    void beforeCall(const bfrec::CallShape& shape, bfrec::RecArg* words);
    void afterCall(const bfrec::CallShape& shape, bfrec::RecArg* words, const uint64_t* slots);
    void beforeWait(uint32_t milliseconds);
    // After the script resumed: the key events since (core/key_input.h), the flush and the size
    // limit.
    void afterWait();
    // A key event taken from the ring (a press of the marker key also marks), and how many found
    // it full.
    void recordKey(const KeyEvent& event);
    void recordKeysLost(uint32_t lost);
    // The plug-in is about to read its data folder again (a reload in the game): the folder as
    // it is now goes into the recording, where a replay lays it out before the reading.
    void dataFolderReread();
    void logged(const std::tm& local, const std::string& entry) override;
    // A reading of the system tick on the script thread.
    void tickRead(uint32_t tick);
    // The library is being unloaded / the host drops the plug-in.
    void detached();
    void stopped();
    // Writes END and closes the file.
    void finish(bfrec::EndReason reason = bfrec::EndReason::Closed);

  private:
    class FileSink;
    Recorder() = default;
    void snapshot(const std::string& dataDir);
    // Stops at a write error, with one log line.
    void checkWrites();

    std::unique_ptr<FileSink> sink_;
    std::unique_ptr<bfrec::Encoder> encoder_;
    std::string path_;
    std::string dataDir_;
    bool recording_ = false;
    uint64_t frame_ = 1;
    uint32_t markers_ = 0;
    uint32_t markerKey_ = 0;
    uint64_t maxBytes_ = 0;
    uint32_t lastFlushTick_ = 0;
    uint64_t lastFlushFrame_ = 1;
    // What InOut pointers held before the call now running.
    uint8_t before_[2 * bfrec::kMaxBlockBytes] = {};
};

// The recorder while it records (the plug-in has one at a time); null otherwise. A pointer of
// its own beside the running plug-in's: every native call reads it.
Recorder* activeRecorder();

// A reading of the system tick on the script thread, recorded while the recorder runs.
uint32_t scriptTickCount();

}  // namespace bf
