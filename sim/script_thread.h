// The script thread: the plug-in's entry runs on a thread of its own that is strictly handed off
// with the game loop, so exactly one of them runs at any time and the run is deterministic.
//
// The game calls resume(); the script runs until it calls yield() (scriptWait) and control comes
// back. A game that ends abandons its script where it waits, as the hook does when it unloads a
// script: the thread stays blocked for good and never touches the game again.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace sim {

class ScriptThread {
  public:
    explicit ScriptThread(std::function<void()> entry);
    ~ScriptThread();
    ScriptThread(const ScriptThread&) = delete;
    ScriptThread& operator=(const ScriptThread&) = delete;

    // Game side: runs the script until it yields or returns.
    void resume();
    bool finished() const;

    // Script side: hands control back to the game and waits for the next resume().
    static void yield();
    // True on the script thread of a live game.
    static bool onScriptThread();

  private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable cv;
        bool scriptTurn = false;
        bool finished = false;
        bool abandoned = false;
    };
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace sim
