#include "world/towns.h"

namespace bf {

namespace {

std::shared_ptr<const TownRecord> town(TownRecord record) {
    return std::make_shared<const TownRecord>(std::move(record));
}

}  // namespace

TownRecords buildTownRecords(bool disableGrizzlies) {
    TownRecord valentine{kTownValentine,
                         "Valentine",
                         {-284.0f, 788.0f, 118.3f},
                         180.0f,
                         "O'driscolls",
                         {"g_m_m_uniduster_01", "g_m_m_uniduster_02", "g_m_m_uniduster_03"},
                         {{-145.367f, 256.394f, 97.4866f}, {-661.155f, 273.297f, 90.8841f}}};
    if (!disableGrizzlies) {
        valentine.startPoints.push_back({-1068.52f, 2176.55f, 356.601f});
        valentine.startPoints.push_back({-967.042f, 2181.84f, 339.871f});
    }
    return {
        town(std::move(valentine)),
        town({kTownRhodes,
              "Rhodes",
              {1296.0f, -1300.0f, 77.0f},
              170.0f,
              "Lemoyne Raiders",
              {"g_m_m_uniexconfeds_01", "g_m_y_uniexconfeds_01", "g_m_o_uniexconfeds_01"},
              {}}),
        town({kTownSaintDenis,
              "Saint Denis",
              {2600.0f, -1250.0f, 52.0f},
              500.0f,
              "Night Folk",
              {"g_m_m_uniswamp_01"},
              {{1833.76f, -1070.07f, 40.7458f}, {1749.88f, -920.909f, 40.036f}}}),
        town({kTownBlackwater,
              "Blackwater",
              {-805.0f, -1300.0f, 43.5f},
              200.0f,
              "Del Lobos",
              {"g_m_m_unibanditos_01"},
              {{-999.56f, -1740.29f, 73.6095f}, {-2187.83f, -1563.26f, 150.772f}}}),
        town({kTownArmadillo,
              "Armadillo",
              {-3690.0f, -2615.0f, -13.5f},
              150.0f,
              "Del Lobos",
              {"g_m_m_unibanditos_01"},
              {}}),
        town({kTownTumbleweed,
              "Tumbleweed",
              {-5505.0f, -2950.0f, -1.8f},
              150.0f,
              "Del Lobos",
              {"g_m_m_unibanditos_01"},
              {}}),
        town({kTownAnnesburg,
              "Annesburg",
              {2930.0f, 1320.0f, 44.5f},
              170.0f,
              "Murfree Brood",
              {"g_m_m_uniinbred_01"},
              {}}),
        town({kTownStrawberry,
              "Strawberry",
              {-1790.0f, -410.0f, 155.5f},
              140.0f,
              "Skinner Brothers",
              {"g_m_m_unimountainmen_01"},
              {}}),
    };
}

}  // namespace bf
