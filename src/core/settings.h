// Settings.ini: the user's tuning, one KEY=VALUE per line, read once at start-up over the
// built-in defaults and never written.
//
// Lines beginning with '/', ';', '[' or '\' are comments or section headers; nothing is trimmed,
// so "EnableTrading = 1" stores a key with a trailing blank that no reader asks for. A line that is
// not exactly one KEY=VALUE pair is logged and skipped; the later of two lines for a key wins.
//
// Readers look the key up on every call (no cache). Absent or empty values read as "", -1, false
// and 0.0; malformed numbers throw (see core/text.h), which inside a frame ends at the frame guard.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bf {

// Transparent comparison lets the per-frame gates look keys up without building a string.
using SettingsTable = std::map<std::string, std::string, std::less<>>;
using SettingsDefaults = std::vector<std::pair<std::string, std::string>>;

// The 20 built-in defaults, in the order start-up builds them.
SettingsDefaults defaultSettings();

void loadSettings(const std::string& path, const SettingsDefaults& defaults);
void parseSettingsLine(const std::string& line);

std::string getSettingString(std::string_view key);
int getSettingInt(std::string_view key);
bool getSettingBool(std::string_view key);
float getSettingFloat(std::string_view key);

}  // namespace bf
