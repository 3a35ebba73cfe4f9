// Executable: named integer flags for a piece of work that runs over many frames (warnings shown
// once, and the like). A flag never set reads 0.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace bf {

class Executable {
  public:
    virtual ~Executable() = default;

    int32_t getFlag(std::string_view name) const {
        const auto it = flags_.find(name);
        return it == flags_.end() ? 0 : it->second;
    }
    void setFlag(std::string_view name, int32_t value) {
        const auto it = flags_.find(name);
        if (it != flags_.end()) {
            it->second = value;
        } else {
            flags_.emplace(std::string(name), value);
        }
    }

  private:
    std::map<std::string, int32_t, std::less<>> flags_;
};

}  // namespace bf
