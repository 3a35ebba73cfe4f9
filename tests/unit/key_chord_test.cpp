#include "core/key_chord.h"

#include <gtest/gtest.h>

#include "core/bfrec_format.h"

namespace {

constexpr uint8_t kUp = bf::bfrec::kKeyIsUpNow | bf::bfrec::kKeyWasDownBefore;

TEST(KeyChord, ReadsWhatPlayersWriteAndRefusesTheRest) {
    const auto chord = bf::parseKeyChord(" ctrl + f10 ");
    ASSERT_TRUE(chord);
    EXPECT_EQ(chord->key, 0x79u);
    EXPECT_TRUE(chord->ctrl);
    EXPECT_FALSE(chord->shift);
    EXPECT_EQ(bf::formatKeyChord(*chord), "Ctrl+F10");
    EXPECT_EQ(bf::formatKeyChord(*bf::parseKeyChord("Shift+Alt+r")), "Shift+Alt+R");
    EXPECT_EQ(bf::parseKeyChord("145")->key, 0x91u);
    for (const char* bad : {"", "Ctrl+", "Ctrl", "F25", "F10+Ctrl", "Ctrl++F1", "Hyper+F1"}) {
        std::string why;
        EXPECT_FALSE(bf::parseKeyChord(bad, &why)) << bad;
        EXPECT_FALSE(why.empty()) << bad;
    }
}

TEST(KeyChord, WatcherNeedsExactlyTheModifiersAndAFreshPress) {
    const bf::KeyChord chord = *bf::parseKeyChord("Ctrl+F10");
    bf::KeyChordWatcher watcher;
    const bf::KeyEvent alone[] = {{0x79, 1, 1, 0, 0}, {0x79, 2, 1, 0, kUp}};
    EXPECT_FALSE(watcher.pressed(chord, alone, 2));
    const bf::KeyEvent ctrlDown[] = {{0x11, 3, 1, 0, 0}};
    EXPECT_FALSE(watcher.pressed(chord, ctrlDown, 1));
    // Ctrl stays held from the frame before; a repeat of F10 is not a new press.
    const bf::KeyEvent press[] = {{0x79, 4, 1, 0, 0},
                                  {0x79, 5, 1, 0, bf::bfrec::kKeyWasDownBefore}};
    EXPECT_TRUE(watcher.pressed(chord, press, 1));
    EXPECT_FALSE(watcher.pressed(chord, press + 1, 1));
    const bf::KeyEvent withShift[] = {{0x10, 6, 1, 0, 0}, {0x79, 7, 1, 0, 0}};
    EXPECT_FALSE(watcher.pressed(chord, withShift, 2));
}

}  // namespace
