#include "core/log.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/os_clock.h"

namespace bf {

namespace {
LogTap* gTap = nullptr;
LogSink logSink = nullptr;
}  // namespace

void setLogTap(LogTap* tap) {
    gTap = tap;
}

void setLogSink(LogSink sink) {
    logSink = sink;
}

void initLog() {
    // The last session's log is what a player attaches after a crash: keep it one start longer.
    std::error_code ignored;
    if (std::filesystem::exists(kLogPath, ignored)) {
        std::filesystem::rename(kLogPath, kPreviousLogPath, ignored);
    }
    std::ofstream(kLogPath, std::ios::out | std::ios::trunc);
}

std::string printableLogText(const std::string& message) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(message.size());
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7F) {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        } else {
            text += c;
        }
    }
    return text;
}

std::string formatLogStamp(const std::tm& t) {
    return "[" + std::to_string(t.tm_mday) + "/" + std::to_string(t.tm_mon + 1) + "/" +
           std::to_string(t.tm_year + 1900) + " " + std::to_string(t.tm_hour) + ":" +
           std::to_string(t.tm_min) + ":" + std::to_string(t.tm_sec) + "] ";
}

void logMessage(const std::string& message) {
    if (logSink) {
        logSink(message);
        return;
    }
    const std::tm local = osLocalTime();
    const std::string entry = formatLogStamp(local) + printableLogText(message);
    if (gTap) gTap->logged(local, entry);
    if (OsReplay* replay = osReplay()) replay->logged(entry);
    std::ofstream out(kLogPath, std::ios::out | std::ios::app);
    if (!out) return;
    out << entry + "\n";
}

void logMessage(const char* message) {
    logMessage(std::string(message ? message : ""));
}

std::string logBanner() {
    return "Brackenfold 1.2.0\n"
           "NOTE: if you want to report an issue, please attach this file's contents.\n" +
           std::string(75, '=') + "\n";
}

}  // namespace bf
