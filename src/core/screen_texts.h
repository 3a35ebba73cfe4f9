// The texts and blocks the plug-in hands to the game that the game may read after the call that
// passed them: the pending help text and notification, the feed blocks, and the composed strings
// drawn this frame. They live in the running plug-in's ground (core/runtime.h), so they outlive
// every call that passes them.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

namespace bf {

struct ScreenTexts {
    static constexpr size_t kHelpTextBytes = 500;
    static constexpr size_t kNotificationBytes = 200;

    std::array<char, kHelpTextBytes> helpText{};
    int32_t helpDurationMs = 0;
    std::array<char, kNotificationBytes> notification{};
    int32_t notificationDurationMs = 0;

    std::array<uint64_t, 4> helpBlockA{};
    std::array<uint64_t, 4> helpBlockB{};
    std::array<uint64_t, 4> notificationBlockA{};
    std::array<uint64_t, 8> notificationBlockB{};
    std::array<uint64_t, 4> cashBlockA{};
    std::array<uint64_t, 10> cashBlockB{};

    // Composed drawText strings of the current frame, reused from frame to frame.
    std::deque<std::string> drawnTexts;
    size_t drawnTextsUsed = 0;
};

}  // namespace bf
