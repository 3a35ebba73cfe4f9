#include "sim/world/prompts.h"

#include <algorithm>

namespace sim {

int32_t Prompts::begin() {
    const int32_t handle = handles_.take();
    Prompt& p = prompts_[handle];
    p.handle = handle;
    p.made = ++made_;
    return handle;
}

void Prompts::remove(int32_t handle) {
    if (prompts_.erase(handle)) handles_.giveBack(handle);
}

Prompt* Prompts::find(int32_t handle) {
    auto it = prompts_.find(handle);
    return it == prompts_.end() ? nullptr : &it->second;
}

void Prompts::noteText(const Prompt& prompt) {
    if (prompt.registered && !prompt.text.empty()) registeredTexts_.insert(prompt.text);
}

bool Prompts::everRegistered(const std::string& part) const {
    for (const std::string& text : registeredTexts_) {
        if (text.find(part) != std::string::npos) return true;
    }
    return false;
}

int32_t Prompts::groupFor(int32_t ped) {
    auto it = groups_.find(ped);
    if (it != groups_.end()) return it->second;
    const int32_t group = groupHandles_.take();
    groups_[ped] = group;
    return group;
}

bool Prompts::onScreen(const Prompt& p, int32_t playerTarget) const {
    if (!p.registered || !p.visible) return false;
    if (p.group == 0) return true;
    auto it = groups_.find(playerTarget);
    return playerTarget != 0 && it != groups_.end() && it->second == p.group;
}

std::vector<const Prompt*> Prompts::shown(int32_t playerTarget) const {
    std::vector<const Prompt*> list;
    for (const auto& [handle, p] : prompts_) {
        if (onScreen(p, playerTarget)) list.push_back(&p);
    }
    std::sort(list.begin(), list.end(),
              [](const Prompt* a, const Prompt* b) { return a->made < b->made; });
    return list;
}

void Prompts::step(int32_t playerTarget, uint32_t frameMs) {
    for (auto& [handle, p] : prompts_) {
        p.standardCompleted = false;
        p.mashCompleted = false;
        const bool gets =
            input_ && input_->control == p.control && p.enabled && onScreen(p, playerTarget);
        if (!gets) {
            p.heldMs = 0;
            p.holdCompleted = false;
            continue;
        }
        switch (p.mode) {
            case PromptMode::Standard:
                p.standardCompleted = input_->justPressed;
                break;
            case PromptMode::Hold:
                p.heldMs += frameMs;
                p.holdCompleted = p.heldMs >= p.holdTimeMs;
                break;
            case PromptMode::Mash:
                if (input_->justPressed && ++p.presses >= p.mashCount) {
                    p.mashCompleted = true;
                    p.presses = 0;
                }
                break;
            case PromptMode::None:
                break;
        }
    }
    if (input_) input_->justPressed = false;
}

}  // namespace sim
