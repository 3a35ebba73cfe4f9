// brackenfold-sim --compare: holds a recording against the simulated game. For every recorded
// call of a native whose answer depends only on its arguments (a name's hash, a model's size
// class and kind, the weapon tests, the zone and the ground height at a point, the distance of
// two points, the texts of label hashes), it asks the simulated game for its answer and lists
// each native where the two differ, most frequent first, with one example. A recording from the
// real game thus says where the simulated game is wrong.
#pragma once

#include <cstdint>
#include <ostream>
#include <set>
#include <string>

namespace replay {

// The natives --compare asks about, by hash.
const std::set<uint64_t>& argumentOnlyNatives();

// 0: the simulated game answers every call as recorded; 1: it differs somewhere; 2: the file is
// not a recording.
int runCompare(const std::string& recording, std::ostream& out);

}  // namespace replay
