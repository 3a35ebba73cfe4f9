#include "sim/world/decorators.h"

namespace sim {

Decorators::Decorators() {
    // The game's own decorators exist before any script runs.
    registered_["loot_money"] = DecoratorType::Int;
    registered_["honor_override"] = DecoratorType::Int;
}

bool Decorators::registerName(const std::string& name, int32_t typeCode) {
    switch (typeCode) {
        case 1:
        case 2:
        case 3:
        case 5:
            registered_[name] = static_cast<DecoratorType>(typeCode);
            return true;
        default:
            return false;
    }
}

const DecoratorType* Decorators::typeOf(const std::string& name) const {
    auto it = registered_.find(name);
    return it == registered_.end() ? nullptr : &it->second;
}

}  // namespace sim
