// The plug-in running in a simulated game with animals: spawn and hit peds the way the game does
// (raising its events), then let frames pass.
#pragma once

#include "plugin_fixture.h"
#include "sim/world/animals.h"
#include "sim/world/hash.h"

class AnimalTest : public PluginTest {
  protected:
    static constexpr uint64_t kRandomInt = 0xD53343AA4FB7DD28;
    static constexpr uint64_t kSetScale = 0x25ACFC650B65C538;
    static constexpr uint64_t kBlood = 0xFFD54D9FE71B966A;
    static constexpr uint64_t kRagdoll = 0xAE99FB955581844A;
    static constexpr uint64_t kIsRagdoll = 0x47E4E977581C5B55;
    static constexpr uint64_t kApplyDamage = 0x697157CED63F18D4;

    void startWith(const std::string& settings) {
        writeDataFile("Settings.ini", settings);
        start();
    }
    // A ped as the game creates it; its event is read in the next frame.
    int32_t spawn(const char* model, int32_t quality = 1, float health = 1.0f,
                  sim::Vec3 at = {1530.0f, 440.0f, 90.0f}) {
        return sim::spawnPed(game(), *game().world().models.find(std::string(model)), at, 0.0f,
                             quality, health)
            .handle;
    }
    // A hit as the game reports it, by the player with a rifle to the body unless told otherwise.
    void hit(int32_t ped, float health = 0.5f, const char* weapon = "WEAPON_RIFLE_SPRINGFIELD",
             int32_t bone = sim::kBoneSpine, int32_t attacker = -1,
             float impact = sim::kImpactAboveBone) {
        sim::damagePed(game(), *entity(ped), attacker == -1 ? player() : attacker,
                       sim::gameHash(weapon), bone, health, false, impact);
    }
    sim::Entity* entity(int32_t handle) { return game().world().entities.find(handle); }
    int32_t player() { return game().world().player.ped; }
    bool hasDecorator(int32_t ped, const char* name) {
        return entity(ped)->decorators.count(name) > 0;
    }
    int32_t intDecorator(int32_t ped, const char* name) {
        auto& d = entity(ped)->decorators;
        return d.count(name) ? d.at(name).i : 0;
    }
    float floatDecorator(int32_t ped, const char* name) {
        return entity(ped)->decorators.at(name).f;
    }
    static float f32(uint64_t word) { return std::bit_cast<float>(static_cast<uint32_t>(word)); }
};
