// Streaming of texture dictionaries: a dictionary the game has loads a few frames after it is
// requested; one it does not have never loads.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace sim {

class Streaming {
  public:
    static constexpr uint64_t kLoadFrames = 3;

    Streaming();
    void requestTextureDict(const std::string& name, uint64_t frame);
    bool textureDictLoaded(const std::string& name, uint64_t frame) const;
    // Dictionaries the game ships (features add the ones their HUD draws from).
    std::set<std::string> knownTextureDicts;

  private:
    std::map<std::string, uint64_t> requested_;  // name -> frame it finishes loading
};

}  // namespace sim
