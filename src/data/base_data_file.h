// A line-oriented data file in the data folder: reads itself line by line through its subclass
// and writes itself back, through its subclass, when something changed.
//
// Writing never truncates the file it replaces: the content goes to "<path>.tmp" beside it, which
// is then renamed over the old file in one step. Any failure leaves the old file as it was and the
// file dirty, so a later save tries again. Missing parent folders are created first.
#pragma once

#include <functional>
#include <ostream>
#include <string>

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
    // Writes the file when dirty or forced; false (and still dirty) when it could not be written.
    // A file that keeps failing is logged once, then again only after a save succeeded, so a
    // read-only folder cannot flood the log.
    virtual bool save(bool force);
    virtual bool isDirty() const { return dirty_; }
    // Takes one line; false means the line is corrupt.
    virtual bool parseLine(const std::string& line) = 0;
    // Writes the whole content to the path; false means the file was not written.
    virtual bool write() = 0;

    const std::string& path() const { return path_; }

  protected:
    void markDirty() { dirty_ = true; }
    // Replaces the file with what writeBody puts into the stream, or leaves it untouched and
    // returns false (writeBody returning false counts as a failure too).
    bool replaceFile(const std::function<bool(std::ostream&)>& writeBody);

  private:
    void report(const std::string& message) const;

    std::string path_;
    bool dirty_ = false;
    bool failing_ = false;
};

}  // namespace bf
