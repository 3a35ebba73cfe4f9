#include "sim/world/models.h"

#include "sim/world/entities.h"

namespace sim {

namespace {

constexpr int32_t kPedTypePlayer = 0;
constexpr int32_t kPedTypeCivMale = 4;
constexpr int32_t kPedTypeCivFemale = 5;
constexpr int32_t kPedTypeCop = 6;
constexpr int32_t kPedTypeGang = 7;
constexpr int32_t kPedTypeAnimal = 28;

// Horses and dogs carry types that hunting features leave alone.
constexpr uint32_t kTypeHorse = 0x59F5325Du;
constexpr uint32_t kTypeDog = 0x373AD87Au;

}  // namespace

Models::Models() {
    const uint32_t player = gameHash("PLAYER");
    const uint32_t civMale = gameHash("REL_CIV_MALE");
    const uint32_t civFemale = gameHash("REL_CIV_FEMALE");
    const uint32_t cop = gameHash("REL_COP");
    const uint32_t gang = gameHash("REL_CRIMINALS");
    const uint32_t wild = gameHash("REL_WILD_ANIMAL");
    const uint32_t domestic = gameHash("REL_DOMESTIC_ANIMAL");

    add({"player_zero", true, 0, player, kPedTypePlayer});
    add({"player_three", true, 0, player, kPedTypePlayer});
    for (const char* name : {"a_m_m_rancher_01", "a_m_m_valtownfolk_01", "a_m_m_rhdtownfolk_01",
                             "a_m_m_sdtownfolk_01", "a_m_m_bivfancytravellers_01"}) {
        add({name, true, 0, civMale, kPedTypeCivMale});
    }
    for (const char* name : {"a_f_m_valtownfolk_01", "a_f_m_rhdtownfolk_01"}) {
        add({name, true, 0, civFemale, kPedTypeCivFemale});
    }
    for (const char* name : {"s_m_m_ambientlawrural_01", "s_m_m_ambientsdpolice_01"}) {
        add({name, true, 0, cop, kPedTypeCop});
    }
    for (const char* name :
         {"g_m_m_uniduster_01", "g_m_m_uniduster_02", "g_m_m_uniduster_03", "g_m_m_uniexconfeds_01",
          "g_m_y_uniexconfeds_01", "g_m_o_uniexconfeds_01", "g_m_m_uniswamp_01",
          "g_m_m_unibanditos_01", "g_m_m_uniinbred_01", "g_m_m_unimountainmen_01"}) {
        add({name, true, 0, gang, kPedTypeGang});
    }
    const std::pair<const char*, const char*> animals[] = {
        {"a_c_deer_01", "deer"},
        {"a_c_buck_01", "deer"},
        {"a_c_elk_01", "elk"},
        {"a_c_moose_01", "moose"},
        {"a_c_bear_01", "bear"},
        {"a_c_boar_01", "boar"},
        {"a_c_wolf", "wolf"},
        {"a_c_coyote_01", "coyote"},
        {"a_c_fox_01", "fox"},
        {"a_c_rabbit_01", "rabbit"},
        {"a_c_pronghorn_01", "pronghorn"},
        {"a_c_bighornram_01", "bighorn"},
        {"a_c_cougar_01", "cougar"},
        {"a_c_buffalo_01", "bison"},
    };
    for (const auto& [name, type] : animals)
        add({name, false, gameHash(type), wild, kPedTypeAnimal});
    add({"a_c_horse_morgan_bay", false, kTypeHorse, domestic, kPedTypeAnimal});
    add({"a_c_dogcatahoulacur_01", false, kTypeDog, domestic, kPedTypeAnimal});
}

void applyModel(Entity& ped, const ModelInfo& model) {
    ped.animalType = model.animalType;
    ped.relationshipGroup = model.relationshipGroup;
    ped.pedType = model.pedType;
}

void Models::add(ModelInfo info) {
    const uint32_t hash = gameHash(info.name);
    models_[hash] = std::move(info);
}

const ModelInfo* Models::find(uint32_t hash) const {
    auto it = models_.find(hash);
    return it == models_.end() ? nullptr : &it->second;
}

}  // namespace sim
