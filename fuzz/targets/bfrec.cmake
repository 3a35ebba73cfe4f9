set(fuzz_sources tools/replay/bfrec_reader.cpp tools/replay/bfrec_rewrite.cpp
    src/core/bfrec_encoder.cpp)
# A recording's header and natives table alone take a few hundred bytes; the largest seed, the
# start of a recorded session with its shapes, calls, files and strings, takes 4096.
set(fuzz_max_len 4096)
