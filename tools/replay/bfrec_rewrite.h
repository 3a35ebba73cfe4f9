// Writes a recording again from what the reader made of it, letting a caller change records on
// the way (tests edit recorded answers with it; an unchanged rewrite gives the same bytes).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bfrec_reader.h"

namespace replay {

// Every record of `in`, passed to `edit` (which may change it, or return false to drop it), is
// written to `out`. A recording cut off is written up to where it is cut. False (with `error`)
// when `in` is not a recording.
bool rewriteRecording(const std::vector<uint8_t>& in, std::vector<uint8_t>& out,
                      const std::function<bool(Record&, const Shape*)>& edit, std::string& error);

}  // namespace replay
