// Reads the files of a data folder the way the plug-in does (its line reader, its "=" split, its
// number conversions) while keeping each entry's line number, and reports what keeps a file from
// loading: missing, a folder, unreadable, empty, UTF-16, rejected lines.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "check/folder_check.h"

namespace bfcheck {

enum class FileKind {
    Data,      // every non-empty line must be one key=value; the first that is not stops the load
    Settings,  // ';', '/', '[' and '\' lines are comments; other bad lines are skipped
};

struct Entry {
    std::string value;
    int line = 0;  // 1-based
};

struct ReadFile {
    bool present = false;  // found and read (possibly with rejected lines)
    std::map<std::string, Entry, std::less<>> entries;
};

class FolderReader {
  public:
    FolderReader(std::filesystem::path dataFolder, std::vector<Problem>& problems)
        : dataFolder_(std::move(dataFolder)), problems_(problems) {}

    // Reads NAME (relative to the data folder); a required file's absence, emptiness or
    // rejected lines are problems that stop start-up. Entries of every accepted line are kept,
    // those after a rejected one too, so that the rest of the file is checked as well.
    ReadFile read(const std::string& name, FileKind kind, bool required);
    const std::filesystem::path& dataFolder() const { return dataFolder_; }

  private:
    void rejectLine(const std::string& name, int line, const std::string& text, FileKind kind,
                    bool required, bool first);

    std::filesystem::path dataFolder_;
    std::vector<Problem>& problems_;
};

struct NumberReading {
    bool isNumber = false;    // begins with a number, as the plug-in's conversion needs
    bool outOfRange = false;  // too large for its type: the conversion throws
    double value = 0.0;
    std::string rest;  // what follows the number, which the conversion ignores
};
NumberReading readNumber(const std::string& text, bool isFloat);

// The text with control bytes written as \xNN and cut at 60 bytes, fit for one line of a report.
std::string printable(const std::string& text);
std::string trimmed(const std::string& text);

}  // namespace bfcheck
