set(fuzz_sources tools/replay/bfrec_reader.cpp tools/replay/bfrec_rewrite.cpp
    src/core/bfrec_encoder.cpp)
# A recording's header and natives table alone take a few hundred bytes.
set(fuzz_max_len 8192)
