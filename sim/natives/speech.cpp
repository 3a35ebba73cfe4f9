// Ambient speech: the game reads the whole eight-slot parameter block (speech line, voice,
// variation, parameter hash, listener, network flag and two words the game's scripts set to 1).
#include <cstring>

#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

inline constexpr size_t kSpeechBlockSlots = 8;

void registerSpeechNatives(Game& game) {
    game.natives().add(
        0x8E04FEDD28D42462, "PLAY_PED_AMBIENT_SPEECH_NATIVE", 2, Result::Int32,
        [&game](NativeCall& c) {
            World& world = game.world();
            uint64_t block[kSpeechBlockSlots] = {};
            if (const auto* params = c.ptr<const uint64_t>(1))
                std::memcpy(block, params, sizeof block);
            const Entity* ped = world.entities.find(c.i32(0));
            const char* line = reinterpret_cast<const char*>(block[0]);
            if (!ped || ped->dead || !line) {
                c.retBool(false);
                return;
            }
            const char* voice = reinterpret_cast<const char*>(block[1]);
            world.speech.push_back({game.frame(), ped->handle, line, voice ? voice : ""});
            game.report("speech", line);
            c.retBool(true);
        });
}

}  // namespace sim
