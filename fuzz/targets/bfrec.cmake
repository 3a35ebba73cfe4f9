set(fuzz_sources tools/replay/bfrec_reader.cpp tools/replay/bfrec_rewrite.cpp
    src/core/bfrec_encoder.cpp)
# A recording's header and natives table alone take a few hundred bytes, and 2048 bytes hold a
# recorded session's start with its shapes, calls, files and strings: a corpus grown from the
# seeds up to 4096 bytes reached no edge more (380 of them) than one up to 2048 (378).
set(fuzz_max_len 2048)
