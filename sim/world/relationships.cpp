#include "sim/world/relationships.h"

#include "sim/world/hash.h"

namespace sim {

Relationships::Relationships() {
    for (const char* name : {"PLAYER", "REL_CIV_MALE", "REL_CIV_FEMALE", "REL_COP", "REL_CRIMINALS",
                             "REL_WILD_ANIMAL", "REL_DOMESTIC_ANIMAL"}) {
        add(name);
    }
}

uint32_t Relationships::add(const std::string& name) {
    const uint32_t group = gameHash(name);
    groups_.insert(group);
    return group;
}

void Relationships::set(int32_t level, uint32_t from, uint32_t to) {
    if (exists(from) && exists(to)) levels_[{from, to}] = level;
}

int32_t Relationships::level(uint32_t from, uint32_t to) const {
    auto it = levels_.find({from, to});
    if (it != levels_.end()) return it->second;
    return from == to ? kCompanion : kNeutral;
}

}  // namespace sim
