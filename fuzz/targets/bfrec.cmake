set(fuzz_sources tools/replay/bfrec_reader.cpp tools/replay/bfrec_rewrite.cpp
    src/core/bfrec_encoder.cpp)
# A recording's header and natives table alone take a few hundred bytes, and a kilobyte holds
# shapes, calls, files and strings of every kind: a corpus grown for ten minutes up to 2048 bytes
# reaches the same 385 edges cut to 1024 (and one grown up to 4096, 380 edges, 378 at 2048).
set(fuzz_max_len 1024)
