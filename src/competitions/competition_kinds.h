// CompetitionKinds: every kind of hunting competition, one row each. The manager makes a kind's
// processor through its row; the offer panel, the status widget and the hunt instruction read
// their texts from it. A new kind is its processor's file and one row in competition_kinds.cpp.
//
// What a row says:
//   kind                  the record's kind value (competition_info.h)
//   name                  for the log
//   make                  builds the kind's processor on the record
//   showsScores           the status widget shows the player's and the rival's scores (otherwise
//                         it names what is hunted under the clock)
//   instructionKey        Lang format of the hunt's instruction; its one %s is what is hunted
//   panelInstructionKey   Lang format of the offer panel's task line (one %s, what is hunted), or
//                         null for none
//   quarryKey             the Lang key that names what is hunted: the offer panel's title line,
//                         the instruction's argument, the widget's line
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace bf {

class BaitPlaces;
class DataCatalogue;
class HuntingCompetitionProcessor;
class Tutorials;
struct CompetitionInfo;

// What a processor is made with.
struct ProcessorParts {
    CompetitionInfo& info;
    DataCatalogue& data;
    Tutorials& tutorials;
    const BaitPlaces& bait;
};

struct CompetitionKindRow {
    int32_t kind;
    const char* name;
    std::unique_ptr<HuntingCompetitionProcessor> (*make)(const ProcessorParts& parts);
    bool showsScores;
    const char* instructionKey;
    const char* panelInstructionKey;
    std::string (*quarryKey)(const CompetitionInfo& info);
};

// The row of `kind`; null for a value no kind has.
const CompetitionKindRow* findCompetitionKind(int32_t kind);

// The Lang text naming what the competition of `info` hunts ("Bucks", "the Legendary Buck");
// empty when its kind is unknown.
std::string quarryName(const CompetitionInfo& info, const DataCatalogue& data);

}  // namespace bf
