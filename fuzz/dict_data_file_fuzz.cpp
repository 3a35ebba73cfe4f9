// Fuzz target: a key=value data file as a player might leave it. Loading it, every lookup over
// every key it holds (strict and lenient), position lists with any count, and a save must never
// crash, hang or throw anything but the documented conversion errors; a file that loads reads
// back, once saved, as the same entries.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/dict_data_file.h"

namespace {

const std::string& folder() {
    static const std::string path = "dict-fuzz-" + std::to_string(::getpid());
    return path;
}

template <class Lookup>
void tolerate(Lookup lookup) {
    try {
        lookup();
    } catch (const std::invalid_argument&) {
    } catch (const std::out_of_range&) {
    }
}

std::vector<std::string> keysOf(const std::string& content) {
    std::vector<std::string> keys;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        const std::string line = content.substr(start, end - start);
        const size_t eq = line.find('=');
        if (eq != std::string::npos) keys.push_back(line.substr(0, eq));
        start = end + 1;
    }
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::string path = folder() + "/Input.dat";
    std::filesystem::create_directories(folder());
    std::filesystem::remove_all(path + ".bad");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << content;
    }
    const std::vector<std::string> keys = keysOf(content);

    bf::DictDataFile strict(path);
    const bool loaded = strict.load();
    for (const std::string& key : keys) {
        tolerate([&] { static_cast<void>(strict.getInt(key, -999)); });
        tolerate([&] { static_cast<void>(strict.getFloat(key, -999.0f)); });
        tolerate([&] { static_cast<void>(strict.getBool(key)); });
        tolerate([&] { static_cast<void>(strict.getVector3(key)); });
        const size_t dot = key.rfind(".count");
        if (dot != std::string::npos && dot + 6 == key.size()) {
            tolerate([&] { static_cast<void>(strict.getVector3List(key.substr(0, dot))); });
        }
    }

    // The files the plug-in writes: lookups never throw there.
    bf::DictDataFile lenient(path);
    lenient.readBadValuesAsAbsent();
    static_cast<void>(lenient.load());
    for (const std::string& key : keys) {
        static_cast<void>(lenient.getInt(key, -999));
        static_cast<void>(lenient.getFloat(key, -999.0f));
        static_cast<void>(lenient.getBool(key));
    }

    if (loaded) {
        // A file that loaded saves and reloads as the same entries.
        strict.setValue("zz_written_back", "1");
        if (!strict.save(false)) std::abort();
        bf::DictDataFile again(path);
        if (!again.load()) std::abort();
        for (const std::string& key : keys) {
            // What the format cannot hold is left out: a value's trailing carriage return (the
            // reader takes one off each line) and a byte-order mark that a key carries into the
            // first line.
            if (key.rfind("\xEF\xBB\xBF", 0) == 0) continue;
            const std::string& written = strict.getString(key);
            if (!written.empty() && written.back() == '\r') continue;
            if (again.getString(key) != written) std::abort();
        }
    } else if (!lenient.damage().empty()) {
        // One that did not is kept aside before anything replaces it.
        lenient.setValue("zz_written_back", "1");
        if (lenient.save(false) && !std::filesystem::exists(path + ".bad")) std::abort();
    }
    return 0;
}
