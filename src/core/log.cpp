#include "core/log.h"

#include <fstream>

namespace bf {

void initLog() {
    std::ofstream(kLogPath, std::ios::out | std::ios::trunc);
}

std::string formatLogStamp(const std::tm& t) {
    return "[" + std::to_string(t.tm_mday) + "/" + std::to_string(t.tm_mon + 1) + "/" +
           std::to_string(t.tm_year + 1900) + " " + std::to_string(t.tm_hour) + ":" +
           std::to_string(t.tm_min) + ":" + std::to_string(t.tm_sec) + "] ";
}

void logMessage(const std::string& message) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    std::ofstream out(kLogPath, std::ios::out | std::ios::app);
    if (!out) return;
    out << formatLogStamp(local) + message + "\n";
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
