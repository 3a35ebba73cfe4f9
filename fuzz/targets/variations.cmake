set(fuzz_sources src/data/base_data_file.cpp src/data/dict_data_file.cpp src/core/log.cpp src/core/text.cpp src/competitions/competition_variations.cpp)
