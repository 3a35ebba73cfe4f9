#include "competitions/competition_kinds.h"

#include <array>

#include "competitions/competition_info.h"
#include "competitions/competition_variations.h"
#include "competitions/mass_hunting_competition_processor.h"
#include "competitions/specific_animal_processor.h"
#include "data/catalogue.h"
#include "data/text_keys.h"

namespace bf {

namespace {

std::unique_ptr<HuntingCompetitionProcessor> makeSpecific(const ProcessorParts& parts) {
    return std::make_unique<SpecificAnimalProcessor>(parts.info, parts.data, parts.tutorials);
}

std::unique_ptr<HuntingCompetitionProcessor> makeMass(const ProcessorParts& parts) {
    return std::make_unique<MassHuntingCompetitionProcessor>(parts.info, parts.data,
                                                             parts.tutorials, parts.bait);
}

std::string specialAnimalKey(const CompetitionInfo& info) {
    return info.variation != nullptr ? text_keys::variationName(info.variation->number)
                                     : text_keys::animalType(info.spawnLocation.model);
}

std::string animalTypeKey(const CompetitionInfo& info) {
    return text_keys::animalType(info.spawnLocation.model);
}

constexpr std::array<CompetitionKindRow, 2> kKinds = {{
    {kCompetitionSpecificAnimal, "specific animal", makeSpecific, false, text_keys::kHuntSpecific,
     nullptr, specialAnimalKey},
    {kCompetitionMassHunting, "mass hunting", makeMass, true, text_keys::kHuntMass,
     text_keys::kInfoModalInstructionMass, animalTypeKey},
}};

}  // namespace

const CompetitionKindRow* findCompetitionKind(int32_t kind) {
    for (const CompetitionKindRow& row : kKinds) {
        if (row.kind == kind) return &row;
    }
    return nullptr;
}

std::string quarryName(const CompetitionInfo& info, const DataCatalogue& data) {
    const CompetitionKindRow* row = findCompetitionKind(info.kind);
    return row != nullptr ? data.text(row->quarryKey(info)) : std::string();
}

}  // namespace bf
