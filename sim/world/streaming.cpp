#include "sim/world/streaming.h"

namespace sim {

Streaming::Streaming()
    : knownTextureDicts{"blips_mp",         "blips",
                        "generic_textures", "rpg_menu_item_effects",
                        "rpg_textures",     "satchel_textures",
                        "menu_textures",    "feeds"} {}

void Streaming::requestTextureDict(const std::string& name, uint64_t frame, Chaos& chaos) {
    if (!knownTextureDicts.count(name)) return;
    auto it = requested_.find(name);
    if (it != requested_.end() && !it->second.dropped(frame)) return;
    requested_[name] = Load::start(frame, kLoadFrames, chaos);
}

bool Streaming::textureDictLoaded(const std::string& name, uint64_t frame) const {
    auto it = requested_.find(name);
    return it != requested_.end() && it->second.ready(frame);
}

void Streaming::requestModel(uint32_t model, bool known, uint64_t frame, Chaos& chaos) {
    if (!known) return;
    auto it = models_.find(model);
    if (it != models_.end() && !it->second.dropped(frame)) return;
    models_[model] = Load::start(frame, kLoadFrames, chaos);
}

bool Streaming::modelLoaded(uint32_t model, uint64_t frame) const {
    auto it = models_.find(model);
    return it != models_.end() && it->second.ready(frame);
}

}  // namespace sim
