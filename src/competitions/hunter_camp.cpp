#include "competitions/hunter_camp.h"

#include "competitions/hunting_competition_processor.h"
#include "core/frame_tally.h"
#include "core/game_hash.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/text.h"
#include "data/catalogue.h"
#include "data/text_keys.h"
#include "world/game_ops.h"
#include "world/peds.h"

namespace bf {

const std::vector<const char*>& HunterCamp::tentSets() {
    static const std::vector<const char*> sets = {
        "pg_ambcamp01x_tent_snow01",      "pg_ambcamp01x_tent_snow02",
        "pg_ambcamp01x_tent_string_tarp", "pg_ambcamp01x_tent_leanto01",
        "pg_ambcamp02x_tent_combo01",     "pg_ambcamp01x_tent_hide_lean",
        "pg_ambcamp01x_tent_hide",        "pg_ambcamp01x_tent_burlap"};
    return sets;
}

const std::vector<const char*>& HunterCamp::campAdditions() {
    static const std::vector<const char*> sets = {"pg_ambient_camp_add_packwagonbutcher01",
                                                  "pg_ambient_camp_add_pelts01",
                                                  "pg_ambient_camp_add_hunt01",
                                                  "pg_ambient_camp_add_hunt02",
                                                  "pg_ambient_camp_add_hangmix",
                                                  "pg_ambient_camp_add_hangmed",
                                                  "pg_ambient_camp_add_hanglrg"};
    return sets;
}

const std::vector<const char*>& HunterCamp::seats() {
    static const std::vector<const char*> sets = {"pg_ambient_camp_add_central_seat01",
                                                  "pg_ambient_camp_add_central_seat04"};
    return sets;
}

const char* HunterCamp::opponentModel(float temperature) {
    if (temperature < 20.0f) return kCoolModel;
    if (temperature > 30.0f) return kWarmModel;
    return randomInt(0, 2) != 0 ? kCoolModel : kWarmModel;
}

bool HuntingCompetitionProcessor::stillFormerRival() const {
    const int32_t former = formerRival_.get();
    if (former == 0 || !natives::doesEntityExist(former)) return false;
    const uint32_t model = natives::getEntityModel(former);
    return model == literalGameHash(HunterCamp::kCoolModel) ||
           model == literalGameHash(HunterCamp::kWarmModel);
}

int32_t HuntingCompetitionProcessor::campRivalAgain() {
    if (!stillFormerRival()) {
        formerRival_.forget();
        return 0;
    }
    const int32_t former = formerRival_.get();
    if (!natives::isEntityDead(former) && !natives::isPedInCombat(former, runtime().playerPed)) {
        info_.createdPeds.push_back(std::move(formerRival_));
        return former;
    }
    // A new rival takes his place: the old one goes back to the game with a wage, not the stake.
    natives::decorSetInt(former, "loot_money", randomInt(150, 350));
    formerRival_.releaseToGame();
    return 0;
}

int32_t HuntingCompetitionProcessor::newCampRival(Vector3 pedPoint) {
    const char* model =
        HunterCamp::opponentModel(natives::getTemperatureAtCoords(info_.startPoint));
    const int32_t opponent = spawnPed(model, pedPoint);
    if (opponent == 0) return 0;
    info_.createdPeds.emplace_back(opponent);
    giveWeapon(opponent, HunterCamp::kRifle, 90, true);
    natives::setPedInteractionPersonality(opponent, literalGameHash("NONE"));
    natives::setPedPromptName(opponent, data_.text(text_keys::kHunter).c_str());
    natives::setPedAccuracy(opponent, randomInt(80, 95));
    // He carries the stake, so that a player who robs him instead takes it all the same.
    natives::decorSetInt(opponent, "loot_money", randomInt(150, 350) + info_.bounty);
    return opponent;
}

bool HuntingCompetitionProcessor::buildCamp() {
    const ScopedActivity mark(Activity::CompetitionCamp);
    if (info_.opponentPed != 0) return true;
    logMessage("HuntingCompetitionProcessor: creating hunter camp set");
    const Vector3 pedPoint = pointOnCircle(info_.startPoint, 10.0f, false);
    // One rival per competition: the one who waited at the last camp, while he is fit to.
    int32_t opponent = campRivalAgain();
    if (opponent == 0) opponent = newCampRival(pedPoint);
    if (opponent == 0) return false;
    info_.opponentPed = opponent;

    uint32_t group = 0;
    natives::addRelationshipGroup(HunterCamp::kRelationshipGroup, &group);
    natives::setPedRelationshipGroupHash(opponent, group);
    natives::setRelationshipBetweenGroups(
        1, natives::getPedRelationshipGroupHash(runtime().playerPed), group);

    logMessage("HuntingCompetitionProcessor: opponent ped created. distance from start coords: " +
               formatFixed(distance(opponent, info_.startPoint)));

    const char* tent = randomEntry(HunterCamp::tentSets());
    const Vector3 campPoint = info_.startPoint + Vector3{0.0f, 0.0f, 2.0f};
    natives::clearArea(campPoint, 20.0f, 0x7FFFFFFF);
    auto addPropSet = [&](const char* name) {
        OwnedPropSet propSet = createPropSet(name, campPoint);
        if (propSet) info_.createdPropSets.push_back(std::move(propSet));
    };
    addPropSet(tent);
    addPropSet(HunterCamp::kCampfire);
    addPropSet(randomEntry(HunterCamp::campAdditions()));
    if (randomInt(0, 2) == 0) addPropSet(randomEntry(HunterCamp::seats()));
    logMessage("HuntingCompetitionProcessor: propsets created");

    info_.prompt->setGroup(opponent);
    info_.prompt->setEnabled(false);
    info_.prompt->setVisible(true);
    waitForGame(500);
    natives::taskUseNearestScenarioToCoord(opponent, pedPoint, 10.0f, randomInt(35000, 60000));
    return true;
}

}  // namespace bf
