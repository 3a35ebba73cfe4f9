// A data file of named values, one "key=value" per line; every data file of the plug-in has this
// form. Keys and values are taken exactly as written (blanks included, case-sensitive); empty
// lines are ignored; any other line must hold exactly one "=" (or end in "==", which gives an empty
// value). Trailing carriage returns of a value are dropped, so that what is written reads back the
// same. Writing puts the entries back in ascending key order: comments, empty lines, entries
// with empty values (which read as absent) and the original order are not kept.
//
// Lookups never add an entry. Absent or empty values give the caller's default; malformed
// numbers throw (see core/text.h) and reach the caller, except in the files the plug-in writes
// itself (readBadValuesAsAbsent): there a value that does not read is logged once with the file,
// the key and the value and reads as absent, and the file counts as not read in full, so that
// its next save keeps it as "<file>.bad" (see base_data_file.h).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"
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
    // Why a list item cannot be used (a text with static lifetime), or null when it can.
    using ItemCheck = const char* (*)(Vector3 item);
    // The positions key.0 .. key.(count-1), count from key.count. Read once per key: later calls
    // return the same list whatever the entries say by then. Items that are absent or all zeros
    // are skipped with a log line; items with a coordinate that is not finite, too large to read
    // or refused by `check` are skipped with a WARN naming the file, the key and the value. A
    // count too large to read counts as absent, with a WARN.
    const std::vector<Vector3>& getVector3List(std::string_view key, ItemCheck check = nullptr);

    // A number its user can take only from minimum to maximum: nothing when absent or empty, and
    // nothing, with one WARN naming the file, the key and the value and ending in `instead` (what
    // the caller does then), when it lies outside, is not finite or is too large to read. A text
    // that does not begin with a number still throws as getFloat does.
    std::optional<float> getFloatWithin(std::string_view key, float minimum, float maximum,
                                        std::string_view instead) const;
    std::optional<int> getIntWithin(std::string_view key, int minimum, int maximum,
                                    std::string_view instead) const;

    // A number that does not read, is out of range or is not finite (inf, nan) then reads as
    // absent instead of throwing.
    void readBadValuesAsAbsent() { badValuesAsAbsent_ = true; }

    // True the first time a fault of this key's value is to be told, and again once the value
    // has changed (a reload), so that a fault read every frame is logged once.
    bool firstReport(std::string_view key, std::string_view value) const;

    // What write() puts into the file; loadText() of it gives the same values for every key.
    std::string text() const;

    // How many entries the file holds.
    size_t entryCount() const { return entries_.size(); }
    const std::map<std::string, std::string, std::less<>>& entries() const { return entries_; }
    // A reload: takes the entries `fresh` read (and forgets the position lists read so far). The
    // old entries are kept aside, unchanged, for the file's life: the game may still hold the
    // characters of a text handed to it (a prompt's), so they must stay where they are.
    void replaceEntries(DictDataFile& fresh);
    // Puts every entry of `over` with a value over this file's (a translation over the English
    // texts).
    void overlay(const DictDataFile& over);

    void setValue(std::string_view key, std::string_view value);
    void setInt(std::string_view key, int value);
    // Stored with six digits after the point ("0.750000") when that reads back as the same
    // float, else with nine significant digits ("1.23456791e-07"), so that a value always reads
    // back exactly.
    void setFloat(std::string_view key, float value);

  protected:
    // Puts every entry into the stream; false stops the write and keeps the old file.
    virtual bool writeEntries(std::ostream& out) const;

  private:
    // Sets the entry's value, adding the entry when it is absent.
    void putEntry(std::string_view key, std::string_view value);
    // One WARN per key for a number its user cannot take.
    void warnUnusable(std::string_view key, const std::string& value, std::string_view why,
                      std::string_view instead) const;
    template <class T>
    std::optional<T> readWithin(std::string_view key, T minimum, T maximum,
                                std::string_view instead,
                                NumberFault (*read)(const char*, T&)) const;
    // The caller's default after logging a value that does not read (lenient files only).
    template <class T>
    T badValue(std::string_view key, const std::string& value, const char* error,
               T defaultValue) const;

    std::map<std::string, std::string, std::less<>> entries_;
    bool badValuesAsAbsent_ = false;
    // Key -> the value whose fault was told last.
    mutable std::map<std::string, std::string, std::less<>> reported_;
    // The last "does not read" line told.
    mutable std::string faultLine_;
    std::map<std::string, std::vector<Vector3>, std::less<>> vectorLists_;
    std::vector<std::map<std::string, std::string, std::less<>>> retired_;
};

}  // namespace bf
