// The log file "Brackenfold/Log.log", the one place where the plug-in reports what it does.
//
// Every entry is "[d/m/yyyy h:m:s] " (local time, no leading zeros) + the message + a line feed;
// the file is opened and closed for each entry, so the log can be read while the game runs and
// nothing is lost when it crashes. Logging never fails: an entry that cannot be written is dropped.
// Control bytes are written escaped.
#pragma once

#include <ctime>
#include <string>

namespace bf {

inline constexpr const char* kLogPath = "Brackenfold/Log.log";
inline constexpr const char* kPreviousLogPath = "Brackenfold/Log.previous.log";

// Start-up: the previous session's log becomes Log.previous.log (replacing an older one) and the
// log starts empty.
void initLog();
// The message with control bytes other than line feeds and tabs written as "\x00": garbage read
// from a player's file never lands raw in the log.
std::string printableLogText(const std::string& message);
void logMessage(const std::string& message);
void logMessage(const char* message);
// Where entries go instead of the file while set (null: back to the file). For tools that run the
// readers without a game folder, such as the fuzz targets, which must not touch the disk.
using LogSink = void (*)(const std::string& entry);
void setLogSink(LogSink sink);
// "[5/3/2026 9:4:7] " for 5 March 2026, 09:04:07.
std::string formatLogStamp(const std::tm& localTime);
// The three-line banner that start-up writes as the first entry.
std::string logBanner();

// Sees every entry as it is written, with the local time it was stamped with: the flight
// recorder (core/recorder.h) while it records. One at a time; null removes it.
class LogTap {
  public:
    virtual ~LogTap() = default;
    virtual void logged(const std::tm& local, const std::string& entry) = 0;
};
void setLogTap(LogTap* tap);

}  // namespace bf
