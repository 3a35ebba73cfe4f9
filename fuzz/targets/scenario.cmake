# The scenario language is the simulated game's: its parser needs the command table, which
# links the whole of sim/.
set(fuzz_sources sim/*.cpp)
set(fuzz_defines BRACKENFOLD_DIST_DIR="dist/Brackenfold")
# A scenario is many commands, each a line of words: its seeds are whole scenarios.
set(fuzz_max_len 1024)
