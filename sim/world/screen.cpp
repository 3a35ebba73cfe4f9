#include "sim/world/screen.h"

namespace sim {

namespace {
const std::string kNoText;
}

uint64_t Screen::makeText(std::string text) {
    nextText_ += 0x40;
    texts_[nextText_] = std::move(text);
    return nextText_;
}

const std::string& Screen::text(uint64_t handle) const {
    auto it = texts_.find(handle);
    return it == texts_.end() ? kNoText : it->second;
}

const char* Screen::textPointer(uint64_t handle) const {
    auto it = texts_.find(handle);
    return it == texts_.end() ? nullptr : it->second.c_str();
}

void Screen::show(std::string kind, std::string text) {
    if (!shownKeys_.insert(kind + '\n' + text).second) return;
    shown_.push_back({std::move(kind), std::move(text)});
}

void Screen::endFrame() {
    texts_.clear();
}

}  // namespace sim
