#include "demo_session.h"

// A morning's hunt in the Heartlands, east of Emerald Ranch: every feature that has landed plays
// its part once. Each expectation is something a player would notice.
const char* const kDemoSession = R"(# Brackenfold demo session
seed 7
# The flight recorder is on: brackenfold-sim --replay plays this session again from its recording.
setting Recorder_Enabled=1
data GeneralMeta.dat save_freq_sec=60
setting HuntingCompetitions_TimeCap=5
setting EnableTrading=1
player at 1521.5 439.356 90.6807
frames 5
expect log "Brackenfold 1.2.0"
expect log "loading settings file: Brackenfold/Settings.ini"
wait 5s
expect log "loaded blips_mp"
expect running
ambient-animals on

# The hunter sets bait by the tree line; it gets a blip and the first-time hint.
place-bait
expect blip "Bait"
expect log "tutorial seen: bait_blip"

# A buck wanders out of the trees. The game sizes it as it appears.
spawn buck a_c_buck_01 at 1560 452 92 quality 2
frames 1
expect decorator buck VX_Brackenfold_Scale between 0.70 1.30
# A body shot leaves it at 40%: it bleeds; a second shot brings it down and it dies of the wounds.
damage buck health 0.4
frames 1
expect decorator buck VX_Brackenfold_BleedingSeconds 6
damage buck health 0.1
wait 10s
# Walking up to it and inspecting it shows the district's deer population and its weight.
player walk-to 1556 450 92
wait 30s
target buck
frames 6
expect sprite blips blip_animal
untarget

# Two more bucks fall; the Heartlands deer population drops with each kill, the first buck's
# death from its wounds included.
spawn buck2 a_c_buck_01 at 1580 470 92
spawn buck3 a_c_buck_01 at 1585 475 92
frames 1
damage buck2 kill
frames 1
damage buck3 head kill
frames 1
expect log-count "updating animal population factor" 3
# He wants to remember this moment: the recorder's marker key (Scroll Lock) marks it.
press key 145
frames 1
expect log "Recorder: marker 1 at frame"
# The periodic save writes the district's population file.
wait 70s
expect file Brackenfold/AnimalsPopulation/131399519.dat contains "837094928="

# Bare hands do nothing to a boar.
spawn boar a_c_boar_01 at 1500 430 90
frames 1
damage boar weapon WEAPON_UNARMED health 0.5
frames 1
expect no-decorator boar VX_Brackenfold_BleedingSeconds

# The hunter heads west towards Valentine; the game keeps adding wildlife round him.
player walk-to 1400 430 90
wait 2min

# Since the morning a rival's camp has stood on the hill to the south: he offers a contest.
expect log "HuntingCompetitionsManager: competition created."
expect blip "Hunting Competition"
ambient-animals off
player walk-to blip "Hunting Competition"
wait 6min
name rival newest human
player walk-to rival
wait 15s
target rival
frames 10
expect sprite generic_textures inkroller_1a
hold prompt 1500ms "Join the hunting competition"
expect log "competition accepted"
untarget
wait 35s
expect log "competition started"
# Whatever the competition spawns into the area is fair game for both of them: the first animal
# comes 30 s in, and he is quicker than the rival to it.
name prey newest animal
damage prey kill
frames 2
expect log "player scored: "
wait 5min
expect log "HuntingCompetitionProcessor: competition finished with outcome: "
expect blip-count 0

# Back on the road, on his horse with a perfect buck pelt, he meets a rancher and offers it.
player at 1400 430 90
spawn horse a_c_horse_morgan_bay at 1400 430 90
player mount horse
cargo horse add a_c_buck_01 pelt quality 2
spawn rancher a_m_m_rancher_01 at 1402.5 430 90
wait 6s
target rancher
frames 3
expect prompt "Offer your cargo" enabled
press prompt "Offer your cargo"
# He walks over, looks the pelt over, takes it and pays the listed $4.50.
wait 30s
expect log "TradeInteractionExecutor: outcome changed: 0 -> 2"
expect screen "$4.50"
expect cargo-count horse 0
untarget
expect no-log "Something wrong happened"
expect running
)";
