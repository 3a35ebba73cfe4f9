// The hunter's record at a glance: per character, the competitions offered, taken, won, lost,
// drawn and aborted, the money won and lost, and the heaviest animal taken of each type, as text
// or (the heaviest animals) as an SVG bar chart.
//
// Read with the plug-in's own reader (competitions/hunter_record.h), so a file the checker calls
// damaged is one the plug-in would keep as .bad and start afresh.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "competitions/hunter_record.h"

namespace bfcheck {

struct CharacterRecord {
    std::string character;  // "John", "Arthur"
    std::string file;       // relative to the data folder
    bool present = false;   // the file is there
    std::string damage;     // why it does not read in full; empty when it does
    bf::HunterTally tally;  // what it holds (nothing when damaged, as the plug-in would start)
};

std::vector<CharacterRecord> readRecords(const std::filesystem::path& dataFolder);
// True when a record file does not read in full.
bool anyDamaged(const std::vector<CharacterRecord>& records);

std::string recordText(const std::vector<CharacterRecord>& records);
// The heaviest animal of each type per character, as horizontal bars scaled to the heaviest.
std::string recordSvg(const std::vector<CharacterRecord>& records);

}  // namespace bfcheck
