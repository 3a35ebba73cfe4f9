#include "core/text.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <stdexcept>

namespace bf {

std::vector<std::string> splitString(const std::string& text, char delimiter) {
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const auto end = text.find(delimiter, start);
        if (end == std::string::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

namespace {

std::string printed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

std::string formatFixed(float value) {
    return printed("%f", static_cast<double>(value));
}

std::string formatDecimals(float value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f",
                  decimals < 0   ? 0
                  : decimals > 9 ? 9
                                 : decimals,
                  static_cast<double>(value));
    return buffer;
}

std::string formatGeneral(double value) {
    return printed("%g", value);
}

std::string formatFactor(float value) {
    const double wide = static_cast<double>(value);
    const bool plain = wide == 0.0 || (std::fabs(wide) >= 1e-3 && std::fabs(wide) < 1e9);
    return printed(plain ? "%f" : "%.6g", wide);
}

std::string formatFloatExactly(float value) {
    const double wide = static_cast<double>(value);
    if (std::isfinite(wide) && std::fabs(wide) < 1e9) {
        std::string text = printed("%f", wide);
        if (std::strtof(text.c_str(), nullptr) == value) return text;
    }
    return printed("%.9g", wide);
}

size_t utf8PrefixLength(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text.size();
    // Step back over continuation bytes (10xxxxxx) to the start of the character that does not
    // fit; a UTF-8 character has at most three of them, so malformed text is cut where it is.
    for (size_t back = 0; back <= 3 && back <= maxBytes; ++back) {
        if ((static_cast<unsigned char>(text[maxBytes - back]) & 0xC0) != 0x80) {
            return maxBytes - back;
        }
    }
    return maxBytes;
}

int toInt(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (end == begin) throw std::invalid_argument("invalid stoi argument");
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        throw std::out_of_range("stoi argument out of range");
    }
    return static_cast<int>(value);
}

float toFloat(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const float value = std::strtof(begin, &end);
    if (end == begin) throw std::invalid_argument("invalid stof argument");
    if (errno == ERANGE) throw std::out_of_range("stof argument out of range");
    return value;
}

std::string readWholeStream(std::istream& in) {
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string describeBadValue(std::string_view file, std::string_view key, std::string_view value,
                             std::string_view error) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(file.size() + key.size() + value.size() + error.size() + 24);
    text.append(file).append(": key ").append(key).append(", value \"");
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            text.append("\\x").push_back(kHex[byte >> 4]);
            text.push_back(kHex[byte & 0xF]);
        } else {
            text.push_back(c);
        }
    }
    text.append("\": ").append(error);
    return text;
}

}  // namespace bf
