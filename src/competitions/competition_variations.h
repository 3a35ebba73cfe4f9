// The special animals of the specific-animal competition, read once at start-up from
// HuntingCompetitions.dat.
//
// The file holds `variations.count` and one row per variation, `variations.<n>` for n from 0 to
// count - 1; n is the variation's number, and its name is the Lang.dat text
// "hunting_competition.variations.<n>.name". A row is four values separated by commas, without
// blanks:
//
//   model,outfit,scale,health          e.g.  variations.0=a_c_buck_01,2,1.3,3
//
//   model   the animal's model: one of the fourteen competition animals (AnimalSpawns.dat)
//   outfit  the game's outfit preset of that model that gives it its special coat (0 or more)
//   scale   its body size, 0.5 to 2.0 (a normal animal is 0.7 to 1.3)
//   health  how many times a normal animal's health it has, 1 to 10: a tougher animal takes
//           more hits to bring down
//
// A row that is absent, has another number of values, a value that is not a number throughout,
// a value out of its range, or a model that is not a competition animal is skipped with a
// "WARN: CompetitionVariations: variations.<n> skipped: ..." line in the log; the other rows
// load. A count that is not a whole number loads none (with a warning); a count larger than the
// file's entries reads only as many rows as the file could hold.
//
// A competition about an animal of the chosen hunting ground's model may become a hunt for its
// special animal instead (the manager draws that, see hunting_competitions_manager.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bf {

class DictDataFile;

struct CompetitionVariation {
    int32_t number = 0;
    std::string model;
    int32_t outfit = 0;
    float scale = 1.0f;
    float health = 1.0f;
};

class CompetitionVariations {
  public:
    static constexpr float kMinScale = 0.5f;
    static constexpr float kMaxScale = 2.0f;
    static constexpr float kMinHealth = 1.0f;
    static constexpr float kMaxHealth = 10.0f;

    // Fills the table from HuntingCompetitions.dat; does nothing once it is filled.
    void load(const DictDataFile& file);
    // A reload of HuntingCompetitions.dat: forgets the table and fills it again. No competition
    // may point into it then.
    void reload(const DictDataFile& file) {
        variations_.clear();
        loaded_ = false;
        load(file);
    }

    const std::vector<CompetitionVariation>& all() const { return variations_; }
    // The variations of one model, in number order.
    std::vector<const CompetitionVariation*> forModel(const std::string& model) const;

  private:
    std::vector<CompetitionVariation> variations_;
    bool loaded_ = false;
};

}  // namespace bf
