// Streaming of texture dictionaries and models: one the game has loads a few frames after it is
// requested; one it does not have never loads. Under chaos (chaos.h) a load may come late or fail;
// a failed one is dropped when it would have finished, and asking again starts anew.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "sim/world/chaos.h"

namespace sim {

class Streaming {
  public:
    static constexpr uint64_t kLoadFrames = 3;

    Streaming();
    void requestTextureDict(const std::string& name, uint64_t frame, Chaos& chaos);
    bool textureDictLoaded(const std::string& name, uint64_t frame) const;
    // `known`: the model is in the game's catalogue.
    void requestModel(uint32_t model, bool known, uint64_t frame, Chaos& chaos);
    bool modelLoaded(uint32_t model, uint64_t frame) const;

    // Dictionaries the game ships (features add the ones their HUD draws from).
    std::set<std::string> knownTextureDicts;

  private:
    std::map<std::string, Load> requested_;
    std::map<uint32_t, Load> models_;
};

}  // namespace sim
