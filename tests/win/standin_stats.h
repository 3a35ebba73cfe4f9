// What the stand-in hook saw of the plug-in, as the host reads it through standinStats().
//
// The frame loop and the script fiber share the frame thread, but keys come from the host's window
// thread and a misplaced call could come from any thread: hence atomic counts. The host reads
// them after the window thread has ended.
#pragma once

#include <atomic>
#include <cstdint>

struct StandinStats {
    std::atomic<uint64_t> frames{0};
    // Switches from the frame loop into the script fiber.
    std::atomic<uint64_t> scriptTurns{0};
    // scriptWait and nativeCall on the script fiber, on the frame thread: where they belong.
    std::atomic<uint64_t> waitsOnFiber{0};
    std::atomic<uint64_t> nativesOnFiber{0};
    // scriptWait or nativeCall anywhere else (another fiber, another thread).
    std::atomic<uint64_t> misplacedCalls{0};
    std::atomic<uint64_t> keysOnFrameThread{0};
    std::atomic<uint64_t> keysOnOtherThreads{0};
    std::atomic<uint64_t> fibersDeleted{0};
};
