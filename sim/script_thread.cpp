#include "sim/script_thread.h"

namespace sim {

namespace {
thread_local std::shared_ptr<void> tCurrent;  // keeps the shared state alive on the script side
}

ScriptThread::ScriptThread(std::function<void()> entry) : shared_(std::make_shared<Shared>()) {
    thread_ = std::thread([shared = shared_, entry = std::move(entry)] {
        tCurrent = shared;
        {
            std::unique_lock lock(shared->mutex);
            shared->cv.wait(lock, [&] { return shared->scriptTurn || shared->abandoned; });
            if (shared->abandoned) return;
        }
        entry();
        std::lock_guard lock(shared->mutex);
        shared->finished = true;
        shared->scriptTurn = false;
        shared->cv.notify_all();
    });
}

ScriptThread::~ScriptThread() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->abandoned = true;
        shared_->cv.notify_all();
    }
    // A thread that never started or has returned can be joined; one parked in yield() is left
    // parked (it holds its own reference to the shared state).
    bool joinable;
    {
        std::lock_guard lock(shared_->mutex);
        joinable = shared_->finished;
    }
    if (joinable) {
        thread_.join();
    } else {
        thread_.detach();
    }
}

void ScriptThread::resume() {
    std::unique_lock lock(shared_->mutex);
    if (shared_->finished) return;
    shared_->scriptTurn = true;
    shared_->cv.notify_all();
    shared_->cv.wait(lock, [&] { return !shared_->scriptTurn; });
}

bool ScriptThread::finished() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->finished;
}

void ScriptThread::yield() {
    auto shared = std::static_pointer_cast<Shared>(tCurrent);
    if (!shared) return;
    std::unique_lock lock(shared->mutex);
    shared->scriptTurn = false;
    shared->cv.notify_all();
    shared->cv.wait(lock, [&] { return shared->scriptTurn && !shared->abandoned; });
}

bool ScriptThread::onScriptThread() {
    return tCurrent != nullptr;
}

}  // namespace sim
