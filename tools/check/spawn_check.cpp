// AnimalSpawns.dat: the models, their counts and items, and whether a competition can be held at
// each place of a rarity-0 animal (its nearest town has a camp spot within 100 m).
#include <algorithm>
#include <set>

#include "check/folder_check.h"
#include "check/folder_reader.h"
#include "competitions/hunting_competitions_manager.h"
#include "core/text.h"
#include "data/text_keys.h"
#include "world/map_districts.h"
#include "world/towns.h"
#include "world/world_tables.h"

namespace bfcheck {

namespace {

constexpr const char* kFile = "AnimalSpawns.dat";
constexpr float kMinimumRadius = 50.0f;

struct ModelEntries {
    const Entry* count = nullptr;
    const Entry* rarity = nullptr;
    const Entry* texture = nullptr;
    std::map<long, const Entry*> items;
};

std::string rangesText(const std::vector<long>& indices) {
    std::string text;
    for (size_t i = 0; i < indices.size();) {
        size_t j = i;
        while (j + 1 < indices.size() && indices[j + 1] == indices[j] + 1)
            ++j;
        if (!text.empty()) text += ", ";
        text += std::to_string(indices[i]);
        if (j > i) text += " to " + std::to_string(indices[j]);
        i = j + 1;
    }
    return text;
}

std::string metres(float value) {
    return std::to_string(static_cast<int>(value + 0.5f)) + " m";
}

class SpawnCheck {
  public:
    explicit SpawnCheck(std::vector<Problem>& problems)
        : problems_(problems),
          towns_(bf::buildTownRecords(false)),
          districts_(places_, positions_, towns_) {}

    void run(const ReadFile& file) {
        const std::vector<std::string> models(bf::kCompetitionAnimalModels.begin(),
                                              bf::kCompetitionAnimalModels.end());
        std::map<std::string, ModelEntries> byModel;
        std::set<std::string> unknownReported;
        for (const auto& [key, entry] : file.entries) {
            if (key == "format_version") continue;
            const auto dot = key.rfind('.');
            const std::string model = dot == std::string::npos ? key : key.substr(0, dot);
            const std::string suffix = dot == std::string::npos ? "" : key.substr(dot + 1);
            if (std::find(models.begin(), models.end(), model) == models.end()) {
                if (!unknownReported.insert(model).second) continue;
                const std::string nearest = nearestKey(model, models);
                problems_.push_back(
                    {kFile, entry.line,
                     "unknown model \"" + printable(model) + "\"" +
                         (nearest.empty() ? "" : "; did you mean " + nearest + "?") +
                         " The plug-in reads places of the fourteen competition animals only",
                     nearest.empty()
                         ? "delete the lines of " + printable(model)
                         : "rename the lines of " + printable(model) + " to " + nearest});
                continue;
            }
            ModelEntries& m = byModel[model];
            if (suffix == "count") {
                m.count = &entry;
            } else if (suffix == "rarity_level") {
                m.rarity = &entry;
            } else if (suffix == "texture") {
                m.texture = &entry;
            } else if (!suffix.empty() &&
                       suffix.find_first_not_of("0123456789") == std::string::npos &&
                       suffix.size() < 9) {
                m.items[std::stol(suffix)] = &entry;
            } else {
                problems_.push_back({kFile, entry.line,
                                     "\"" + printable(key) + "\" is no key the plug-in reads",
                                     "use " + model + ".count, " + model + ".<n>, " + model +
                                         ".rarity_level or " + model + ".texture"});
            }
        }
        for (const std::string& model : models)
            checkModel(model, byModel[model]);
    }

