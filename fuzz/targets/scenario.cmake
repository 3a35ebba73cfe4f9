# The scenario language is the simulated game's: its parser needs the command table, which
# links the whole of sim/.
set(fuzz_sources sim/*.cpp)
set(fuzz_defines BRACKENFOLD_DIST_DIR="dist/Brackenfold")
