// The event queue of group 0; other groups are always empty here.
#include <cstring>

#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerEventNatives(Game& game) {
    NativeTable& t = game.natives();
    t.add(0x5CE8DE5909565748, "GET_NUMBER_OF_EVENTS", 1, Result::Int32, [&game](NativeCall& c) {
        c.ret(c.i32(0) == 0 ? static_cast<int32_t>(game.world().events.size()) : 0);
    });
    t.add(0xA85E614430EFF816, "GET_EVENT_AT_INDEX", 2, Result::Int32, [&game](NativeCall& c) {
        const GameEvent* event = c.i32(0) == 0 ? game.world().events.at(c.i32(1)) : nullptr;
        c.retU32(event ? event->type : 0);
    });
    // Copies the event's data when asked with its exact size in 8-byte slots; asked with another
    // size, the game does not read the event (false, the buffer untouched).
    t.add(0x57EC5FA4D4D6AFCA, "GET_EVENT_DATA", 4, Result::Int32, [&game](NativeCall& c) {
        const GameEvent* event = c.i32(0) == 0 ? game.world().events.at(c.i32(1)) : nullptr;
        uint64_t* buffer = c.ptr<uint64_t>(2);
        const int32_t slots = c.i32(3);
        if (!event || !buffer || slots <= 0 || static_cast<size_t>(slots) != event->data.size()) {
            c.retBool(false);
            return;
        }
        std::memcpy(buffer, event->data.data(), event->data.size() * sizeof(uint64_t));
        c.retBool(true);
    });
}

}  // namespace sim
