#include "data/dict_data_file.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <type_traits>

#include "core/log.h"
#include "core/text.h"

namespace bf {

namespace {
const std::string kEmpty;

std::string_view fileName(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string_view(path)
                                      : std::string_view(path).substr(slash + 1);
}
}  // namespace

bool DictDataFile::parseLine(const std::string& line) {
    if (line.empty()) return true;
    std::string_view key, value;
    if (!splitKeyValue(line, key, value)) {
        logMessage("cannot parse line: " + line +
                   ", please make sure it is assembled of the correct format "
                   "(<setting_name>=<settings_value>).");
        return false;
    }
    // A value's trailing carriage returns are what is left of Windows line ends ("t=\r\r\n"): no
    // value needs them, and the writer could not write them back.
    while (!value.empty() && value.back() == '\r')
        value.remove_suffix(1);
    putEntry(key, value);
    return true;
}

void DictDataFile::putEntry(std::string_view key, std::string_view value) {
    // An entry that is there keeps its node and its key's text: only the value is replaced. A new
    // one goes where the search for it ended, without a second search.
    const auto it = entries_.lower_bound(key);
    if (it != entries_.end() && it->first == key) {
        it->second.assign(value);
    } else {
        entries_.emplace_hint(it, key, value);
    }
}

bool DictDataFile::write() {
    return replaceFile([this](std::ostream& out) { return writeEntries(out); });
}

bool DictDataFile::writeEntries(std::ostream& out) const {
    out << text();
    return out.good();
}

std::string DictDataFile::text() const {
    // Made in one text (a save, and a round trip in the tests), sized before it is filled.
    size_t size = 1;
    for (const auto& [key, value] : entries_)
        size += key.size() + value.size() + 2;
    std::string text;
    text.reserve(size);
    // The reader skips a byte-order mark at the start of the file: a first key that begins with
    // one goes on the second line, after an empty one.
    for (const auto& [key, value] : entries_) {
        if (value.empty()) continue;
        if (key.rfind("\xEF\xBB\xBF", 0) == 0) text.push_back('\n');
        break;
    }
    for (const auto& [key, value] : entries_) {
        // "key=" would not read back ("a==" reads as a with an empty value); an empty value reads
        // as absent, so leaving it out changes nothing.
        if (value.empty()) continue;
        text.append(key).append(1, '=').append(value).append(1, '\n');
    }
    return text;
}

const std::string& DictDataFile::getString(std::string_view key) const {
    const auto it = entries_.find(key);
    return it == entries_.end() ? kEmpty : it->second;
}

template <class T>
T DictDataFile::badValue(std::string_view key, const std::string& value, const char* error,
                         T defaultValue) const {
    // The text is made only when it is told or is the file's first damage, in the log line
    // itself, whose room is kept for the next one (a damaged file may hold nothing but values
    // that do not read).
    const bool tell = firstReport(key, value);
    const bool first = damage().empty();
    if (!tell && !first) return defaultValue;
    static constexpr std::string_view kPrefix = "ERROR: DictDataFile: ";
    static constexpr std::string_view kSuffix = "; read as absent";
    const std::string_view file = fileName(path());
    std::string& line = faultLine_;
    line.reserve(kPrefix.size() + file.size() + key.size() + value.size() +
                 std::char_traits<char>::length(error) + kSuffix.size() + 24);
    line.assign(kPrefix);
    appendBadValue(line, file, key, value, error);
    if (first) noteDamage(line.substr(kPrefix.size()));
    if (tell) logMessage(line.append(kSuffix));
    return defaultValue;
}

int DictDataFile::getInt(std::string_view key, int defaultValue) const {
    const std::string& value = getString(key);
    if (value.empty()) return defaultValue;
    if (!badValuesAsAbsent_) return toIntNamed(fileName(path()), key, value);
    int number = 0;
    const NumberFault fault = readInt(value.c_str(), number);
    if (fault != NumberFault::None)
        return badValue(key, value, numberFaultText(fault, false), defaultValue);
    return number;
}

float DictDataFile::getFloat(std::string_view key, float defaultValue) const {
    const std::string& value = getString(key);
    if (value.empty()) return defaultValue;
    if (!badValuesAsAbsent_) return toFloatNamed(fileName(path()), key, value);
    float number = 0.0f;
    const NumberFault fault = readFloat(value.c_str(), number);
    if (fault != NumberFault::None)
        return badValue(key, value, numberFaultText(fault, true), defaultValue);
    if (!std::isfinite(number)) return badValue(key, value, "not a finite number", defaultValue);
    return number;
}

bool DictDataFile::getBool(std::string_view key) const {
    const int value = getInt(key, -999);
    return value != -999 && value != 0;
}

Vector3 DictDataFile::getVector3(std::string_view key) const {
    const std::string& value = getString(key);
    if (value.empty()) return {};
    const auto file = fileName(path());
    if (pieceCount(value, ',') < 3) {
        throw std::out_of_range(describeBadValue(file, key, value, "invalid vector subscript"));
    }
    // Each coordinate read where its piece begins: the number stops at the next ",".
    const size_t second = value.find(',') + 1;
    const size_t third = value.find(',', second) + 1;
    const char* text = value.c_str();
    return {toFloatNamed(file, key, value, text), toFloatNamed(file, key, value, text + second),
            toFloatNamed(file, key, value, text + third)};
}

bool DictDataFile::firstReport(std::string_view key, std::string_view value) const {
    const auto it = reported_.find(key);
    if (it != reported_.end()) {
        if (it->second == value) return false;
        it->second = value;
        return true;
    }
    reported_.emplace(key, value);
    return true;
}

void DictDataFile::warnUnusable(std::string_view key, const std::string& value,
                                std::string_view why, std::string_view instead) const {
    if (!firstReport(key, value)) return;
    logMessage("WARN: " + describeBadValue(fileName(path()), key, value, why) + "; " +
               std::string(instead));
}

namespace {
std::string rangeText(double minimum, double maximum) {
    return "not from " + formatGeneral(minimum) + " to " + formatGeneral(maximum);
}
}  // namespace

template <class T>
std::optional<T> DictDataFile::readWithin(std::string_view key, T minimum, T maximum,
                                          std::string_view instead,
                                          NumberFault (*read)(const char*, T&)) const {
    const std::string& value = getString(key);
    if (value.empty()) return std::nullopt;
    T number{};
    const NumberFault fault = read(value.c_str(), number);
    if (fault == NumberFault::NotANumber) {
        const char* error = numberFaultText(fault, std::is_floating_point_v<T>);
        if (!badValuesAsAbsent_)
            throw std::invalid_argument(describeBadValue(fileName(path()), key, value, error));
        badValue(key, value, error, 0);
        return std::nullopt;
    }
    std::string why;
    if (fault == NumberFault::OutOfRange) {
        why = "too large to read";
    } else if (std::is_floating_point_v<T> && !std::isfinite(static_cast<double>(number))) {
        why = "not a finite number";
    } else if (!(number >= minimum && number <= maximum)) {
        why = rangeText(static_cast<double>(minimum), static_cast<double>(maximum));
    }
    if (why.empty()) return number;
    if (badValuesAsAbsent_) {
        badValue(key, value, why.c_str(), 0);
    } else {
        warnUnusable(key, value, why, instead);
    }
    return std::nullopt;
}

std::optional<float> DictDataFile::getFloatWithin(std::string_view key, float minimum,
                                                  float maximum, std::string_view instead) const {
    return readWithin<float>(key, minimum, maximum, instead, readFloat);
}

std::optional<int> DictDataFile::getIntWithin(std::string_view key, int minimum, int maximum,
                                              std::string_view instead) const {
    return readWithin<int>(key, minimum, maximum, instead, readInt);
}

const std::vector<Vector3>& DictDataFile::getVector3List(std::string_view key, ItemCheck check) {
    if (const auto it = vectorLists_.find(key); it != vectorLists_.end()) return it->second;
    std::vector<Vector3> list;
    // The item keys "<key>.count", "<key>.0", "<key>.1", ... are made in one text: a list is read
    // at start-up for every animal, most of them absent from the file.
    std::string itemKey;
    itemKey.reserve(key.size() + 12);
    itemKey.append(key).append(".count");
    const size_t stem = key.size() + 1;
    int count = getIntWithin(itemKey, INT_MIN, INT_MAX, "the list is read as empty").value_or(-999);
    // A count can claim no more items than the file has lines: a mistyped huge count is reported
    // once and read no further, instead of stalling start-up.
    if (count > 0 && static_cast<size_t>(count) > entries_.size()) {
        logMessage("WARN: DictDataFile: " + path() + ": list '" + std::string(key) + "' claims " +
                   std::to_string(count) + " items but the file holds " +
                   std::to_string(entries_.size()) + " entries; reading only those");
        count = static_cast<int>(entries_.size());
    }
    if (count > 0) {
        std::string absentLine;
        size_t absentStem = 0;
        for (int i = 0; i < count; ++i) {
            itemKey.resize(stem);
            appendDecimal(itemKey, i);
            Vector3 item;
            try {
                item = getVector3(itemKey);
            } catch (const std::out_of_range& e) {
                // Fewer than three pieces is a malformed item and stops the script; a number too
                // large to read is only unusable.
                if (pieceCount(getString(itemKey), ',') < 3) throw;
                warnUnusable(itemKey, getString(itemKey), "too large to read", "item skipped");
                continue;
            }
            if (item.x == 0.0f && item.y == 0.0f && item.z == 0.0f) {
                // A count above the items the file holds gives a line per missing index: the
                // line is made once, each index put after it.
                if (absentLine.empty()) {
                    absentLine.append("DictDataFile: ")
                        .append(path())
                        .append(": cannot read Vector3 item of list '")
                        .append(key)
                        .append("' at index: ");
                    absentStem = absentLine.size();
                }
                absentLine.resize(absentStem);
                appendDecimal(absentLine, i);
                logMessage(absentLine);
                continue;
            }
            const char* why =
                !std::isfinite(item.x) || !std::isfinite(item.y) || !std::isfinite(item.z)
                    ? "not a finite number"
                    : (check ? check(item) : nullptr);
            if (why) {
                warnUnusable(itemKey, getString(itemKey), why, "item skipped");
                continue;
            }
            list.push_back(item);
        }
    } else {
        std::string line = "DictDataFile: " + path() + ": Vector3 list is empty: '";
        logMessage(line.append(key));
    }
    return vectorLists_.emplace(key, std::move(list)).first->second;
}

void DictDataFile::setValue(std::string_view key, std::string_view value) {
    putEntry(key, value);
    markDirty();
}

void DictDataFile::setInt(std::string_view key, int value) {
    setValue(key, std::to_string(value));
}

void DictDataFile::setFloat(std::string_view key, float value) {
    setValue(key, formatFloatExactly(value));
}

void DictDataFile::replaceEntries(DictDataFile& fresh) {
    // Moving a map hands its nodes over: the texts keep their addresses.
    retired_.push_back(std::move(entries_));
    entries_ = std::move(fresh.entries_);
    fresh.entries_.clear();
    vectorLists_.clear();
    reported_.clear();
}

void DictDataFile::overlay(const DictDataFile& over) {
    // An empty value reads as absent: the text stays as it was.
    for (const auto& [key, value] : over.entries_) {
        if (!value.empty()) entries_[key] = value;
    }
}

}  // namespace bf