  private:
    void checkModel(const std::string& model, const ModelEntries& m) {
        long count = 0;
        if (!m.count) {
            problems_.push_back({kFile, 0,
                                 "has no " + model + ".count, so no place of " + model +
                                     " is read and no competition is held about it",
                                 "add " + model + ".count=<number of places> and the places " +
                                     model + ".0=x,y,r ..."});
        } else {
            const NumberReading reading = readNumber(m.count->value, false);
            if (!reading.isNumber || reading.outOfRange || !reading.rest.empty()) {
                problems_.push_back({kFile, m.count->line,
                                     model + ".count=" + printable(m.count->value) +
                                         " is not a whole number" +
                                         (reading.isNumber ? "" : ": Brackenfold does not start"),
                                     "write the number of places"});
            }
            count = reading.isNumber && !reading.outOfRange ? static_cast<long>(reading.value) : 0;
        }
        std::vector<long> missing;
        for (long i = 0; i < count && i < 100000; ++i) {
            if (!m.items.count(i)) missing.push_back(i);
        }
        if (!missing.empty()) {
            problems_.push_back({kFile, m.count->line,
                                 model + ".count is " + std::to_string(count) + " but " +
                                     (missing.size() == 1 ? "item " : "items ") +
                                     rangesText(missing) + (missing.size() == 1 ? " is" : " are") +
                                     " missing",
                                 "add the missing places or lower " + model + ".count to the " +
                                     "number of places"});
        }
        std::vector<long> beyond;
        for (const auto& [index, entry] : m.items) {
            if (index >= count) beyond.push_back(index);
        }
        if (!beyond.empty() && m.count) {
            problems_.push_back(
                {kFile, m.items.at(beyond.front())->line,
                 model + "." + std::to_string(beyond.front()) +
                     (beyond.size() > 1
                          ? " and " + std::to_string(beyond.size() - 1) + " more items lie"
                          : " lies") +
                     " beyond " + model + ".count=" + std::to_string(count) +
                     ", so the plug-in never reads " + (beyond.size() > 1 ? "them" : "it"),
                 "raise " + model + ".count to " + std::to_string(beyond.back() + 1) +
                     " or delete them"});
        }
        int rarity = 0;
        if (m.rarity) {
            const NumberReading reading = readNumber(m.rarity->value, false);
            if (!reading.isNumber || reading.outOfRange || !reading.rest.empty()) {
                problems_.push_back({kFile, m.rarity->line,
                                     model + ".rarity_level=" + printable(m.rarity->value) +
                                         " is not a whole number" +
                                         (reading.isNumber ? "" : ": Brackenfold does not start"),
                                     "write 0 for common animals, 1 or more for rarer ones"});
                rarity = -1;
            } else {
                rarity = static_cast<int>(reading.value);
            }
        }
        if (!m.texture || m.texture->value.empty()) {
            problems_.push_back({kFile, m.texture ? m.texture->line : 0,
                                 model + " has no texture, so the competition panel shows no "
                                         "picture of it",
                                 "add " + model + ".texture=<picture name in satchel_textures>"});
        }
        for (const auto& [index, entry] : m.items) {
            if (index < count) checkPlace(model, index, *entry, rarity == 0);
        }
    }

    void checkPlace(const std::string& model, long index, const Entry& entry, bool competition) {
        const std::string where =
            model + "." + std::to_string(index) + "=" + printable(entry.value);
        const auto pieces = bf::splitString(entry.value, ',');
        if (pieces.size() < 3) {
            problems_.push_back(
                {kFile, entry.line, where + " is not x,y,r: Brackenfold does not start",
                 "write the place as x,y,r (map coordinates and radius in metres)"});
            return;
        }
        float value[3] = {};
        for (int i = 0; i < 3; ++i) {
            const NumberReading reading = readNumber(pieces[static_cast<size_t>(i)], true);
            if (!reading.isNumber || reading.outOfRange) {
                problems_.push_back({kFile, entry.line,
                                     where + ": \"" + printable(pieces[static_cast<size_t>(i)]) +
                                         "\" is not a number: Brackenfold does not start",
                                     "write the place as x,y,r with numbers"});
                return;
            }
            value[i] = static_cast<float>(reading.value);
        }
        if (value[0] == 0.0f && value[1] == 0.0f && value[2] == 0.0f) {
            problems_.push_back({kFile, entry.line,
                                 where + " is all zeros, so the plug-in skips it",
                                 "write the place's x,y,r"});
            return;
        }
        if (value[2] < kMinimumRadius) {
            problems_.push_back(
                {kFile, entry.line,
                 where + ": radius " + pieces[2] + " is below 50 m; the plug-in uses 50",
                 "write a radius of 50 or more"});
        }
        if (!competition) return;
        const bf::Vector3 place{value[0], value[1], 0.0f};
        const auto town = districts_.nearestTown(place);
        float nearest = -1.0f;
        if (town) {
            for (const bf::Vector3& spot : town->startPoints) {
                const float d = bf::planarDistance(spot, place);
                if (nearest < 0.0f || d < nearest) nearest = d;
            }
        }
        const float limit = bf::HuntingCompetitionsManager::kMaxStartPointDistance;
        if (nearest >= 0.0f && nearest <= limit) return;
        problems_.push_back({kFile, entry.line,
                             where + ": " +
                                 (town ? "the nearest camp spot of " + town->name +
                                             ", its nearest town, lies " + metres(nearest) + " away"
                                       : std::string("no town lies within reach")) +
                                 " (at most 100 m), so no competition can be held here",
                             "move the place within 100 m of a camp spot of its nearest town "
                             "(tools/gen_animal_spawns.py prints them)"});
    }

    std::vector<Problem>& problems_;
    bf::TownRecords towns_;
    bf::PlacesList places_;
    bf::WorldPositionTable positions_;
    bf::MapDistricts districts_;
};

}  // namespace

void checkSpawns(FolderReader& reader, std::vector<Problem>& problems) {
    const ReadFile file = reader.read(kFile, FileKind::Data, true);
    if (!file.present) return;
    SpawnCheck(problems).run(file);
}

}  // namespace bfcheck
