// The plug-in in a simulated game with stand-ins for the game's answers that competitions depend
// on (mission flag, Dead Eye, on foot, line of sight, navmesh, temperature, prop sets, task
// sequences ...). Each stand-in replaces the simulated game's own handler where it has one, so a
// test says exactly what the game answers and reads back exactly what the plug-in asked.
#pragma once

#include <bit>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "animal_fixture.h"
#include "competitions/competition_info.h"
#include "core/runtime.h"
#include "sim/world/entities.h"

class CompetitionTest : public AnimalTest {
  protected:
    // Natives the tests answer.
    static constexpr uint64_t kIsPlayerPlaying = 0x7964097FCE4C244B;
    static constexpr uint64_t kIsPlayerDead = 0x2E9C3FCB6798F397;
    static constexpr uint64_t kMissionFlag = 0xB15CD1CF58771DE1;
    static constexpr uint64_t kDeadEye = 0xB16223CB7DA965F0;
    static constexpr uint64_t kPlayerInTrouble = 0xAD401C63158ACBAA;
    static constexpr uint64_t kTemperature = 0xB98B78C3768AF6E0;
    static constexpr uint64_t kNavmeshLoaded = 0xF813C7E63F9062A5;
    static constexpr uint64_t kOnFoot = 0x01FEE67DB37F59B2;
    static constexpr uint64_t kInCombat = 0x4859F1FC66A6278E;
    static constexpr uint64_t kFleeing = 0xBBCCE00B381F8482;
    static constexpr uint64_t kCarrier = 0xCD66FEA29400A0B5;
    static constexpr uint64_t kRestrained = 0x5407B7288D0478B7;
    static constexpr uint64_t kUsingScenario = 0x57AB4A3080F85143;
    static constexpr uint64_t kShooting = 0x34616828CD07F1A1;
    static constexpr uint64_t kHeadtracking = 0x5CD3CB88A7F8850D;
    static constexpr uint64_t kLineOfSight = 0x7F9B9791D4CB71F6;
    static constexpr uint64_t kSightRange = 0x4BC3ECFDA0297E27;
    static constexpr uint64_t kPlaceOnGround = 0x9587913B9E772D29;
    static constexpr uint64_t kAccuracy = 0x37F4AD56ECBC0CD6;
    static constexpr uint64_t kSequenceProgress = 0x00A9010CFE1E3533;
    static constexpr uint64_t kBestWeapon = 0x8483E98E8B888AE2;
    // Calls the tests read back.
    static constexpr uint64_t kIdleTask = 0x322BFDEA666E2B0E;
    static constexpr uint64_t kLookAt = 0x69F4BE8C8CC4796C;
    static constexpr uint64_t kGoToCoord = 0x15D3A79D4E44B913;
    static constexpr uint64_t kAim = 0x9B53BB6E8943AF53;
    static constexpr uint64_t kShoot = 0x08DA95E8298AE772;
    static constexpr uint64_t kTurnTo = 0x5AD23D40115353AC;
    static constexpr uint64_t kWander = 0xE054346CA3A0F315;
    static constexpr uint64_t kTextColor = 0x16FA5CE47F184F1E;

    struct PropSetState {
        uint32_t name = 0;
        bool released = false;
        bool deleted = false;
    };

    void SetUp() override {
        AnimalTest::SetUp();
        installStandIns();
        // The competition HUD's texture dictionaries, as the game ships them.
        for (const char* name : {"satchel_textures", "menu_textures", "feeds"})
            game().world().streaming.knownTextureDicts.insert(name);
        // The rivals' models, as the game ships them.
        for (const char* name :
             {"a_m_m_huntertravelers_cool_01", "a_m_m_huntertravelers_warm_01"}) {
            if (game().world().models.find(std::string(name))) continue;
            sim::ModelInfo model;
            model.name = name;
            model.human = true;
            model.relationshipGroup = sim::gameHash("REL_CIV_MALE");
            game().world().models.add(model);
        }
    }

    // The plug-in started with these extra settings lines. Tests that build competition parts of
    // their own turn the plug-in's own offers off, so that nothing else is offered meanwhile.
    void startCompetitions(const std::string& settings = "") {
        writeDataFile("Settings.ini", readDataFile("Settings.ini") + "\n" + settings + "\n");
        start();
    }
    void startWithoutOffers() { startCompetitions("HuntingCompetitions_Enabled=0"); }

