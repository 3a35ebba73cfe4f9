// OwnedTaskSequence: one game task sequence, from opening to clearing.
//
// Contract: construction opens a sequence (tasks added for ped 0 go into it until close());
// giveTo() hands a copy to a ped, who performs it on his own. Dropping the owner closes a sequence
// still open and clears its slot: the game has few slots, and a script that never clears them
// runs out and can no longer give any ped a sequence. A ped performing it is not affected.
// Move-only; a moved-from owner holds nothing.
#pragma once

#include <cstdint>
#include <utility>

#include "core/natives.h"

namespace bf {

class OwnedTaskSequence {
  public:
    OwnedTaskSequence() { natives::openSequenceTask(&id_); }
    ~OwnedTaskSequence() { release(); }
    OwnedTaskSequence(OwnedTaskSequence&& other) noexcept
        : id_(std::exchange(other.id_, 0)), open_(std::exchange(other.open_, false)) {}
    OwnedTaskSequence& operator=(OwnedTaskSequence&& other) noexcept {
        if (this != &other) {
            release();
            id_ = std::exchange(other.id_, 0);
            open_ = std::exchange(other.open_, false);
        }
        return *this;
    }
    OwnedTaskSequence(const OwnedTaskSequence&) = delete;
    OwnedTaskSequence& operator=(const OwnedTaskSequence&) = delete;

    void close() {
        if (!open_ || id_ == 0) return;
        natives::closeSequenceTask(id_);
        open_ = false;
    }
    void giveTo(int32_t ped) const { natives::taskPerformSequence(ped, id_); }
    // Closes the sequence and gives it to the ped.
    void performBy(int32_t ped) {
        close();
        giveTo(ped);
    }
    int32_t id() const { return id_; }

  private:
    void release() {
        if (id_ == 0) return;
        close();
        natives::clearSequenceTask(&id_);
        id_ = 0;
    }

    int32_t id_ = 0;
    bool open_ = true;
};

}  // namespace bf
