// What every fuzz target shares: the input as text, the keys a key=value text names, a log that
// goes nowhere (the readers log a great deal, and a file per entry would cost more than the
// parse), and the documented conversion errors tolerated.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/log.h"

namespace fuzz {

inline void discard(const std::string&) {}

// The input as text; the log is switched off on the first call.
inline std::string_view input(const uint8_t* data, size_t size) {
    static const bool silenced = (bf::setLogSink(discard), true);
    static_cast<void>(silenced);
    return {reinterpret_cast<const char*>(data), size};
}

// The distinct parts before the first "=" of the lines that have one (pointing into the
// content), sorted. A key written on many lines is one entry of the file: reading it once more
// for each of them would only repeat a lookup.
inline std::vector<std::string_view> keysOf(std::string_view content) {
    std::vector<std::string_view> keys;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string_view::npos) end = content.size();
        const std::string_view line = content.substr(start, end - start);
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos) keys.push_back(line.substr(0, eq));
        start = end + 1;
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

// Runs a read that may meet a malformed number: the two documented errors are what the frame
// guard stops the script with; anything else escapes and is a finding.
template <class Read>
void tolerate(Read read) {
    try {
        read();
    } catch (const std::invalid_argument&) {
    } catch (const std::out_of_range&) {
    }
}

}  // namespace fuzz
