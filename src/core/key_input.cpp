#include "core/key_input.h"

#include <array>
#include <atomic>

#include "core/recorder.h"

namespace bf {

namespace {

struct KeyRing {
    static constexpr uint32_t kSize = 256;
    std::array<KeyEvent, kSize> events{};
    std::atomic<uint32_t> head{0};  // written by the producer
    std::atomic<uint32_t> tail{0};  // written by the consumer
    std::atomic<uint32_t> lost{0};
};
// Plain static data, constant-initialised: the window thread may call in at any time, even
// before the script starts or while a plug-in is being made or dropped.
KeyRing gRing;

// The script thread's own.
std::array<KeyEvent, kFrameKeyEvents> gFrameKeys{};
size_t gFrameKeyCount = 0;

}  // namespace

void queueKeyEvent(const KeyEvent& event) {
    const uint32_t head = gRing.head.load(std::memory_order_relaxed);
    const uint32_t tail = gRing.tail.load(std::memory_order_acquire);
    if (head - tail >= KeyRing::kSize) {
        gRing.lost.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    gRing.events[head % KeyRing::kSize] = event;
    gRing.head.store(head + 1, std::memory_order_release);
}

void takeQueuedKeys() {
    uint32_t tail = gRing.tail.load(std::memory_order_relaxed);
    // The head is read again after each event: an event that comes while the recorder writes a
    // marker's log line belongs to this frame too (a replay hands the events over in the same
    // places).
    while (tail != gRing.head.load(std::memory_order_acquire)) {
        const KeyEvent event = gRing.events[tail % KeyRing::kSize];
        gRing.tail.store(++tail, std::memory_order_release);
        if (Recorder* recorder = activeRecorder()) recorder->recordKey(event);
        if (gFrameKeyCount < gFrameKeys.size()) gFrameKeys[gFrameKeyCount++] = event;
    }
    if (const uint32_t lost = gRing.lost.exchange(0, std::memory_order_relaxed)) {
        if (Recorder* recorder = activeRecorder()) recorder->recordKeysLost(lost);
    }
}

void discardQueuedKeys() {
    gRing.tail.store(gRing.head.load(std::memory_order_acquire), std::memory_order_release);
    gRing.lost.store(0, std::memory_order_relaxed);
    gFrameKeyCount = 0;
}

const KeyEvent* frameKeyEvents(size_t& count) {
    count = gFrameKeyCount;
    return gFrameKeys.data();
}

void clearFrameKeyEvents() {
    gFrameKeyCount = 0;
}

}  // namespace bf
