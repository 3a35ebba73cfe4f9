// Prompts: controls shown with a text that the player presses or holds.
//
// A prompt is on screen once registered and visible, and, when it belongs to a ped's prompt
// group, only while the player targets that ped; a disabled one shows but cannot be used. The
// player's input reaches every enabled prompt on screen with the pressed control:
//   standard mode - completed in the frame the control goes down;
//   hold mode     - completed once the control has been held for the mode's hold time (a hold
//                   time of 1 ms completes in the frame it goes down), and stays completed while
//                   it is still held; releasing it drops the completion;
//   mash mode     - completed in the frame the press count reaches the mode's count.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim/world/handles.h"

namespace sim {

enum class PromptMode { None, Standard, Hold, Mash };

struct Prompt {
    int32_t handle = 0;
    // Creation order (handles do not tell it).
    uint64_t made = 0;
    uint32_t control = 0;
    std::string text;
    int32_t group = 0;
    PromptMode mode = PromptMode::None;
    int32_t mashCount = 1;
    uint32_t holdTimeMs = 1;
    std::map<int32_t, bool> attributes;
    bool registered = false;
    // The game shows a new prompt enabled and visible until a script says otherwise.
    bool enabled = true;
    bool visible = true;

    uint32_t heldMs = 0;
    int32_t presses = 0;
    bool standardCompleted = false;
    bool holdCompleted = false;
    bool mashCompleted = false;
};

class Prompts {
  public:
    explicit Prompts(Random& random)
        : handles_(random, 0x101, 0x7FFFFFFF), groupHandles_(random, 0x101, 0x7FFFFFFF) {}

    int32_t begin();
    Prompt* find(int32_t handle);
    void remove(int32_t handle);
    const std::map<int32_t, Prompt>& all() const { return prompts_; }

    // Remembers the text of a registered prompt, for as long as the game runs.
    void noteText(const Prompt& prompt);
    // Whether a prompt whose text contains `part` was ever registered (deleted ones included).
    bool everRegistered(const std::string& part) const;

    // The prompt group of a ped (made on first use).
    int32_t groupFor(int32_t ped);
    bool onScreen(const Prompt& prompt, int32_t playerTarget) const;
    // On-screen prompts (enabled or not) in the order they were made.
    std::vector<const Prompt*> shown(int32_t playerTarget) const;

    // The player's input: the control going down this frame, or being held.
    void press(uint32_t control) { input_ = Input{control, true}; }
    void hold(uint32_t control) {
        if (!input_ || input_->control != control) input_ = Input{control, true};
    }
    void release() { input_.reset(); }
    // Applies this frame's input (frame start).
    void step(int32_t playerTarget, uint32_t frameMs);

  private:
    struct Input {
        uint32_t control = 0;
        bool justPressed = false;
    };

    std::map<int32_t, Prompt> prompts_;
    std::map<int32_t, int32_t> groups_;
    std::set<std::string> registeredTexts_;
    HandlePool handles_;
    HandlePool groupHandles_;
    uint64_t made_ = 0;
    std::optional<Input> input_;
};

}  // namespace sim
