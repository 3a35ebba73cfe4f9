// Ambient speech: the game reads the seven-slot parameter block.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerSpeechNatives(Game& game) {
    game.natives().add(
        0x8E04FEDD28D42462, "PLAY_PED_AMBIENT_SPEECH_NATIVE", 2, Result::Int32,
        [&game](NativeCall& c) {
            World& world = game.world();
            const uint64_t* block = c.ptr<const uint64_t>(1);
            const Entity* ped = world.entities.find(c.i32(0));
            const char* line = block ? reinterpret_cast<const char*>(block[0]) : nullptr;
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
