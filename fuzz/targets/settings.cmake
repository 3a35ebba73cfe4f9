set(fuzz_sources src/core/settings.cpp src/core/runtime.cpp src/core/log.cpp src/core/text.cpp)
