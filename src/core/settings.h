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

// The ranges the competition's settings are clamped to where they are read.
inline constexpr int kTimeCapMinutesMin = 5;
inline constexpr int kTimeCapMinutesMax = 30;
inline constexpr int kStakeMultiplierMin = 0;
inline constexpr int kStakeMultiplierMax = 100;

enum class SettingType { Bool, Int, Float, String };

// One key the plug-in reads: its reader, its built-in default (null for the two keys that have
// none and read as absent) and the range the plug-in keeps the value in (minimum > maximum when
// it keeps none). brackenfold-check holds players' files against this table.
struct SettingKey {
    const char* key;
    SettingType type;
    const char* defaultValue;
    float minimum = 1.0f;
    float maximum = 0.0f;
    bool ranged() const { return minimum <= maximum; }
};

// Every key any feature reads, the 20 with defaults first in the order start-up builds them.
const std::vector<SettingKey>& settingsKeys();

// The 20 built-in defaults, in the order start-up builds them.
SettingsDefaults defaultSettings();

void loadSettings(const std::string& path, const SettingsDefaults& defaults);
// The same over content held in memory (no file is opened, nothing logged but its lines' faults).
// A file saved as UTF-16 is refused by name and leaves every default in place.
void loadSettingsText(std::string_view text, const SettingsDefaults& defaults);
void parseSettingsLine(const std::string& line);

// A reading of the file for a reload in the game, strict where start-up is lenient, and without
// touching the settings table: `table` gets the defaults with the file's lines over them. False
// when the file cannot be opened, a line (not a comment) is not exactly KEY=VALUE, or the value of
// a key of settingsKeys() does not read as its type; `error` then says where ("Settings.ini line
// 12: ...", lines counted from 1 as an editor shows them).
bool readSettingsStrictly(const std::string& path, const SettingsDefaults& defaults,
                          SettingsTable& table, std::string& error);
// Makes `table` the settings table (a reload that read the file in full).
void replaceSettings(SettingsTable table);

std::string getSettingString(std::string_view key);
int getSettingInt(std::string_view key);
bool getSettingBool(std::string_view key);
float getSettingFloat(std::string_view key);

}  // namespace bf
