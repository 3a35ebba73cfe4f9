#include "check/folder_reader.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "core/text.h"

namespace bfcheck {

namespace fs = std::filesystem;

namespace {

bool isComment(const std::string& line) {
    const char first = line.front();
    return first == '/' || first == ';' || first == '[' || first == '\\';
}

std::string countText(size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

NumberReading readNumber(const std::string& text, bool isFloat) {
    NumberReading reading;
    try {
        reading.value = isFloat ? static_cast<double>(bf::toFloat(text)) : bf::toInt(text);
        reading.isNumber = true;
    } catch (const std::invalid_argument&) {
        return reading;
    } catch (const std::out_of_range&) {
        reading.isNumber = true;
        reading.outOfRange = true;
        return reading;
    }
    char* end = nullptr;
    if (isFloat) {
        (void)std::strtof(text.c_str(), &end);
    } else {
        (void)std::strtoll(text.c_str(), &end, 10);
    }
    reading.rest = end ? std::string(end) : std::string();
    return reading;
}

std::string printable(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        if (out.size() >= 60) {
            out += "...";
            break;
        }
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void FolderReader::rejectLine(const std::string& name, int line, const std::string& text,
                              FileKind kind, bool required, bool first) {
    const size_t equals = std::count(text.begin(), text.end(), '=');
    const std::string quoted = "\"" + printable(text) + "\"";
    Problem p{name, line, "", ""};
    if (equals == 0 && kind == FileKind::Settings && text.front() == '#') {
        p.what = quoted + " is not a comment here: comments begin with \";\"";
        p.fix = "begin the line with \";\" instead of \"#\"";
    } else if (equals == 0) {
        p.what = quoted + " has no \"=\"";
        p.fix = "write it as key=value, or delete the line";
    } else if (bf::splitString(text, '=').size() == 1) {
        p.what = quoted + " has no value after the \"=\"";
        p.fix = kind == FileKind::Settings ? "write a value after the \"=\", or delete the line "
                                             "to use the default"
                                           : "write a value after the \"=\", or delete the line";
    } else {
        p.what = quoted + " holds " + countText(equals, "\"=\"", "\"=\" signs") +
                 ": a value may not contain \"=\"";
        p.fix = "keep exactly one \"=\" between the key and the value";
    }
    if (kind == FileKind::Settings) {
        p.what += "; the plug-in skips the line";
    } else if (!first) {
        p.what += "; the plug-in rejects it too";
    } else if (required) {
        p.what += "; the plug-in stops reading " + name +
                  " here (the log says \"is corruped at "
                  "line: " +
                  std::to_string(line - 1) + "\") and Brackenfold does not start";
    } else {
        p.what += "; the plug-in stops reading " + name + " here and goes on without the rest";
    }
    problems_.push_back(std::move(p));
}

ReadFile FolderReader::read(const std::string& name, FileKind kind, bool required) {
    ReadFile file;
    const fs::path path = dataFolder_ / name;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    const std::string stops = required ? ": Brackenfold does not start without it" : "";
    if (!fs::exists(status)) {
        if (required) {
            problems_.push_back({name, 0, "is missing" + stops,
                                 "copy " + name + " from the release zip's Brackenfold/ folder"});
        }
        return file;
    }
    if (fs::is_directory(status)) {
        problems_.push_back({name, 0, "is a folder, not a file" + stops,
                             "delete the folder and copy " + name + " from the release zip"});
        return file;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problems_.push_back({name, 0, "cannot be opened (no permission?)" + stops,
                             "give your user the right to read it (Properties, Security), or "
                             "copy it again from the release zip"});
        return file;
    }
    char head[2] = {0, 0};
    in.read(head, 2);
    const auto got = in.gcount();
    if (got == 0) {
        if (required) {
            problems_.push_back({name, 0, "is empty",
                                 "copy " + name + " from the release zip's Brackenfold/ folder"});
        }
        file.present = true;
        return file;
    }
    if (got == 2 &&
        ((head[0] == '\xFF' && head[1] == '\xFE') || (head[0] == '\xFE' && head[1] == '\xFF'))) {
        problems_.push_back({name, 0,
                             "is saved as UTF-16 (\"Unicode\") text, which the plug-in cannot "
                             "read" +
                                 stops,
                             "open it in a text editor and save it again as UTF-8"});
        return file;
    }
    in.close();
    // As the plug-in reads: the whole file in binary, its line reader taking one CR off each line
    // and a leading UTF-8 mark off the file.
    std::ifstream binary(path, std::ios::binary);
    const std::string content = bf::readWholeStream(binary);
    file.present = true;
    int line = 0;
    bool rejected = false;
    bf::forEachTextLine(content, [&](std::string_view text) {
        ++line;
        const std::string current(text);
        if (current.empty()) return true;
        if (kind == FileKind::Settings && isComment(current)) return true;
        auto pieces = bf::splitString(current, '=');
        if (pieces.size() != 2) {
            rejectLine(name, line, current, kind, required, !rejected);
            rejected = true;
            return true;
        }
        // The data files drop a value's trailing carriage returns.
        while (kind == FileKind::Data && !pieces[1].empty() && pieces[1].back() == '\r')
            pieces[1].pop_back();
        file.entries[pieces[0]] = {std::move(pieces[1]), line};
        return true;
    });
    return file;
}

}  // namespace bfcheck
