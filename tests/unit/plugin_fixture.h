// A simulated game with the plug-in attached, in a fresh game folder holding a copy of the
// shipped data folder. Strict mode is on: an unknown native or a wrong argument count fails the
// test at tear-down.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "sim/game.h"
#include "spine/entry.h"
#include "spine/plugin.h"

// One folder per test process, so that two checkouts running their tests at once on one machine
// never share (or delete) each other's game folders.
inline std::string unitRunFolder() {
    return "brackenfold-unit-" + std::to_string(::getpid());
}

class PluginTest : public ::testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        gameDir_ = fs::temp_directory_path() / unitRunFolder() /
                   (std::string(info->test_suite_name()) + "." + info->name());
        fs::remove_all(gameDir_);
        fs::create_directories(gameDir_);
        fs::copy(BRACKENFOLD_DIST_DIR, gameDir_ / "Brackenfold", fs::copy_options::recursive);
        previousDir_ = fs::current_path();
        fs::current_path(gameDir_);
        bf::installRuntime(nullptr);
        game_ = std::make_unique<sim::Game>(sim::GameOptions{});
    }

    void TearDown() override {
        if (!failureExpected_) {
            EXPECT_FALSE(game_->failed()) << game_->failure();
        }
        // The plug-in goes first, while its game is still there to take back what it made.
        bf::stopPlugin();
        game_.reset();
        std::filesystem::current_path(previousDir_);
    }

    sim::Game& game() { return *game_; }
    // The plug-in that start-up made (the test fails at once when none runs).
    bf::Plugin& plugin() {
        bf::Plugin* running = bf::runningPlugin();
        if (!running) throw std::runtime_error("no plug-in is running");
        return *running;
    }
    // For tests that provoke a strict-mode fault on purpose.
    void expectGameFailure() { failureExpected_ = true; }
    void attach() { game_->attach(&bf::libraryEntry); }
    // Attaches and runs frames until start-up has finished.
    void start(int frames = 10) {
        attach();
        game_->runFrames(frames);
    }
    std::string dataPath(const std::string& name) const {
        return (gameDir_ / "Brackenfold" / name).string();
    }
    void writeDataFile(const std::string& name, const std::string& content) {
        std::ofstream(dataPath(name), std::ios::binary | std::ios::trunc) << content;
    }
    void removeDataFile(const std::string& name) { std::filesystem::remove(dataPath(name)); }
    std::string readDataFile(const std::string& name) const {
        std::ifstream in(dataPath(name), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string log() const { return readDataFile("Log.log"); }
    // How many times the text stands in the log.
    size_t logCount(const std::string& text) const {
        const std::string all = log();
        size_t count = 0;
        for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++count;
        return count;
    }

  private:
    std::filesystem::path gameDir_;
    std::filesystem::path previousDir_;
    std::unique_ptr<sim::Game> game_;
    bool failureExpected_ = false;
};
