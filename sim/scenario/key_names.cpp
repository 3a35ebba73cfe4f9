#include "sim/scenario/key_names.h"

#include <cctype>
#include <cstdlib>
#include <utility>

namespace sim::scenario {

namespace {

constexpr uint32_t kShift = 0x10, kCtrl = 0x11, kAlt = 0x12, kF1 = 0x70;

std::string lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trim(const std::string& text) {
    size_t a = 0, b = text.size();
    while (a < b && std::isspace(static_cast<unsigned char>(text[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(text[b - 1])))
        --b;
    return text.substr(a, b - a);
}

// Windows virtual-key codes of the keys a player names.
std::optional<uint32_t> keyCode(const std::string& name) {
    static const std::pair<const char*, uint32_t> kNamed[] = {
        {"backspace", 0x08}, {"tab", 0x09},       {"enter", 0x0D}, {"pause", 0x13},
        {"capslock", 0x14},  {"escape", 0x1B},    {"space", 0x20}, {"pageup", 0x21},
        {"pagedown", 0x22},  {"end", 0x23},       {"home", 0x24},  {"left", 0x25},
        {"up", 0x26},        {"right", 0x27},     {"down", 0x28},  {"insert", 0x2D},
        {"delete", 0x2E},    {"scrolllock", 0x91}};
    const std::string n = lower(name);
    if (n.size() == 1 && std::isalnum(static_cast<unsigned char>(n[0])))
        return static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(n[0])));
    for (const auto& [named, code] : kNamed) {
        if (n == named) return code;
    }
    if (n.size() > 6 && n.compare(0, 6, "numpad") == 0 && n.size() == 7 &&
        std::isdigit(static_cast<unsigned char>(n[6])))
        return 0x60 + static_cast<uint32_t>(n[6] - '0');
    char* end = nullptr;
    if (n.size() >= 2 && n[0] == 'f' && std::isdigit(static_cast<unsigned char>(n[1]))) {
        const long f = std::strtol(n.c_str() + 1, &end, 10);
        if (*end == '\0' && f >= 1 && f <= 24) return kF1 + static_cast<uint32_t>(f - 1);
        return std::nullopt;
    }
    if (!n.empty() && std::isdigit(static_cast<unsigned char>(n[0]))) {
        const unsigned long code = std::strtoul(n.c_str(), &end, 0);
        if (*end == '\0' && code >= 1 && code <= 254) return static_cast<uint32_t>(code);
    }
    return std::nullopt;
}

}  // namespace

std::optional<KeyPress> parseKeyPress(const std::string& text) {
    KeyPress press;
    bool haveKey = false;
    size_t start = 0;
    for (;;) {
        const size_t plus = text.find('+', start);
        const std::string part =
            trim(text.substr(start, plus == std::string::npos ? std::string::npos : plus - start));
        const std::string n = lower(part);
        if (part.empty() || haveKey) return std::nullopt;
        if (n == "ctrl" || n == "control") {
            press.ctrl = true;
        } else if (n == "shift") {
            press.shift = true;
        } else if (n == "alt") {
            press.alt = true;
        } else if (const auto code = keyCode(part)) {
            press.key = *code;
            haveKey = true;
        } else {
            return std::nullopt;
        }
        if (plus == std::string::npos) break;
        start = plus + 1;
    }
    if (!haveKey) return std::nullopt;
    return press;
}

std::vector<KeyboardEvent> keyboardEventsOf(const KeyPress& press) {
    std::vector<uint32_t> modifiers;
    if (press.ctrl) modifiers.push_back(kCtrl);
    if (press.shift) modifiers.push_back(kShift);
    if (press.alt) modifiers.push_back(kAlt);
    const int alt = press.alt ? 1 : 0;
    std::vector<KeyboardEvent> events;
    for (uint32_t m : modifiers)
        events.push_back({m, alt, 0, 0});
    events.push_back({press.key, alt, 0, 0});
    events.push_back({press.key, alt, 1, 1});
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        events.push_back({*it, *it == kAlt ? 1 : alt, 1, 1});
    return events;
}

}  // namespace sim::scenario
