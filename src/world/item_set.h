// OwnedItemSet: one game item set (a set of entities the game fills on request, such as the cargo
// of a horse), from creation to destruction.
//
// Contract: construction creates an empty set; destroy() (or dropping the owner) destroys it
// once. The game keeps a set until a script destroys it. Move-only.
#pragma once

#include <cstdint>
#include <utility>

#include "core/natives.h"

namespace bf {

class OwnedItemSet {
  public:
    OwnedItemSet() : handle_(natives::createItemset(true)) {}
    ~OwnedItemSet() { destroy(); }
    OwnedItemSet(OwnedItemSet&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}
    OwnedItemSet& operator=(OwnedItemSet&& other) noexcept {
        if (this != &other) {
            destroy();
            handle_ = std::exchange(other.handle_, 0);
        }
        return *this;
    }
    OwnedItemSet(const OwnedItemSet&) = delete;
    OwnedItemSet& operator=(const OwnedItemSet&) = delete;

    int32_t handle() const { return handle_; }
    void destroy() {
        if (handle_ != 0) natives::destroyItemset(std::exchange(handle_, 0));
    }

  private:
    int32_t handle_ = 0;
};

}  // namespace bf
