#include "sim/world/streaming.h"

namespace sim {

Streaming::Streaming()
    : knownTextureDicts{"blips_mp",         "blips",
                        "generic_textures", "rpg_menu_item_effects",
                        "rpg_textures",     "satchel_textures",
                        "menu_textures",    "feeds"} {}

void Streaming::requestTextureDict(const std::string& name, uint64_t frame) {
    if (!knownTextureDicts.count(name) || requested_.count(name)) return;
    requested_[name] = frame + kLoadFrames;
}

bool Streaming::textureDictLoaded(const std::string& name, uint64_t frame) const {
    auto it = requested_.find(name);
    return it != requested_.end() && frame >= it->second;
}

void Streaming::requestModel(uint32_t model, bool known, uint64_t frame) {
    if (!known || models_.count(model)) return;
    models_[model] = frame + kLoadFrames;
}

bool Streaming::modelLoaded(uint32_t model, uint64_t frame) const {
    auto it = models_.find(model);
    return it != models_.end() && frame >= it->second;
}

}  // namespace sim
