#include "ui/ui_prompt.h"

#include <utility>

#include "core/natives.h"
#include "ui/messages.h"

namespace bf {

namespace {
constexpr int32_t kPromptAttribute = 18;
}

UiPrompt::UiPrompt(const char* text, uint32_t control, PromptMode mode, int32_t holdTimeMs)
    : text_(text), control_(control), mode_(mode) {
    handle_ = natives::promptRegisterBegin();
    natives::promptSetControlAction(handle_, control_);
    natives::promptSetText(handle_, makeLiteralText(text_));
    group_ = 0;
    natives::promptSetGroup(handle_, 0, 0);
    switch (mode_) {
        case PromptMode::Press:
            natives::promptSetStandardMode(handle_, true);
            break;
        case PromptMode::Hold:
        case PromptMode::HoldOnce:
            natives::promptSetHoldMode(handle_, holdTimeMs);
            break;
        case PromptMode::Mash:
            natives::promptSetMashManualMode(handle_, 1, 0, 0, 0);
            break;
    }
    natives::promptSetAttribute(handle_, kPromptAttribute, true);
    natives::promptRegisterEnd(handle_);
    latch_ = false;
    enabled_ = true;
    visible_ = false;
}

void UiPrompt::applyFlags() {
    natives::promptSetEnabled(handle_, visible_ && enabled_);
    natives::promptSetVisible(handle_, visible_);
}

void UiPrompt::setEnabled(bool enabled) {
    enabled_ = enabled;
    applyFlags();
}

void UiPrompt::setVisible(bool visible) {
    visible_ = visible;
    applyFlags();
}

void UiPrompt::setGroup(int32_t ped) {
    group_ = ped;
    if (ped == 0) {
        natives::promptSetGroup(handle_, 0, 0);
        return;
    }
    const int32_t groupId = natives::promptGetGroupIdForTargetEntity(ped);
    if (groupId != 0) natives::promptSetGroup(handle_, groupId, 0);
}

bool UiPrompt::isCompleted() {
    if (!enabled_ || !visible_) return false;
    switch (mode_) {
        case PromptMode::Press:
            return natives::promptHasStandardModeCompleted(handle_);
        case PromptMode::Hold:
            return natives::promptHasHoldModeCompleted(handle_);
        case PromptMode::HoldOnce:
            if (natives::promptHasHoldModeCompleted(handle_)) {
                if (latch_) return false;
                latch_ = true;
                return true;
            }
            latch_ = false;
            return natives::promptHasMashModeCompleted(handle_);
        case PromptMode::Mash:
            return natives::promptHasMashModeCompleted(handle_);
    }
    return false;
}

UiPrompt::UiPrompt(UiPrompt&& other) noexcept
    : handle_(std::exchange(other.handle_, 0)),
      enabled_(other.enabled_),
      visible_(other.visible_),
      text_(other.text_),
      control_(other.control_),
      group_(other.group_),
      mode_(other.mode_),
      latch_(other.latch_) {}

UiPrompt& UiPrompt::operator=(UiPrompt&& other) noexcept {
    if (this != &other) {
        destroy();
        handle_ = std::exchange(other.handle_, 0);
        enabled_ = other.enabled_;
        visible_ = other.visible_;
        text_ = other.text_;
        control_ = other.control_;
        group_ = other.group_;
        mode_ = other.mode_;
        latch_ = other.latch_;
    }
    return *this;
}

UiPrompt::~UiPrompt() {
    destroy();
}

void UiPrompt::destroy() {
    if (handle_ != 0) natives::promptDelete(std::exchange(handle_, 0));
}

}  // namespace bf
