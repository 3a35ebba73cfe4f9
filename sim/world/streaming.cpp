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

void Streaming::requestModel(uint32_t model, bool known, uint64_t frame, Chaos& chaos) {
    if (!known) return;
    auto it = models_.find(model);
    if (it != models_.end() && !(it->second.fails && frame >= it->second.readyAt)) return;
    const LoadFate fate = chaos.loadFate();
    models_[model] = {frame + kLoadFrames + fate.extraFrames, fate.fails};
}

bool Streaming::modelLoaded(uint32_t model, uint64_t frame) const {
    auto it = models_.find(model);
    return it != models_.end() && !it->second.fails && frame >= it->second.readyAt;
}

}  // namespace sim
