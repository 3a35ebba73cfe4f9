// One game prompt: a control the player presses or holds, shown with a text. The object owns the
// game's prompt: it is move-only, and dropping it (or destroy()) deletes the prompt in the game.
#pragma once

#include <cstdint>

namespace bf {

enum class PromptMode : int32_t {
    Press = 0,
    Hold = 1,
    // A hold reported once: a completed hold counts again only after the game's completion drops.
    HoldOnce = 2,
    Mash = 3,
};

class UiPrompt {
  public:
    static constexpr int32_t kDefaultHoldMs = 1000;

    // Registers the prompt with the game; it starts enabled and hidden. `text` must outlive the
    // prompt's registration (texts come from Lang.dat, which lives as long as the plug-in). A
    // hold prompt completes once the control has been held for `holdTimeMs`.
    UiPrompt(const char* text, uint32_t control, PromptMode mode,
             int32_t holdTimeMs = kDefaultHoldMs);
    UiPrompt(const UiPrompt&) = delete;
    UiPrompt& operator=(const UiPrompt&) = delete;
    UiPrompt(UiPrompt&& other) noexcept;
    UiPrompt& operator=(UiPrompt&& other) noexcept;
    ~UiPrompt();

    void setEnabled(bool enabled);
    void setVisible(bool visible);
    // Puts the prompt into a ped's prompt group, or into none with 0.
    void setGroup(int32_t ped);
    // Never true for a hidden or disabled prompt.
    bool isCompleted();
    // Deletes the game's prompt now; later calls (and the destructor) do nothing.
    void destroy();

    int32_t handle() const { return handle_; }
    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    int32_t group() const { return group_; }
    PromptMode mode() const { return mode_; }

  private:
    void applyFlags();

    int32_t handle_ = 0;
    bool enabled_ = true;
    bool visible_ = false;
    const char* text_;
    uint32_t control_;
    int32_t group_ = 0;
    PromptMode mode_;
    bool latch_ = false;
};

}  // namespace bf
