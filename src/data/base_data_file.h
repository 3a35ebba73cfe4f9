// A line-oriented data file in the data folder: reads itself line by line through its subclass
// and writes itself back, through its subclass, when something changed.
//
// Writing never truncates the file it replaces: the content goes to "<path>.tmp" beside it, which
// is then renamed over the old file in one step. Any failure leaves the old file as it was and the
// file dirty, so a later save tries again. Missing parent folders are created first.
//
// Reading: a "<path>.tmp" that an interrupted write left beside the file is removed first. A file
// saved as UTF-16 is refused by name (it counts as not read in full).
//
// A file that was there but could not be read in full (a folder in its place, no permission to
// read it, a corrupt line, a value its subclass could not read) is never overwritten in place:
// the first save keeps it beside the new one as "<path>.bad" (".bad.2", ".bad.3" ... when older
// ones are there) and logs that and why. A save that cannot keep it writes nothing.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace bf {

class BaseDataFile {
  public:
    explicit BaseDataFile(std::string path) : path_(std::move(path)) {}
    virtual ~BaseDataFile() = default;
    BaseDataFile(const BaseDataFile&) = delete;
    BaseDataFile& operator=(const BaseDataFile&) = delete;

    // Reads the whole file; false when it is missing or a line is corrupt (the lines taken before
    // a corrupt one stay applied).
    virtual bool load();
    // Reads content held in memory the way load() reads the file's (the line rules, UTF-16
    // refused, the same log lines from "corruped" on); for tests and fuzzing, no file is opened.
    bool loadText(std::string_view content);
    // Writes the file when dirty or forced; false (and still dirty) when it could not be written.
    // A file that keeps failing is logged once, then again only after a save succeeded, so a
    // read-only folder cannot flood the log.
    [[nodiscard]] virtual bool save(bool force);
    virtual bool isDirty() const { return dirty_; }
    // Takes one line; false means the line is corrupt.
    virtual bool parseLine(const std::string& line) = 0;
    // Writes the whole content to the path; false means the file was not written.
    virtual bool write() = 0;

    const std::string& path() const { return path_; }
    // Why the file on disk was not read in full; empty when it was (or when there was none).
    const std::string& damage() const { return damage_; }
    // The corrupt line that stopped the last load (the first line is line 0); -1 when none did.
    int corruptLine() const { return corruptLine_; }

  protected:
    void markDirty() { dirty_ = true; }
    // Records that the file on disk was not read in full (the first reason is kept).
    void noteDamage(const std::string& why) const {
        if (damage_.empty()) damage_ = why;
    }
    // Replaces the file with what writeBody puts into the stream, or leaves it untouched and
    // returns false (writeBody returning false counts as a failure too).
    bool replaceFile(const std::function<bool(std::ostream&)>& writeBody);

  private:
    void report(const std::string& message) const;
    // Moves or copies the damaged file out of the way; false when it is still in the way.
    bool keepDamagedFile();

    std::string path_;
    bool dirty_ = false;
    bool failing_ = false;
    mutable std::string damage_;
    int corruptLine_ = -1;
};

}  // namespace bf
