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

// Horses, dogs and the other domestic and tiny animals carry types that hunting leaves alone.
constexpr uint32_t kTypeHorse = 0x59F5325Du;
constexpr uint32_t kTypeDog = 0x373AD87Au;
constexpr uint32_t kTypeCat = 0xDC04C5CDu;
constexpr uint32_t kTypeRat = 0xB126EFB8u;
constexpr uint32_t kTypeSongbird = 0x9EB70D63u;
constexpr uint32_t kTypeFish = 0xBD2169A5u;

ModelInfo person(const char* name, uint32_t group, int32_t pedType) {
    ModelInfo m;
    m.name = name;
    m.human = true;
    m.relationshipGroup = group;
    m.pedType = pedType;
    return m;
}

ModelInfo creature(const char* name, uint32_t type, uint32_t group, const char* display,
                   int32_t sizeClass, const char* typeName) {
    ModelInfo m;
    m.name = name;
    m.animalType = type;
    m.typeName = typeName;
    m.relationshipGroup = group;
    m.pedType = kPedTypeAnimal;
    m.display = display;
    m.sizeClass = sizeClass;
    return m;
}

}  // namespace

Models::Models() {
    const uint32_t player = gameHash("PLAYER");
    const uint32_t civMale = gameHash("REL_CIV_MALE");
    const uint32_t civFemale = gameHash("REL_CIV_FEMALE");
    const uint32_t cop = gameHash("REL_COP");
    const uint32_t gang = gameHash("REL_CRIMINALS");
    const uint32_t wild = gameHash("REL_WILD_ANIMAL");
    const uint32_t domestic = gameHash("REL_DOMESTIC_ANIMAL");

    add(person("player_zero", player, kPedTypePlayer));
    add(person("player_three", player, kPedTypePlayer));
    for (const char* name : {"a_m_m_rancher_01", "a_m_m_valtownfolk_01", "a_m_m_rhdtownfolk_01",
                             "a_m_m_sdtownfolk_01", "a_m_m_bivfancytravellers_01"}) {
        add(person(name, civMale, kPedTypeCivMale));
    }
    for (const char* name : {"a_f_m_valtownfolk_01", "a_f_m_rhdtownfolk_01"}) {
        add(person(name, civFemale, kPedTypeCivFemale));
    }
    for (const char* name : {"s_m_m_ambientlawrural_01", "s_m_m_ambientsdpolice_01"}) {
        add(person(name, cop, kPedTypeCop));
    }
    for (const char* name :
         {"g_m_m_uniduster_01", "g_m_m_uniduster_02", "g_m_m_uniduster_03", "g_m_m_uniexconfeds_01",
          "g_m_y_uniexconfeds_01", "g_m_o_uniexconfeds_01", "g_m_m_uniswamp_01",
          "g_m_m_unibanditos_01", "g_m_m_uniinbred_01", "g_m_m_unimountainmen_01"}) {
        add(person(name, gang, kPedTypeGang));
    }
    for (const char* name :
         {"a_m_m_valfarmer_01", "a_m_m_huntertravelers_cool_01", "a_m_m_huntertravelers_warm_01"})
        add(person(name, civMale, kPedTypeCivMale));
    struct Animal {
        const char* name;
        const char* type;  // the word the type hash is made from
        const char* display;
        int32_t sizeClass;
    };
    // The fourteen animals of the hunting grounds, then other wild animals.
    const Animal animals[] = {
        {"a_c_alligator_01", "alligator", "Alligator", 3},
        {"a_c_bear_01", "bear", "Grizzly Bear", 4},
        {"a_c_buck_01", "deer", "Buck", 2},
        {"a_c_cougar_01", "cougar", "Cougar", 2},
        {"a_c_bull_01", "bull", "Bull", 4},
        {"a_c_moose_01", "moose", "Moose", 4},
        {"a_c_panther_01", "panther", "Panther", 2},
        {"a_c_boar_01", "boar", "Boar", 1},
        {"a_c_coyote_01", "coyote", "Coyote", 1},
        {"a_c_duck_01", "duck", "Duck", 0},
        {"a_c_goosecanada_01", "goose", "Canada Goose", 0},
        {"a_c_pronghorn_01", "pronghorn", "Pronghorn", 2},
        {"a_c_rabbit_01", "rabbit", "Rabbit", 0},
        {"a_c_bighornram_01", "bighorn", "Bighorn Ram", 2},
        {"a_c_deer_01", "deer", "Deer", 2},
        {"a_c_elk_01", "elk", "Elk", 3},
        {"a_c_wolf", "wolf", "Wolf", 1},
        {"a_c_fox_01", "fox", "Fox", 1},
        {"a_c_buffalo_01", "bison", "Bison", 4},
        {"a_c_raccoon_01", "raccoon", "Raccoon", 0},
    };
    for (const Animal& a : animals)
        add(creature(a.name, gameHash(a.type), wild, a.display, a.sizeClass, a.type));
    add(creature("a_c_buck_legendary_01", gameHash("deer"), wild, "Legendary Buck", 2, "deer"));
    for (const char* name : {"a_c_horse_morgan_bay", "a_c_horse_americanpaint_greyovero"}) {
        ModelInfo horse = creature(name, kTypeHorse, domestic, "Horse", 4, "horse");
        horse.horse = true;
        add(horse);
    }
    // Domestic and tiny animals, of the types hunting leaves alone.
    add(creature("a_c_dogcatahoulacur_01", kTypeDog, domestic, "Dog", 1, "dog"));
    add(creature("a_c_cat_01", kTypeCat, domestic, "Cat", 0, "cat"));
    add(creature("a_c_rat_01", kTypeRat, wild, "Rat", 0, "rat"));
    add(creature("a_c_songbird_01", kTypeSongbird, wild, "Songbird", 0, "songbird"));
    add(creature("a_c_fishbluegil_01_sm", kTypeFish, wild, "Bluegill", 0, "fish"));

    // Species tuning, by animal type.
    const std::map<std::string, std::set<int32_t>> tuning = {
        {"deer", {kTuningHerbivore}},
        {"elk", {kTuningHerbivore}},
        {"moose", {kTuningHerbivore}},
        {"pronghorn", {kTuningHerbivore}},
        {"bighorn", {kTuningHerbivore}},
        {"bison", {kTuningHerbivore}},
        {"rabbit", {kTuningHerbivore}},
        {"horse", {kTuningHerbivore}},
        {"bull", {kTuningHerbivore, kTuningLivestock}},
        {"goose", {kTuningHerbivore, kTuningIsBird}},
        {"duck", {kTuningIsBird}},
        {"songbird", {kTuningIsBird}},
        {"fish", {kTuningIsFish}},
    };
    for (auto& [hash, model] : models_) {
        auto it = tuning.find(model.typeName);
        if (it != tuning.end()) model.tuningBools = it->second;
    }

    for (auto& [hash, m] : models_)
        m.wild = !m.human && !m.horse;
    for (const char* name : {"a_c_dogcatahoulacur_01", "a_c_cat_01", "a_c_bull_01"})
        models_[gameHash(name)].wild = false;
    for (const char* name : {"a_c_duck_01", "a_c_goosecanada_01", "a_c_songbird_01"})
        models_[gameHash(name)].bird = true;
    for (const char* name : {"a_c_alligator_01", "a_c_bear_01", "a_c_cougar_01", "a_c_panther_01",
                             "a_c_coyote_01", "a_c_wolf", "a_c_fox_01"})
        models_[gameHash(name)].predator = true;
}

namespace {

const char* qualityWord(int32_t quality) {
    switch (quality) {
        case 0:
            return "Poor";
        case 2:
            return "Perfect";
        default:
            return "Good";
    }
}

}  // namespace

std::string ModelInfo::peltItem(int32_t quality) const {
    return std::string(qualityWord(quality)) + " " + display + " Pelt";
}

std::string ModelInfo::carcassItem(int32_t quality) const {
    return std::string(qualityWord(quality)) + " " + display + " Carcass";
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

const char* Models::typeName(uint32_t type) const {
    for (const auto& [hash, model] : models_) {
        if (type != 0 && model.animalType == type) return model.typeName.c_str();
    }
    return nullptr;
}

}  // namespace sim
