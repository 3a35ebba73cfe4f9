#include "data/base_data_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/log.h"
#include "core/text.h"

namespace bf {

namespace fs = std::filesystem;

bool BaseDataFile::load() {
    logMessage("loading data file: " + path_);
    std::error_code error;
    const fs::file_status status = fs::status(path_, error);
    if (fs::is_directory(status)) {
        logMessage("WARN:  unable to load from data file, it probably does not exists.");
        logMessage("ERROR: " + path_ + " is a folder, not a file");
        return false;
    }
    std::ifstream in(path_);
    if (!in) {
        logMessage("WARN:  unable to load from data file, it probably does not exists.");
        if (fs::exists(status)) {
            logMessage("ERROR: " + path_ + " exists but cannot be opened (no permission?)");
        }
        return false;
    }
    if (fs::is_regular_file(status) && fs::file_size(path_, error) == 0 && !error) {
        logMessage("WARN: " + path_ + " is empty");
    }
    logMessage("data file found: " + path_);
    int lines = 0;
    bool corrupt = false;
    forEachFileLine(in, [&](const std::string& line) {
        if (!parseLine(line)) {
            corrupt = true;
            return false;
        }
        ++lines;
        return true;
    });
    if (corrupt) {
        logMessage("ERROR: data file '" + path_ +
                   "' is corruped at line: " + std::to_string(lines));
        return false;
    }
    logMessage("data file '" + path_ + "' loaded, lines red: " + std::to_string(lines));
    return true;
}

void BaseDataFile::report(const std::string& message) const {
    if (!failing_) logMessage(message);
}

bool BaseDataFile::save(bool force) {
    if (!dirty_ && !force) return true;
    report("saving " + path_);
    if (!write()) {
        report("ERROR: failed to save file: " + path_);
        if (!failing_)
            logMessage("WARN: further failures to save " + path_ +
                       " are not logged until a save succeeds");
        failing_ = true;
        return false;
    }
    dirty_ = false;
    failing_ = false;
    logMessage("file saved: " + path_);
    return true;
}

bool BaseDataFile::replaceFile(const std::function<bool(std::ostream&)>& writeBody) {
    const fs::path target(path_);
    std::error_code error;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);

    const fs::path temporary(path_ + ".tmp");
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out) {
            report("unable to open file, please make sure it exists.");
            return false;
        }
        written = writeBody(out);
        out.close();
        written = written && !out.fail();
    }
    if (!written) {
        report("unable to write file: " + temporary.string());
        fs::remove(temporary, error);
        return false;
    }
    // One step: readers see the old file or the new one, never a part of either.
    fs::rename(temporary, target, error);
    if (error) {
        report("unable to replace file: " + path_ + " (" + error.message() + ")");
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace bf