    void answer(uint64_t hash, uint64_t word) { answers_[hash] = word; }
    void answerFloat(uint64_t hash, float value) {
        answers_[hash] = std::bit_cast<uint32_t>(value);
    }
    // What a hunter makes of a ped: 0 cannot see it, 1 sees it, 2 not sure yet (default: 0).
    std::function<int32_t(int32_t, int32_t)> lineOfSight = [](int32_t, int32_t) { return 0; };
    // The random integer for a range, or the game's own draw when the function gives -1.
    std::function<int32_t(int32_t, int32_t)> randomIntFor = [](int32_t, int32_t) { return -1; };

    void setSetting(const std::string& key, const std::string& value) {
        bf::runtime().settings[key] = value;
    }
    void placePlayer(sim::Vec3 at) { entity(player())->position = at; }
    sim::Vec3 position(int32_t handle) { return entity(handle)->position; }

    // A bare competition record round the default player position: the area centre 400 m east,
    // the camp 50 m from it.
    std::unique_ptr<bf::CompetitionInfo> makeInfo() {
        auto info = std::make_unique<bf::CompetitionInfo>();
        info->kind = bf::kCompetitionMassHunting;
        info->timeCapMinutes = 10;
        info->animalType = sim::gameHash("a_c_buck_01");
        info->spawnLocation.model = "a_c_buck_01";
        info->spawnLocation.texture = "animal_buck";
        info->spawnLocation.position = {1921.5f, 439.0f, 0.0f};
        info->spawnLocation.radius = 150.0f;
        info->startPoint = {1921.5f, 489.0f, 90.0f};
        info->bounty = 2500;
        return info;
    }
    int32_t spawnAt(const char* model, sim::Vec3 at, int32_t quality = 1) {
        return spawn(model, quality, 1.0f, at);
    }

    const std::map<int32_t, PropSetState>& propSets() const { return propSets_; }
    int32_t openSequences() const { return static_cast<int32_t>(sequences_.size()); }
    std::vector<std::string> shownTexts() {
        std::vector<std::string> texts;
        for (const auto& shown : game().world().screen.shownSinceMark())
            texts.push_back(shown.text);
        for (const auto& shown : game().world().screen.presentedSoFar())
            texts.push_back(shown.text);
        return texts;
    }
    bool shown(const std::string& part) {
        for (const auto& text : shownTexts())
            if (text.find(part) != std::string::npos) return true;
        return false;
    }
    int logCount(const std::string& line) {
        const std::string all = log();
        int count = 0;
        for (size_t at = all.find(line); at != std::string::npos; at = all.find(line, at + 1))
            ++count;
        return count;
    }

  private:
    void standIn(uint64_t hash, sim::NativeHandler handler) {
        game().natives().override(hash, std::move(handler));
    }
    void answered(uint64_t hash, uint64_t initial) {
        answers_[hash] = initial;
        standIn(hash, [this, hash](sim::NativeCall& c) {
            c.retU32(static_cast<uint32_t>(answers_[hash]));
        });
    }
    void silent(uint64_t hash) {
        standIn(hash, [](sim::NativeCall&) {});
    }

