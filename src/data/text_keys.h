// Every Lang.dat key the plug-in reads, in one list: the features read their texts through these
// names, and brackenfold-check holds a player's Lang.dat against the same list, so a text added
// here is one the checker asks for.
//
// Composed keys: "animal_types." + model for the fourteen competition animals, "tutorial." + hint
// id for the five hints and "hunting_competition.variations." + n + ".name" for the special
// animals 0 to kVariationCount - 1.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace bf {

// The fourteen animals of the hunting grounds: the models AnimalSpawns.dat lists places for, in
// the order they are read.
inline constexpr std::array<const char*, 14> kCompetitionAnimalModels = {
    "a_c_alligator_01",   "a_c_bear_01",      "a_c_buck_01",   "a_c_cougar_01",    "a_c_bull_01",
    "a_c_moose_01",       "a_c_panther_01",   "a_c_boar_01",   "a_c_coyote_01",    "a_c_duck_01",
    "a_c_goosecanada_01", "a_c_pronghorn_01", "a_c_rabbit_01", "a_c_bighornram_01"};

namespace text_keys {

inline constexpr const char* kBaitBlip = "blips.bait";
inline constexpr const char* kTradePrompt = "prompts.trade";
inline constexpr const char* kInfoModalTitle = "hunting_competition.info_modal.title";
inline constexpr const char* kInfoModalInstructionMass =
    "hunting_competition.info_modal.instruction.mass";
inline constexpr const char* kInfoModalTimeCap = "hunting_competition.info_modal.time_cap";
// Three "%s": the competitions won, lost and drawn, in that order.
inline constexpr const char* kInfoModalRecord = "hunting_competition.info_modal.record";
inline constexpr const char* kHuntMass = "hunting_competition.instructions.hunt_mass";
inline constexpr const char* kHuntSpecific = "hunting_competition.instructions.hunt_specific";
inline constexpr const char* kCompetitionPrompt = "prompts.hunting_competition";
inline constexpr const char* kCompetitionBlip = "blips.hunting_competition";
inline constexpr const char* kHunter = "hunter";
inline constexpr const char* kGetToArea = "hunting_competition.instructions.get_to_area";
inline constexpr const char* kLeavingAreaWarning =
    "hunting_competition.instructions.leaving_area_warning";
inline constexpr const char* kWidgetOpponent = "hunting_competition.widget.opponent";

inline constexpr std::array<const char*, 14> kFixed = {
    kBaitBlip,           kTradePrompt,     kInfoModalTitle, kInfoModalInstructionMass,
    kInfoModalTimeCap,   kInfoModalRecord, kHuntMass,       kHuntSpecific,
    kCompetitionPrompt,  kCompetitionBlip, kHunter,         kGetToArea,
    kLeavingAreaWarning, kWidgetOpponent};

// The hint ids of Tutorials::showTutorialOnce.
inline constexpr const char* kTutorialBaitBlip = "bait_blip";
inline constexpr const char* kTutorialFootOnly = "hunting_competition.foot_only";
inline constexpr const char* kTutorialDeadEyePenalty = "hunting_competition.dead_eye_penalty";
inline constexpr const char* kTutorialBonuses = "hunting_competition.bonuses";
inline constexpr const char* kTutorialLeadHorse = "lead_horse_while_trading";
inline constexpr std::array<const char*, 5> kTutorialIds = {kTutorialBaitBlip, kTutorialFootOnly,
                                                            kTutorialDeadEyePenalty,
                                                            kTutorialBonuses, kTutorialLeadHorse};

inline constexpr int kVariationCount = 5;

inline std::string animalType(std::string_view model) {
    return "animal_types." + std::string(model);
}
inline std::string tutorial(std::string_view id) {
    return "tutorial." + std::string(id);
}
inline std::string variationName(int variation) {
    return "hunting_competition.variations." + std::to_string(variation) + ".name";
}

// Every key above, the composed ones spelt out.
inline std::vector<std::string> allUsed() {
    std::vector<std::string> keys(kFixed.begin(), kFixed.end());
    for (const char* model : kCompetitionAnimalModels)
        keys.push_back(animalType(model));
    for (const char* id : kTutorialIds)
        keys.push_back(tutorial(id));
    for (int variation = 0; variation < kVariationCount; ++variation)
        keys.push_back(variationName(variation));
    return keys;
}

}  // namespace text_keys

}  // namespace bf
