// Text helpers shared by the settings file and the data files.
//
// toInt/toFloat convert the way the game's own runtime does: leading white space is skipped, an
// optional sign and the number are read, anything after the number is ignored ("1abc" is 1,
// " 2" is 2, "0.5x" is 0.5, "1,5" is 1). A text that does not begin with a number throws
// std::invalid_argument ("invalid stoi argument" / "invalid stof argument"); a number outside
// the 32-bit range throws std::out_of_range ("stoi argument out of range" / "stof argument out
// of range"). Callers inside a frame let these reach the frame guard.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bf {

// The pieces between delimiters: "a=b" -> {a, b}; "a=" -> {a}; "=b" -> {"", b}; "a==b" -> {a, "",
// b};
// "" -> {}. A delimiter at the very end gives no empty last piece.
std::vector<std::string> splitString(const std::string& text, char delimiter);

// The longest prefix of text of at most maxBytes bytes that does not end inside a UTF-8
// character, so that cutting a text to a fixed buffer never leaves half a character.
size_t utf8PrefixLength(std::string_view text, size_t maxBytes);

int toInt(const std::string& text);
float toFloat(const std::string& text);

// The text of a conversion error that names its cause: "Settings.ini: key BaitPlips, value
// \"yes\": invalid stoi argument". Unprintable bytes of the value are written escaped.
std::string describeBadValue(std::string_view file, std::string_view key, std::string_view value,
                             std::string_view error);

// Runs a conversion of `value`; its error, if any, is thrown on with a text naming the file and
// the key (same exception type, so callers see no other change).
template <class Convert>
auto convertNamed(std::string_view file, std::string_view key, const std::string& value,
                  Convert convert) {
    try {
        return convert(value);
    } catch (const std::invalid_argument& e) {
        throw std::invalid_argument(describeBadValue(file, key, value, e.what()));
    } catch (const std::out_of_range& e) {
        throw std::out_of_range(describeBadValue(file, key, value, e.what()));
    }
}

// Reads every line of a text file the way the settings and data files are read: a last line
// without a line feed is read too, the empty text after a final line feed counts as one more
// (empty) line, and an empty file yields one empty line. One trailing carriage return is removed
// from each line on every platform. The callback returns false to stop early.
template <class LineCallback>
void forEachFileLine(std::istream& in, LineCallback&& onLine) {
    std::string line;
    do {
        std::getline(in, line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!onLine(line)) return;
    } while (in.good());
}

}  // namespace bf
