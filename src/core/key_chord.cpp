#include "core/key_chord.h"

#include <array>
#include <cctype>
#include <cstdlib>

#include "core/bfrec_format.h"

namespace bf {

namespace {

struct NamedKey {
    const char* name;
    uint32_t code;
};

// Windows virtual-key codes.
constexpr std::array<NamedKey, 28> kNamedKeys = {{
    {"Backspace", 0x08}, {"Tab", 0x09},     {"Enter", 0x0D},   {"Pause", 0x13},
    {"CapsLock", 0x14},  {"Escape", 0x1B},  {"Space", 0x20},   {"PageUp", 0x21},
    {"PageDown", 0x22},  {"End", 0x23},     {"Home", 0x24},    {"Left", 0x25},
    {"Up", 0x26},        {"Right", 0x27},   {"Down", 0x28},    {"Insert", 0x2D},
    {"Delete", 0x2E},    {"NumPad0", 0x60}, {"NumPad1", 0x61}, {"NumPad2", 0x62},
    {"NumPad3", 0x63},   {"NumPad4", 0x64}, {"NumPad5", 0x65}, {"NumPad6", 0x66},
    {"NumPad7", 0x67},   {"NumPad8", 0x68}, {"NumPad9", 0x69}, {"ScrollLock", 0x91},
}};
constexpr uint32_t kF1 = 0x70;
constexpr uint32_t kShift = 0x10, kCtrl = 0x11, kAlt = 0x12;
constexpr uint32_t kLeftShift = 0xA0, kRightShift = 0xA1, kLeftCtrl = 0xA2, kRightCtrl = 0xA3,
                   kLeftAlt = 0xA4, kRightAlt = 0xA5;

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::optional<uint32_t> keyCode(std::string_view name) {
    if (name.size() == 1) {
        const auto c =
            static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
        return std::nullopt;
    }
    for (const NamedKey& named : kNamedKeys) {
        if (sameName(name, named.name)) return named.code;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3 &&
        std::isdigit(static_cast<unsigned char>(name[1]))) {
        const std::string digits(name.substr(1));
        if (digits.size() == 2 && !std::isdigit(static_cast<unsigned char>(digits[1])))
            return std::nullopt;
        const int n = std::atoi(digits.c_str());
        if (n >= 1 && n <= 24) return kF1 + static_cast<uint32_t>(n - 1);
        return std::nullopt;
    }
    if (std::isdigit(static_cast<unsigned char>(name[0]))) {
        const std::string digits(name);
        char* end = nullptr;
        const unsigned long code = std::strtoul(digits.c_str(), &end, 0);
        if (*end == '\0' && code >= 1 && code <= 254) return static_cast<uint32_t>(code);
    }
    return std::nullopt;
}

bool isModifier(uint32_t key) {
    return key == kShift || key == kCtrl || key == kAlt || (key >= kLeftShift && key <= kRightAlt);
}

}  // namespace

std::optional<KeyChord> parseKeyChord(std::string_view text, std::string* why) {
    const auto fail = [&](std::string reason) -> std::optional<KeyChord> {
        if (why) *why = std::move(reason);
        return std::nullopt;
    };
    KeyChord chord;
    bool haveKey = false;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t plus = text.find('+', start);
        const std::string_view part =
            trimmed(text.substr(start, plus == std::string_view::npos ? text.npos : plus - start));
        if (part.empty()) return fail("an empty part in \"" + std::string(text) + "\"");
        if (haveKey)
            return fail("\"" + std::string(part) + "\" follows the key; modifiers come first");
        if (sameName(part, "Ctrl") || sameName(part, "Control")) {
            chord.ctrl = true;
        } else if (sameName(part, "Shift")) {
            chord.shift = true;
        } else if (sameName(part, "Alt")) {
            chord.alt = true;
        } else if (const auto code = keyCode(part); code && !isModifier(*code)) {
            chord.key = *code;
            haveKey = true;
        } else {
            return fail("\"" + std::string(part) + "\" is not a key name");
        }
        if (plus == std::string_view::npos) break;
        start = plus + 1;
    }
    if (!haveKey) return fail("no key after the modifiers");
    return chord;
}

std::string formatKeyChord(const KeyChord& chord) {
    std::string text;
    if (chord.ctrl) text += "Ctrl+";
    if (chord.shift) text += "Shift+";
    if (chord.alt) text += "Alt+";
    const uint32_t key = chord.key;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        text += static_cast<char>(key);
        return text;
    }
    if (key >= kF1 && key < kF1 + 24) return text + "F" + std::to_string(key - kF1 + 1);
    for (const NamedKey& named : kNamedKeys) {
        if (named.code == key) return text + named.name;
    }
    return text + std::to_string(key);
}

bool KeyChordWatcher::pressed(const KeyChord& chord, const KeyEvent* events, size_t count) {
    bool hit = false;
    for (size_t i = 0; i < count; ++i) {
        const KeyEvent& event = events[i];
        const bool up = (event.flags & bfrec::kKeyIsUpNow) != 0;
        const bool repeat = (event.flags & bfrec::kKeyWasDownBefore) != 0;
        switch (event.key) {
            case kCtrl:
            case kLeftCtrl:
            case kRightCtrl:
                ctrl_ = !up;
                continue;
            case kShift:
            case kLeftShift:
            case kRightShift:
                shift_ = !up;
                continue;
            case kAlt:
            case kLeftAlt:
            case kRightAlt:
                alt_ = !up;
                continue;
            default:
                break;
        }
        const bool alt = alt_ || (event.flags & bfrec::kKeyWithAlt) != 0;
        if (!up && !repeat && event.key == chord.key && ctrl_ == chord.ctrl &&
            shift_ == chord.shift && alt == chord.alt)
            hit = true;
    }
    return hit;
}

}  // namespace bf
