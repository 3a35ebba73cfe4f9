// Key events from the keyboard handler to the script thread.
//
// The hook calls the keyboard handler on the game's window thread; the handler puts each event in
// a lock-free single-producer, single-consumer ring of 256 events (queueKeyEvent). The script
// thread empties the ring after each wait (takeQueuedKeys, from waitForGame): every event taken
// goes first to the flight recorder while it records, then into this frame's list of key events
// that the features read (frameKeyEvents). An event that finds the ring full is counted as lost
// (and the count recorded). A key event is thus seen from the start of the first frame after it,
// which is where a replay delivers it, so a feature that acts on keys replays identically.
//
// Cost: fixed arrays, no allocation; taking an empty ring reads two atomics.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bf {

struct KeyEvent {
    uint32_t key = 0;
    uint32_t tick = 0;
    uint16_t repeats = 0;
    uint8_t scanCode = 0;
    uint8_t flags = 0;  // bfrec::KeyFlags
};

// The keyboard handler's side, on any one thread.
void queueKeyEvent(const KeyEvent& event);

// The script thread's side: empties the ring into the recorder (while one records) and into the
// frame's list. The list holds at most kFrameKeyEvents events; later ones are still recorded.
void takeQueuedKeys();
// Drops what the ring holds and the frame's list (a recording or a plug-in that starts: events
// from before it are not its own).
void discardQueuedKeys();

inline constexpr size_t kFrameKeyEvents = 256;
// The events taken since the list was last cleared, oldest first.
const KeyEvent* frameKeyEvents(size_t& count);
void clearFrameKeyEvents();

}  // namespace bf
