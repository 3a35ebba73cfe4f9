#include "demo_session.h"

// A short day in the simulated game; it grows with the features.
const char* const kDemoSession = R"(# Brackenfold demo session
seed 7
player at 1521.5 439.356 90.6807
frames 5
expect log "Brackenfold 1.2.0"
expect log "loading settings file: Brackenfold/Settings.ini"
wait 5s
expect log "loaded blips_mp"
expect running
wait 1min
expect running
)";
