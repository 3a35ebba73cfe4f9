// Events: the event queue.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_EVENTS(X)                                                    \
    X(kGetNumberOfEvents, 0x5CE8DE5909565748, "GET_NUMBER_OF_EVENTS", 1, Int32) \
    X(kGetEventAtIndex, 0xA85E614430EFF816, "GET_EVENT_AT_INDEX", 2, Int32)     \
    X(kGetEventData, 0x57EC5FA4D4D6AFCA, "GET_EVENT_DATA", 4, Int32)

BF_NATIVES_EVENTS(BF_NATIVE_DEFINE)

// The game fills as many 8-byte slots as the last argument says.
BF_NATIVE_POINTERS(kGetEventData,
                   {2, ::bf::PointerUse::Out, ::bf::bfrec::SizeRule::SlotsFromWord, 3})

inline int32_t getNumberOfEvents(int32_t group) {
    return call<kGetNumberOfEvents, int32_t>(group);
}

// The type hash of the event at that index of the group's queue.
inline uint32_t getEventAtIndex(int32_t group, int32_t index) {
    return call<kGetEventAtIndex, uint32_t>(group, index);
}

// Copies the event's data, one 8-byte slot per value, into the caller's buffer.
inline bool getEventData(int32_t group, int32_t index, uint64_t* buffer, int32_t slots) {
    return call<kGetEventData, bool>(group, index, buffer, slots);
}

}  // namespace bf::natives
