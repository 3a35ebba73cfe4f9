// libFuzzer target for the flight recorder's format reader (tools/replay/bfrec_reader.h), as a
// replay and --compare read a recording: every record of arbitrary bytes, from memory. Whatever
// it reads must not crash, hang or allocate beyond the bytes it has; and what it reads, written
// again (tools/replay/bfrec_rewrite.h, the plug-in's own encoder), must read back to the same
// bytes when written once more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../tools/replay/bfrec_reader.h"
#include "../tools/replay/bfrec_rewrite.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    replay::Reader reader(data, size);
    replay::Header header;
    if (reader.header(header) != replay::Reader::Status::Ok) return 0;
    replay::Record record;
    size_t records = 0;
    while (reader.next(record) == replay::Reader::Status::Ok)
        ++records;
    // A status once failed stays failed.
    if (reader.next(record) == replay::Reader::Status::Ok && !reader.error().empty())
        __builtin_trap();

    const std::vector<uint8_t> input(data, data + size);
    std::vector<uint8_t> once, twice;
    std::string error;
    size_t rewritten = 0;
    if (!replay::rewriteRecording(
            input, once, [&](replay::Record&, const replay::Shape*) { return ++rewritten, true; },
            error))
        __builtin_trap();
    if (rewritten != records) __builtin_trap();
    if (!replay::rewriteRecording(
            once, twice, [](replay::Record&, const replay::Shape*) { return true; }, error))
        __builtin_trap();
    if (once != twice) __builtin_trap();
    return 0;
}
