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

// The same conversions without an exception, for readers that handle a bad number themselves
// (and so that reading many of them costs no unwinding): the number goes into `value` when the
// result is None. The text is read up to its first character that cannot continue the number,
// so a piece of a list ("1.5,2,3" from any piece's start) reads as that piece alone would.
enum class NumberFault { None, NotANumber, OutOfRange };
NumberFault readInt(const char* text, int& value);
NumberFault readFloat(const char* text, float& value);
// The error text toInt (isFloat false) or toFloat gives for a fault ("invalid stoi argument").
const char* numberFaultText(NumberFault fault, bool isFloat);
// Throws what toInt and toFloat throw for a fault (std::invalid_argument, std::out_of_range),
// with `what` as its text.
[[noreturn]] void throwNumberFault(NumberFault fault, const std::string& what);
// How many pieces splitString gives, without making them.
size_t pieceCount(std::string_view text, char delimiter);
// A "key=value" line as the settings and data files take it: true, with both parts, exactly
// when splitString(line, '=') gives two pieces ("a=b", "=b", "a==" with an empty value, "a=b="
// with the value b); the parts point into `line`.
bool splitKeyValue(std::string_view line, std::string_view& key, std::string_view& value);

// Numbers as the log and the files write them: the one place that decides their text. Each
// formats the value widened to double with the C library's printf ("." as the decimal point).

// "%f", six digits after the point ("0.500000", "1521.500000"): the log's plain numbers
// (scores, prices, distances).
std::string formatFixed(float value);
// "%.Nf" with N = decimals (0 to 9): a figure shown to a player ("0.42", "101.3").
std::string formatDecimals(float value, int decimals);
// "%g", six significant digits at the most, without trailing zeros ("0.85", "1e+30"): a value
// or a range as the warnings about data files and settings quote it.
std::string formatGeneral(double value);
// A population or development factor for the log: "%f", or six significant digits ("%.6g")
// where "%f" would show 0.000000 or a long row of digits (below 1e-3 or from 1e9 on, and inf
// and nan); 0 itself is "0.000000".
std::string formatFactor(float value);
// A float for a file that is read back: "%f" when that reads back (strtof) as the same float,
// else "%.9g", which always does for a finite float ("0.850000", "1.17549435e-38", "1e+30").
std::string formatFloatExactly(float value);
// Puts the decimal digits of `value` at the end of `text` (as std::to_string writes them), without
// a text of their own: for keys made in a loop ("deer.0", "deer.1", ...).
void appendDecimal(std::string& text, int value);

// The text of a conversion error that names its cause: "Settings.ini: key BaitPlips, value
// \"yes\": invalid stoi argument". Unprintable bytes of the value are written escaped.
std::string describeBadValue(std::string_view file, std::string_view key, std::string_view value,
                             std::string_view error);
// The same text put after `text` (a log line's start), without a text of its own.
void appendBadValue(std::string& text, std::string_view file, std::string_view key,
                    std::string_view value, std::string_view error);

// Reads `value` as an int or a float, or throws the conversion's error (as toInt and toFloat
// do, the same exception type) with a text naming the file and the key. `number` is where the
// number begins, `value` itself unless it is a piece of it.
int toIntNamed(std::string_view file, std::string_view key, const std::string& value);
float toFloatNamed(std::string_view file, std::string_view key, const std::string& value,
                   const char* number = nullptr);

// Reads every line of a text the way the settings and data files are read: a last line without a
// line feed is read too, the empty text after a final line feed counts as one more (empty) line,
// and an empty text yields one empty line. One trailing carriage return is removed from each line
// on every platform, and a UTF-8 byte-order mark at the start (as Notepad writes one) is skipped.
// The callback takes a std::string_view and returns false to stop early.
template <class LineCallback>
void forEachTextLine(std::string_view text, LineCallback&& onLine) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    size_t start = 0;
    while (true) {
        const size_t end = text.find('\n', start);
        std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!onLine(line) || end == std::string_view::npos) return;
        start = end + 1;
    }
}

// The whole content of a stream (opened in binary mode, so that every platform sees the same
// bytes and the line reader alone decides what a line end is).
std::string readWholeStream(std::istream& in);

// A text that begins with a UTF-16 byte-order mark (Notepad's "Unicode"): its lines are not
// key=value text the readers can take.
inline bool isUtf16Text(std::string_view text) {
    return text.size() >= 2 &&
           ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF'));
}

}  // namespace bf
