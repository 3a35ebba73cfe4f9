#include "core/text.h"

#include <cerrno>
#include <charconv>
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

void appendDecimal(std::string& text, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
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
    // As "%f" and "%.9g" print the value, without the cost of printf (a data file stores every
    // value it is given this way); "inf" and "nan" as printf writes them.
    const double wide = static_cast<double>(value);
    if (!std::isfinite(wide)) return printed("%.9g", wide);
    char buffer[64];
    if (std::fabs(wide) < 1e9) {
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer - 1, wide, std::chars_format::fixed, 6)
                .ptr;
        *end = '\0';
        if (std::strtof(buffer, nullptr) == value) return {buffer, end};
    }
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, wide, std::chars_format::general, 9).ptr;
    return {buffer, end};
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

NumberFault readInt(const char* text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long long number = std::strtoll(text, &end, 10);
    if (end == text) return NumberFault::NotANumber;
    if (errno == ERANGE || number < INT_MIN || number > INT_MAX) return NumberFault::OutOfRange;
    value = static_cast<int>(number);
    return NumberFault::None;
}

NumberFault readFloat(const char* text, float& value) {
    char* end = nullptr;
    errno = 0;
    const float number = std::strtof(text, &end);
    if (end == text) return NumberFault::NotANumber;
    if (errno == ERANGE) return NumberFault::OutOfRange;
    value = number;
    return NumberFault::None;
}

const char* numberFaultText(NumberFault fault, bool isFloat) {
    if (fault == NumberFault::NotANumber)
        return isFloat ? "invalid stof argument" : "invalid stoi argument";
    return isFloat ? "stof argument out of range" : "stoi argument out of range";
}

void throwNumberFault(NumberFault fault, const std::string& what) {
    if (fault == NumberFault::OutOfRange) throw std::out_of_range(what);
    throw std::invalid_argument(what);
}

int toInt(const std::string& text) {
    int value = 0;
    const NumberFault fault = readInt(text.c_str(), value);
    if (fault != NumberFault::None) throwNumberFault(fault, numberFaultText(fault, false));
    return value;
}

float toFloat(const std::string& text) {
    float value = 0.0f;
    const NumberFault fault = readFloat(text.c_str(), value);
    if (fault != NumberFault::None) throwNumberFault(fault, numberFaultText(fault, true));
    return value;
}

int toIntNamed(std::string_view file, std::string_view key, const std::string& value) {
    int number = 0;
    const NumberFault fault = readInt(value.c_str(), number);
    if (fault != NumberFault::None)
        throwNumberFault(fault, describeBadValue(file, key, value, numberFaultText(fault, false)));
    return number;
}

float toFloatNamed(std::string_view file, std::string_view key, const std::string& value,
                   const char* number) {
    float result = 0.0f;
    const NumberFault fault = readFloat(number ? number : value.c_str(), result);
    if (fault != NumberFault::None)
        throwNumberFault(fault, describeBadValue(file, key, value, numberFaultText(fault, true)));
    return result;
}

size_t pieceCount(std::string_view text, char delimiter) {
    if (text.empty()) return 0;
    size_t count = 1;
    for (const char c : text)
        count += c == delimiter ? 1 : 0;
    // A delimiter at the very end gives no empty last piece.
    return text.back() == delimiter ? count - 1 : count;
}

bool splitKeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    // The empty piece a final "=" would give is not a piece.
    if (!line.empty() && line.back() == '=') line.remove_suffix(1);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || line.find('=', equals + 1) != std::string_view::npos)
        return false;
    key = line.substr(0, equals);
    value = line.substr(equals + 1);
    return true;
}

std::string readWholeStream(std::istream& in) {
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string describeBadValue(std::string_view file, std::string_view key, std::string_view value,
                             std::string_view error) {
    std::string text;
    appendBadValue(text, file, key, value, error);
    return text;
}

void appendBadValue(std::string& text, std::string_view file, std::string_view key,
                    std::string_view value, std::string_view error) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    text.reserve(text.size() + file.size() + key.size() + value.size() + error.size() + 24);
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
}

}  // namespace bf
