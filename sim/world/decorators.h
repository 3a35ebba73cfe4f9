// Decorators: named values the game keeps on an entity. A name must be registered (with its type)
// before any script reads or writes it; the game registers its own at start. A use of an
// unregistered name is a script fault: in strict mode it fails the run, as a registration-order
// bug would show in the game.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace sim {

// The game's type codes.
enum class DecoratorType : int32_t { Float = 1, Bool = 2, Int = 3, Time = 5 };

struct DecoratorValue {
    DecoratorType type = DecoratorType::Int;
    int32_t i = 0;
    float f = 0.0f;
};

// The values on one entity (a member of Entity, so they go with it when it is deleted).
using DecoratorValues = std::map<std::string, DecoratorValue, std::less<>>;

class Decorators {
  public:
    Decorators();
    // False for an unknown type code.
    bool registerName(const std::string& name, int32_t typeCode);
    // The registered type, or nullptr when the name is not registered.
    const DecoratorType* typeOf(const std::string& name) const;

  private:
    std::map<std::string, DecoratorType, std::less<>> registered_;
};

}  // namespace sim
