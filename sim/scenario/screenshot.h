// Pictures of the screen: what the plug-in drew in the last finished frame, as an SVG picture of
// a 1920x1080 frame. Sprites are boxes in their tint, labelled with their dictionary and texture
// names; texts are drawn in their fonts' sizes, colours and positions. The picture is text with a
// fixed number format, so that a stored one can be compared byte for byte.
//
// Sizes: screen fractions times 1920 and 1080; a text of scale 1.0 is 60 px high (the game's
// line height at that scale, one eighteenth of the frame).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "sim/world/screen.h"

namespace sim::scenario {

inline constexpr int kScreenshotWidth = 1920;
inline constexpr int kScreenshotHeight = 1080;

std::string screenshotSvg(const Screen& screen);

// Where two pictures first differ: "line 12: expected <...> but the frame drew <...>", with a
// count of the differing lines; nothing when they are the same.
std::optional<std::string> compareScreenshots(const std::string& stored, const std::string& drawn);

}  // namespace sim::scenario
