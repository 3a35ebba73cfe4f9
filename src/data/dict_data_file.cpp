#include "data/dict_data_file.h"

#include <cstdio>
#include <stdexcept>

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
    auto pieces = splitString(line, '=');
    if (pieces.size() != 2) {
        logMessage("cannot parse line: " + line +
                   ", please make sure it is assembled of the correct format "
                   "(<setting_name>=<settings_value>).");
        return false;
    }
    entries_[std::move(pieces[0])] = std::move(pieces[1]);
    return true;
}

bool DictDataFile::write() {
    return replaceFile([this](std::ostream& out) { return writeEntries(out); });
}

bool DictDataFile::writeEntries(std::ostream& out) const {
    for (const auto& [key, value] : entries_)
        out << key << '=' << value << '\n';
    return out.good();
}

const std::string& DictDataFile::getString(std::string_view key) const {
    const auto it = entries_.find(key);
    return it == entries_.end() ? kEmpty : it->second;
}

int DictDataFile::getInt(std::string_view key, int defaultValue) const {
    const std::string& value = getString(key);
    return value.empty() ? defaultValue : convertNamed(fileName(path()), key, value, toInt);
}

float DictDataFile::getFloat(std::string_view key, float defaultValue) const {
    const std::string& value = getString(key);
    return value.empty() ? defaultValue : convertNamed(fileName(path()), key, value, toFloat);
}

bool DictDataFile::getBool(std::string_view key) const {
    const int value = getInt(key, -999);
    return value != -999 && value != 0;
}

Vector3 DictDataFile::getVector3(std::string_view key) const {
    const std::string& value = getString(key);
    if (value.empty()) return {};
    const auto pieces = splitString(value, ',');
    const auto file = fileName(path());
    if (pieces.size() < 3) {
        throw std::out_of_range(describeBadValue(file, key, value, "invalid vector subscript"));
    }
    return {convertNamed(file, key, value, [&](const std::string&) { return toFloat(pieces[0]); }),
            convertNamed(file, key, value, [&](const std::string&) { return toFloat(pieces[1]); }),
            convertNamed(file, key, value, [&](const std::string&) { return toFloat(pieces[2]); })};
}

const std::vector<Vector3>& DictDataFile::getVector3List(const std::string& key) {
    if (const auto it = vectorLists_.find(key); it != vectorLists_.end()) return it->second;
    std::vector<Vector3> list;
    const int count = getInt(key + ".count", -999);
    if (count > 0) {
        for (int i = 0; i < count; ++i) {
            const Vector3 item = getVector3(key + "." + std::to_string(i));
            if (item.x == 0.0f && item.y == 0.0f && item.z == 0.0f) {
                logMessage("DictDataFile: " + path() + ": cannot read Vector3 item of list '" +
                           key + "' at index: " + std::to_string(i));
                continue;
            }
            list.push_back(item);
        }
    } else {
        logMessage("DictDataFile: " + path() + ": Vector3 list is empty: '" + key);
    }
    return vectorLists_.emplace(key, std::move(list)).first->second;
}

void DictDataFile::setValue(const std::string& key, const std::string& value) {
    entries_[key] = value;
    markDirty();
}

void DictDataFile::setInt(const std::string& key, int value) {
    setValue(key, std::to_string(value));
}

void DictDataFile::setFloat(const std::string& key, float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(value));
    setValue(key, buffer);
}

}  // namespace bf
