// Move-only owners of what the plug-in creates in the game. Dropping an owner (or reset()) frees
// the game object the way its kind is freed; handing it back to the game instead (the "soft"
// release of peds and prop sets) is releaseToGame(). Whatever path a feature leaves by, what it
// holds in owners is gone from the game afterwards, and a restarted plug-in leaves nothing of the
// previous run behind.
//
// Each kind is a small traits struct with `free` (the hard release) and, where the game has one,
// `handBack` (the soft release). Owners of different kinds are different types, so an owned blip
// can never be stored where an owned ped is expected; get() gives the game's plain handle, which
// is an int32 for every kind, so what is done with a handle is the caller's care.
#pragma once

#include <cstdint>
#include <utility>

#include "core/vector3.h"

// Task sequences have an owner of their own (world/task_sequence.h).
#include "world/task_sequence.h"

namespace bf {

template <class Traits>
class Owned {
  public:
    Owned() = default;
    explicit Owned(int32_t handle) : handle_(handle) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, 0);
        }
        return *this;
    }
    ~Owned() { reset(); }

    int32_t get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

    // The hard release: the game object is deleted or removed.
    void reset() {
        if (handle_ != 0) Traits::free(std::exchange(handle_, 0));
    }
    // The soft release: the game keeps the object and manages it from now on.
    void releaseToGame() {
        if (handle_ != 0) Traits::handBack(std::exchange(handle_, 0));
    }
    // The owner lets go without touching the game (the game removed the object itself).
    int32_t forget() { return std::exchange(handle_, 0); }

  private:
    int32_t handle_ = 0;
};

struct BlipTraits {
    // Removed only while the game still has it (it may have removed it already).
    static void free(int32_t blip);
};
struct PedTraits {
    static void free(int32_t ped);
    static void handBack(int32_t ped);
};
struct ScenarioPointTraits {
    static void free(int32_t point);
};
struct PropSetTraits {
    static void free(int32_t propSet);
    static void handBack(int32_t propSet);
};

struct ItemSetTraits {
    static void free(int32_t itemset);
};

using OwnedBlip = Owned<BlipTraits>;
using OwnedPed = Owned<PedTraits>;
using OwnedScenarioPoint = Owned<ScenarioPointTraits>;
using OwnedPropSet = Owned<PropSetTraits>;
// A set of entities the game fills on request (the cargo of a horse); kept until destroyed.
using OwnedItemSet = Owned<ItemSetTraits>;

// Requests the prop set, waits frame by frame (at most kPropSetLoadTimeoutMs of game time) until
// it is loaded, and creates it at the point; empty when it did not load or the game refused it.
inline constexpr int32_t kPropSetLoadTimeoutMs = 5000;
OwnedPropSet createPropSet(const char* name, Vector3 position);

}  // namespace bf
