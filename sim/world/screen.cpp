#include "sim/world/screen.h"

#include <cstdio>

namespace sim {

namespace {
// Text handles are 64-bit words; the game's carry bits above the low 32.
constexpr uint64_t kTextHandleHigh = 0x1ull << 32;

// What the player reads: the drawn text without its <FONT ...> mark-up.
std::string withoutMarkup(const std::string& text) {
    std::string plain;
    bool inTag = false;
    for (char c : text) {
        if (c == '<') inTag = true;
        if (!inTag) plain += c;
        if (c == '>') inTag = false;
    }
    return plain;
}
// The face named by the first <FONT FACE='...'> tag; "" when there is none.
std::string fontFace(const std::string& text) {
    const std::string tag = "FACE='";
    const auto start = text.find(tag);
    if (start == std::string::npos) return {};
    const auto end = text.find('\'', start + tag.size());
    if (end == std::string::npos) return {};
    return text.substr(start + tag.size(), end - start - tag.size());
}
}  // namespace

void Screen::drawText(uint64_t handle, float x, float y) {
    present("text", handle);
    drawn_.push_back({handle, x, y, textStyle});
}

uint64_t Screen::add(Text text) {
    const uint64_t handle = kTextHandleHigh | static_cast<uint32_t>(textHandles_.take());
    texts_[handle] = std::move(text);
    return handle;
}

uint64_t Screen::makeLiteral(const char* characters) {
    return add({characters, 0, {}});
}

uint64_t Screen::makeColoured(uint64_t handle) {
    return add({nullptr, handle, {}});
}

uint64_t Screen::makeText(std::string text) {
    return add({nullptr, 0, std::move(text)});
}

std::string Screen::text(uint64_t handle) const {
    auto it = texts_.find(handle);
    if (it == texts_.end()) return {};
    const Text& t = it->second;
    if (t.literal) return t.literal;
    if (t.coloured) return text(t.coloured);
    return t.own;
}

void Screen::present(std::string kind, uint64_t handle) {
    presented_.emplace_back(std::move(kind), handle);
}

void Screen::show(std::string kind, std::string text) {
    if (!shownKeys_.insert(kind + '\n' + text).second) return;
    shown_.push_back({std::move(kind), std::move(text)});
}

std::string cashText(int64_t cents) {
    char buffer[32];
    const int64_t magnitude = cents < 0 ? -cents : cents;
    std::snprintf(buffer, sizeof buffer, "%s$%lld.%02lld", cents < 0 ? "-" : "",
                  static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
    return buffer;
}

const char* Screen::label(uint32_t hash) const {
    auto it = labels_.find(hash);
    return it == labels_.end() ? nullptr : it->second.c_str();
}

std::vector<ShownText> Screen::presentedSoFar() const {
    std::vector<ShownText> shown;
    for (const auto& [kind, handle] : presented_) {
        std::string plain = text(handle);
        if (kind == "text") plain = withoutMarkup(plain);
        shown.push_back({kind, std::move(plain)});
    }
    return shown;
}

std::vector<ShownText> Screen::endFrame() {
    std::vector<ShownText> shown;
    for (auto& [kind, handle] : presented_) {
        std::string plain = text(handle);
        if (kind == "text") plain = withoutMarkup(plain);
        show(kind, plain);
        shown.push_back({std::move(kind), std::move(plain)});
    }
    presented_.clear();
    lastFrameTexts.clear();
    for (const PlacedText& placed : drawn_) {
        const std::string marked = text(placed.handle);
        lastFrameTexts.push_back(
            {withoutMarkup(marked), fontFace(marked), placed.x, placed.y, placed.style});
    }
    drawn_.clear();
    for (const auto& [handle, text] : texts_)
        textHandles_.giveBack(static_cast<int32_t>(handle & 0xFFFFFFFFu));
    texts_.clear();
    lastFrameSprites.swap(sprites);
    sprites.clear();
    textStyle = {};
    return shown;
}

}  // namespace sim
