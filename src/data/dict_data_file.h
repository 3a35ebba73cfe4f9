// A data file of named values, one "key=value" per line; every data file of the plug-in has this
// form. Keys and values are taken exactly as written (blanks included, case-sensitive); empty
// lines are ignored; any other line must hold exactly one "=". Writing puts the entries back in
// ascending key order: comments, empty lines and the original order are not kept.
//
// Lookups never add an entry. Absent or empty values give the caller's default; malformed
// numbers throw (see core/text.h) and reach the caller.
#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/vector3.h"
#include "data/base_data_file.h"

namespace bf {

class DictDataFile : public BaseDataFile {
  public:
    using BaseDataFile::BaseDataFile;

    bool parseLine(const std::string& line) override;
    bool write() override;

    // The value, or an empty text when the key is absent.
    const std::string& getString(std::string_view key) const;
    int getInt(std::string_view key, int defaultValue) const;
    float getFloat(std::string_view key, float defaultValue) const;
    // getInt with -999; true unless that gives -999 or 0.
    bool getBool(std::string_view key) const;
    // "x,y,z"; (0, 0, 0) when absent or empty; fewer than three pieces throw std::out_of_range.
    Vector3 getVector3(std::string_view key) const;
    // The positions key.0 .. key.(count-1), count from key.count. Read once per key: later calls
    // return the same list whatever the entries say by then. Items that are absent or all zeros
    // are skipped with a log line.
    const std::vector<Vector3>& getVector3List(const std::string& key);

    // How many entries the file holds.
    size_t entryCount() const { return entries_.size(); }

    void setValue(const std::string& key, const std::string& value);
    void setInt(const std::string& key, int value);
    // Stored with six digits after the point ("0.750000").
    void setFloat(const std::string& key, float value);

  protected:
    // Puts every entry into the stream; false stops the write and keeps the old file.
    virtual bool writeEntries(std::ostream& out) const;

  private:
    std::map<std::string, std::string, std::less<>> entries_;
    std::map<std::string, std::vector<Vector3>, std::less<>> vectorLists_;
};

}  // namespace bf