    void installStandIns() {
        answered(kIsPlayerPlaying, 1);
        answered(kIsPlayerDead, 0);
        answered(kMissionFlag, 0);
        answered(kDeadEye, 0);
        answered(kPlayerInTrouble, 0);
        answered(kTemperature, std::bit_cast<uint32_t>(10.0f));
        answered(kNavmeshLoaded, 1);
        answered(kOnFoot, 1);
        answered(kInCombat, 0);
        answered(kFleeing, 0);
        answered(kCarrier, 0);
        answered(kRestrained, 0);
        answered(kUsingScenario, 1);
        answered(kShooting, 0);
        answered(kHeadtracking, 0);
        answered(kSightRange, std::bit_cast<uint32_t>(30.0f));
        answered(kPlaceOnGround, 1);
        answered(kAccuracy, 90);
        answered(kSequenceProgress, static_cast<uint32_t>(-1));
        answered(kBestWeapon, sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"));
        answered(0x0A82317B7EBFC420, 0);
        answered(0x6AD66548840472E5, 0);
        answered(0x42FDD0F017B1E38E, sim::gameHash("REL_CIVMALE"));
        standIn(kLineOfSight,
                [this](sim::NativeCall& c) { c.ret(lineOfSight(c.i32(0), c.i32(1))); });
        standIn(0x0C02DABFA3B98176, [this](sim::NativeCall& c) {
            c.ret(static_cast<int32_t>(game().world().player.cashCents));
        });
        standIn(0xAE663DDD99C8A670, [this](sim::NativeCall& c) {
            if (auto* out = c.ptr<int32_t>(1)) *out = game().world().player.target;
            c.retBool(game().world().player.target != 0);
        });
        standIn(0xC9D9444186B5A374, [this](sim::NativeCall& c) {
            c.ret(static_cast<int32_t>(game().timer() - timerBBase_));
        });
        standIn(0x5AE11BC36633DE4E,
                [this](sim::NativeCall& c) { timerBBase_ = game().timer() - c.u32(0); });
        standIn(0xF372BC22FCB88606, [](sim::NativeCall& c) {
            if (auto* out = c.ptr<uint32_t>(1)) *out = sim::gameHash(c.str(0));
        });
        standIn(0xC80A74AC829DDD92, [this](sim::NativeCall& c) {
            if (auto* e = entity(c.i32(0))) e->relationshipGroup = c.u32(1);
        });
        standIn(0x7AEFB85C1D49DEB6, [](sim::NativeCall&) {});
        // Prop sets: loaded at once, created, released or deleted.
        silent(0xF3DE57A46D5585E9);
        answered(0x48A88FC684C55FDC, 1);
        standIn(0xE65C5CBA95F0E510, [this](sim::NativeCall& c) {
            const int32_t handle = 0x51C000 + static_cast<int32_t>(propSets_.size()) * 7;
            propSets_[handle] = PropSetState{c.u32(0), false, false};
            c.ret(handle);
        });
        standIn(0x909E3C7FAE539FB1,
                [this](sim::NativeCall& c) { propSets_[c.i32(0)].released = true; });
        standIn(0x58AC173A55D9D7B4,
                [this](sim::NativeCall& c) { propSets_[c.i32(0)].deleted = true; });
        // Task sequences: ids handed out and taken back.
        standIn(0xE8854A4326B9E12B, [this](sim::NativeCall& c) {
            const int32_t id = 0x3A0 + 3 * ++sequencesOpened_;
            sequences_.insert(id);
            if (auto* out = c.ptr<int32_t>(0)) *out = id;
        });
        standIn(0x3841422E9C488D8C, [this](sim::NativeCall& c) {
            if (auto* id = c.ptr<int32_t>(0)) {
                sequences_.erase(*id);
                *id = 0;
            }
        });
        silent(0x39E72BC99E6360CB);
        silent(0x5ABA3986D90D8A3B);
        silent(0xA21C51255B205245);
        silent(kGoToCoord);
        silent(kTurnTo);
        silent(kLookAt);
        silent(0x0F804F1DB19B9689);
        silent(kIdleTask);
        silent(kWander);
        silent(0x17293C633C8AC019);
        silent(0x8D7F2A63688C20A4);
        silent(kAim);
        silent(kShoot);
        silent(0x437C08DB4FEBE2BD);
        silent(0x3B882A96EA77D5B1);
        silent(0x387EAD7EE42F6685);
        silent(0x24C82EF607105FAA);
        silent(0xBF25EB89375A37AD);
        silent(0x4A48B6E03BABB4AC);
        silent(0xBF4F34A85CA2970D);
        standIn(kRandomInt, [this](sim::NativeCall& c) {
            const int32_t fixed = randomIntFor(c.i32(0), c.i32(1));
            if (fixed != -1) return c.ret(fixed);
            game().natives().original(kRandomInt)(c);
        });
    }

    std::map<uint64_t, uint64_t> answers_;
    uint32_t timerBBase_ = 0;
    std::map<int32_t, PropSetState> propSets_;
    std::set<int32_t> sequences_;
    int32_t sequencesOpened_ = 0;
};
