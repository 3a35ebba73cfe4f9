// Move-only owners of what the plug-in creates in the game. Dropping an owner hands the object
// back the documented way, so that every exit of a feature leaves nothing behind; `destroy()`
// deletes it at once instead. An owner holding 0 owns nothing.
#pragma once

#include <cstdint>
#include <utility>

#include "core/vector3.h"

namespace bf {

template <class Traits>
class OwnedHandle {
  public:
    OwnedHandle() = default;
    explicit OwnedHandle(int32_t handle) : handle_(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            release();
            handle_ = std::exchange(other.handle_, 0);
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { release(); }

    int32_t get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

    // Hands the object back to the game (the drop).
    void release() {
        if (handle_ != 0) Traits::release(handle_);
        handle_ = 0;
    }
    // Deletes the object now.
    void destroy() {
        if (handle_ != 0) Traits::destroy(handle_);
        handle_ = 0;
    }

  private:
    int32_t handle_ = 0;
};

struct PedTraits {
    // The game may clean the ped up once the player is away.
    static void release(int32_t ped);
    static void destroy(int32_t ped);
};
struct BlipTraits {
    // A blip is removed either way (unless the game removed it already).
    static void release(int32_t blip);
    static void destroy(int32_t blip) { release(blip); }
};
struct PropSetTraits {
    static void release(int32_t propSet);
    static void destroy(int32_t propSet);
};

using OwnedPed = OwnedHandle<PedTraits>;
using OwnedBlip = OwnedHandle<BlipTraits>;
using OwnedPropSet = OwnedHandle<PropSetTraits>;

// Requests the prop set, waits frame by frame (at most kPropSetLoadTimeoutMs of game time) until
// it is loaded, and creates it at the point; empty when it did not load or the game refused it.
inline constexpr int32_t kPropSetLoadTimeoutMs = 5000;
OwnedPropSet createPropSet(const char* name, Vector3 position);

// A task sequence: open on construction, tasks added with ped 0 in between, then performed by
// one ped. The game has few sequence slots, so the id is freed when the owner is dropped; a ped
// performing it carries on.
class OwnedTaskSequence {
  public:
    OwnedTaskSequence();
    OwnedTaskSequence(OwnedTaskSequence&& other) noexcept
        : id_(std::exchange(other.id_, 0)), closed_(other.closed_) {}
    OwnedTaskSequence& operator=(OwnedTaskSequence&&) = delete;
    OwnedTaskSequence(const OwnedTaskSequence&) = delete;
    OwnedTaskSequence& operator=(const OwnedTaskSequence&) = delete;
    ~OwnedTaskSequence();

    // Closes the sequence and gives it to the ped.
    void performBy(int32_t ped);
    int32_t id() const { return id_; }

  private:
    int32_t id_ = 0;
    bool closed_ = false;
};

}  // namespace bf
