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
    // What an interrupted write left: never the file itself, and the next save writes it anew.
    if (fs::remove(path_ + ".tmp", error)) {
        logMessage("WARN: " + path_ + ".tmp was left by a write that did not finish; removed");
    }
    const fs::file_status status = fs::status(path_, error);
    if (fs::is_directory(status)) {
        logMessage("WARN:  unable to load from data file, it probably does not exists.");
        logMessage("ERROR: " + path_ + " is a folder, not a file");
        noteDamage("a folder stands where the file should be");
        return false;
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        logMessage("WARN:  unable to load from data file, it probably does not exists.");
        if (fs::exists(status)) {
            logMessage("ERROR: " + path_ + " exists but cannot be opened (no permission?)");
            noteDamage("it could not be opened");
        }
        return false;
    }
    const std::string content = readWholeStream(in);
    if (in.bad()) {
        logMessage("ERROR: " + path_ + " could not be read");
        noteDamage("it could not be read");
        return false;
    }
    if (content.empty()) logMessage("WARN: " + path_ + " is empty");
    logMessage("data file found: " + path_);
    return loadText(content);
}

bool BaseDataFile::loadText(std::string_view content) {
    if (isUtf16Text(content)) {
        logMessage("ERROR: data file '" + path_ +
                   "' is saved as UTF-16 (\"Unicode\"), which cannot be read; save it again as "
                   "UTF-8");
        noteDamage("it is saved as UTF-16");
        return false;
    }
    int lines = 0;
    bool corrupt = false;
    std::string line;
    forEachTextLine(content, [&](std::string_view text) {
        line.assign(text);
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
        noteDamage("line " + std::to_string(lines) + " is corrupt");
        corruptLine_ = lines;
        return false;
    }
    // Every load says so: the line is made in one text.
    std::string loaded;
    loaded.reserve(path_.size() + 48);
    loaded.append("data file '").append(path_).append("' loaded, lines red: ");
    appendDecimal(loaded, lines);
    logMessage(loaded);
    return true;
}

void BaseDataFile::report(const std::string& message) const {
    if (!failing_) logMessage(message);
}

bool BaseDataFile::keepDamagedFile() {
    if (damage_.empty()) return true;
    std::error_code error;
    if (!fs::exists(fs::symlink_status(path_, error))) {
        damage_.clear();  // gone meanwhile: nothing left to keep
        return true;
    }
    // A free name beside it; a few tries bound what a file that keeps breaking can leave behind.
    constexpr int kMaxKept = 20;
    std::string kept;
    for (int n = 1; n <= kMaxKept && kept.empty(); ++n) {
        std::string name = path_ + ".bad" + (n == 1 ? std::string() : "." + std::to_string(n));
        if (!fs::exists(fs::symlink_status(name, error))) kept = std::move(name);
    }
    if (kept.empty()) {
        report("ERROR: " + path_ + " was not read in full (" + damage_ + ") and there is no room " +
               "to keep it (" + std::to_string(kMaxKept) + " .bad copies); it is not overwritten");
        return false;
    }
    // A copy leaves the damaged file in place until the new one replaces it in one step; what
    // cannot be copied (a folder, a file that cannot be read) is moved aside instead.
    error.clear();
    if (!fs::is_regular_file(path_, error) ||
        !fs::copy_file(path_, kept, fs::copy_options::none, error)) {
        fs::remove(kept, error);
        error.clear();
        fs::rename(path_, kept, error);
        if (error) {
            report("ERROR: " + path_ + " was not read in full (" + damage_ +
                   ") and cannot be kept aside (" + error.message() + "); it is not overwritten");
            return false;
        }
    }
    logMessage("WARN: " + path_ + " was not read in full (" + damage_ + "); kept as " + kept +
               " and written anew");
    damage_.clear();
    return true;
}

bool BaseDataFile::save(bool force) {
    if (!dirty_ && !force) return true;
    report("saving " + path_);
    if (!keepDamagedFile() || !write()) {
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
