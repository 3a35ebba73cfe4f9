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
# A buck wanders out of the trees; the player shoots it, it bleeds and goes down.
spawn buck a_c_buck_01 at 1560 452 92 quality 2
frames 1
expect decorator buck VX_Brackenfold_Scale between 0.70 1.30
damage buck health 0.4
frames 1
expect decorator buck VX_Brackenfold_BleedingSeconds 6
target buck
frames 2
damage buck health 0.1
wait 5s
expect decorator buck VX_Brackenfold_BleedingSince 0
untarget
wait 1min
expect running
)";
