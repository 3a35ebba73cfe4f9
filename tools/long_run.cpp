#include "long_run.h"

#include <cmath>
#include <cstdio>
#include <deque>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "competitions/hunting_competition_processor.h"
#include "sim/scenario/scenario.h"
#include "sim/world/chaos.h"
#include "sim/world/hash.h"
#include "sim/world/script_objects.h"
#include "sim/world/terrain.h"
#include "spine/entry.h"
#include "spine/plugin.h"

namespace longrun {

namespace {

using sim::Entity;
using sim::Game;
using sim::Vec3;
using sim::World;
using sim::scenario::ExpectationFailed;

// Where the player starts: the Heartlands, east of Emerald Ranch, where the demo session plays.
constexpr Vec3 kHome{1521.5f, 439.356f, 90.6807f};
// He turns back towards home beyond this.
constexpr float kHomeRange = 4000.0f;
constexpr uint64_t kDecideEveryFrames = 10;
constexpr float kShotRange = 70.0f;
constexpr uint32_t kShotEveryMs = 3000;
constexpr uint32_t kTradeEveryMs = 240000;
constexpr uint32_t kBaitEveryMs = 600000;
constexpr uint32_t kHoldAcceptMs = 1600;
constexpr uint32_t kOfferGiveUpMs = 12 * 60000;
constexpr size_t kMaxCargo = 5;
// Each decision during a competition or a trade: the chance that he shoots the rival, or the
// buyer (and, in a trade, that he aims his gun freely): about one competition in twenty, one trade
// in ten.
constexpr double kTurnOnRivalChance = 0.00003;
constexpr double kTurnOnBuyerChance = 0.001;

// Bounds of the judge.
constexpr uint64_t kMaxSilentFrames = 300;
constexpr uint32_t kCompetitionTravelMs = 20 * 60000;
constexpr uint32_t kOfferMaxMs = 4 * 3600000;
constexpr uint32_t kTradeMaxMs = 5 * 60000;
constexpr uint64_t kRestCheckEveryFrames = 300;
constexpr uint64_t kSettleFrames = 5;
constexpr uint64_t kProgressEveryFrames = 100000;
constexpr size_t kTailLines = 60;
constexpr uint64_t kFramesAfterRestart = 300;
// The longest the rival may stand without a task while the hunt runs.
constexpr uint32_t kRivalIdleMaxMs = 60000;
constexpr const char* kCompetitionAnimalMark = "VX_Brackenfold_Competition_Animal";

float flatDistance(Vec3 a, Vec3 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// Keeps the last lines written to it: the timeline of the run, shown when it fails.
class Tail : public std::streambuf {
  public:
    std::string text() const {
        std::string all;
        for (const auto& line : lines_)
            all += line + "\n";
        return all;
    }

  protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) return c;
        if (c == '\n') {
            lines_.push_back(std::move(current_));
            current_.clear();
            if (lines_.size() > kTailLines) lines_.pop_front();
        } else {
            current_ += static_cast<char>(c);
        }
        return c;
    }

  private:
    std::deque<std::string> lines_;
    std::string current_;
};

struct Figures {
    uint64_t offered = 0;
    uint64_t accepted = 0;
    uint64_t started = 0;
    std::map<int32_t, uint64_t> finished;  // by outcome
    uint64_t tradesStarted = 0;
    uint64_t tradesEnded = 0;
    uint64_t shots = 0;
    uint64_t kills = 0;
    uint64_t baits = 0;
    uint64_t restChecks = 0;
    // The longest the rival stood without a task in a running hunt, and the animals the
    // competitions put into the world.
    uint32_t rivalIdleMostMs = 0;
    uint64_t competitionAnimals = 0;
    sim::ChaosCounts chaos;         // of the game now played
    sim::ChaosCounts chaosEarlier;  // of the games played before it
    // The frame with the most native calls once start-up was over, and what the plug-in did.
    size_t worstCalls = 0;
    uint64_t worstFrame = 0;
    std::string worstWhat;

    // What chaos did in all the games of the run.
    sim::ChaosCounts chaosTotal() const {
        sim::ChaosCounts total = chaosEarlier;
        return total += chaos;
    }

    // Competitions that ended by their time cap or a kill, not by an abort.
    uint64_t finishedPlayed() const {
        uint64_t n = 0;
        for (const auto& [outcome, count] : finished)
            n += outcome >= 0 ? count : 0;
        return n;
    }

    uint64_t finishedTotal() const {
        uint64_t n = 0;
        for (const auto& [outcome, count] : finished)
            n += count;
        return n;
    }
};

const sim::ModelInfo& modelNamed(World& world, const char* name) {
    const sim::ModelInfo* model = world.models.find(sim::gameHash(name));
    if (!model) throw std::logic_error(std::string("the game has no model ") + name);
    return *model;
}

// The player: what a person at the keyboard does, one decision every few frames.
class Hunter {
  public:
    Hunter(uint32_t seed, Figures& figures) : random_(seed ^ 0x5EEDF00Du), figures_(&figures) {}

    void step(Game& game, bf::Plugin* plugin) {
        World& world = game.world();
        const uint64_t frame = game.frame();
        const uint32_t now = game.timer();
        if (releaseAt_ != 0 && frame >= releaseAt_) {
            world.prompts.release();
            releaseAt_ = 0;
        }
        if (baitUntil_ != 0 && now >= baitUntil_) {
            world.player.scenario = 0;
            baitUntil_ = 0;
        }
        Entity* me = world.entities.find(world.player.ped);
        if (!me || frame % kDecideEveryFrames != 0) return;
        if (me->dead) {
            if (mode_ != Mode::Wander) giveUp(game);
            return;
        }
        switch (mode_) {
            case Mode::Wander:
                wander(game, *me);
                break;
            case Mode::ToOffer:
                toOffer(game, *me);
                break;
            case Mode::Accepting:
                accepting(game);
                break;
            case Mode::Competing:
                competing(game, *me, plugin);
                break;
            case Mode::Trading:
                trading(game, *me, plugin);
                break;
        }
    }

  private:
    enum class Mode { Wander, ToOffer, Accepting, Competing, Trading };
    enum class TradeStep { Approach, Offer, Waiting };

    void setMode(Mode mode, uint32_t now) {
        mode_ = mode;
        modeSince_ = now;
    }

    void giveUp(Game& game) {
        World& world = game.world();
        world.prompts.release();
        world.player.lawIncident = false;
        releaseAt_ = 0;
        if (world.player.target != 0) sim::closeInspection(game);
        if (mode_ == Mode::Trading) endTrade(game);
        setMode(Mode::Wander, game.timer());
    }

    // The offer's blip ("Hunting Competition"), if the map shows one.
    static const sim::Blip* offerBlip(const World& world) {
        for (const auto& [handle, blip] : world.blips.all()) {
            if (contains(blip.name, "Hunting Competition")) return &blip;
        }
        return nullptr;
    }

    static Vec3 blipPoint(const World& world, const sim::Blip& blip) {
        if (const Entity* e = world.entities.find(blip.entity)) return e->position;
        return blip.position;
    }

    void walkTo(World& world, Vec3 to) {
        if (const auto ground = sim::Terrain::heightAt(to.x, to.y)) to.z = *ground;
        world.player.walkTarget = to;
        world.player.walkToEntity = 0;
        world.player.walking = true;
    }

    void stand(World& world) { world.player.walking = false; }

    void wander(Game& game, Entity& me) {
        World& world = game.world();
        const uint32_t now = game.timer();
        if (const sim::Blip* blip = offerBlip(world); blip && blip->handle != declinedOffer_) {
            // Most offers he takes up; some he lets pass.
            if (random_.chance() < 0.85) {
                setMode(Mode::ToOffer, now);
                return;
            }
            declinedOffer_ = blip->handle;
        }
        if (now - lastTrade_ > kTradeEveryMs && random_.chance() < 0.02) {
            startTrade(game, me);
            return;
        }
        if (now - lastBait_ > kBaitEveryMs && random_.chance() < 0.01) {
            lastBait_ = now;
            ++figures_->baits;
            stand(world);
            world.player.scenario = sim::gameHash("WORLD_PLAYER_PLACE_BAIT_NORMAL");
            baitUntil_ = now + 1000;
            return;
        }
        hunt(game, me);
        if (!world.player.walking) pickWalk(world, me);
    }

    void pickWalk(World& world, const Entity& me) {
        if (flatDistance(me.position, kHome) > kHomeRange) {
            walkTo(world, kHome);
            return;
        }
        for (int tries = 0; tries < 8; ++tries) {
            const float angle = random_.floatInRange(0.0f, 6.2831853f);
            const float reach = random_.floatInRange(150.0f, 400.0f);
            const Vec3 to{me.position.x + reach * std::cos(angle),
                          me.position.y + reach * std::sin(angle), me.position.z};
            if (sim::Terrain::onMainland(to.x, to.y)) {
                walkTo(world, to);
                return;
            }
        }
        walkTo(world, kHome);
    }

    // Shoots the nearest live wild animal within range, now and then.
    void hunt(Game& game, Entity& me) {
        World& world = game.world();
        const uint32_t now = game.timer();
        if (now - lastShot_ < kShotEveryMs) return;
        Entity* prey = nullptr;
        float best = kShotRange;
        for (auto& [handle, e] : world.entities.all()) {
            if (e.kind != sim::EntityKind::Ped || e.dead || handle == me.handle) continue;
            const sim::ModelInfo* model = world.models.find(e.model);
            if (!model || model->human || model->horse || e.trade.onHorse != 0) continue;
            const float d = flatDistance(me.position, e.position);
            if (d < best) {
                best = d;
                prey = &e;
            }
        }
        if (!prey) return;
        lastShot_ = now;
        shoot(game, me, *prey);
    }

    // A head shot that kills, a body shot that wounds, or one that kills.
    void shoot(Game& game, Entity& me, Entity& prey) {
        ++figures_->shots;
        const double shot = random_.chance();
        const bool head = shot < 0.45;
        const bool kill = shot < 0.45 || shot >= 0.75;
        if (kill) ++figures_->kills;
        sim::damagePed(game, prey, me.handle, me.currentWeapon,
                       head ? sim::kBoneHead : sim::kBoneSpine, kill ? 0.0f : 0.4f, kill);
    }

    void toOffer(Game& game, Entity& me) {
        World& world = game.world();
        const uint32_t now = game.timer();
        const sim::Blip* blip = offerBlip(world);
        if (!blip || now - modeSince_ > kOfferGiveUpMs) {
            if (blip) declinedOffer_ = blip->handle;
            setMode(Mode::Wander, now);
            return;
        }
        const Vec3 camp = blipPoint(world, *blip);
        // The rival: the man a script put at the camp.
        const Entity* rival = nullptr;
        for (const auto& [handle, e] : world.entities.all()) {
            if (e.kind != sim::EntityKind::Ped || e.dead || !e.missionEntity) continue;
            const sim::ModelInfo* model = world.models.find(e.model);
            if (model && model->human && flatDistance(e.position, camp) < 30.0f) rival = &e;
        }
        // He rides there when his horse is at hand, and gets down near the camp: a competition is
        // hunted on foot.
        const Entity* horse = world.entities.find(horse_);
        const float toCamp = flatDistance(me.position, camp);
        if (me.trade.mount == 0 && horse && !horse->dead && toCamp > 60.0f &&
            flatDistance(horse->position, me.position) < 40.0f)
            sim::mountHorse(world, me, horse_);
        if (me.trade.mount != 0 && toCamp < 40.0f) sim::dismountHorse(world, me);
        if (rival && flatDistance(me.position, rival->position) < 8.0f) {
            stand(world);
            sim::inspectPed(game, rival->handle);
            offer_ = blip->handle;
            holding_ = false;
            setMode(Mode::Accepting, now);
            return;
        }
        walkTo(world, rival ? rival->position : camp);
    }

    void accepting(Game& game) {
        World& world = game.world();
        const uint32_t now = game.timer();
        if (holding_) {
            if (releaseAt_ != 0) return;
            sim::closeInspection(game);
            setMode(Mode::Competing, now);
            return;
        }
        if (now - modeSince_ > 20000) {
            declinedOffer_ = offer_;
            giveUp(game);
            return;
        }
        for (const sim::Prompt* p : world.prompts.shown(world.player.target)) {
            if (!p->enabled || !contains(p->text, "Join")) continue;
            world.prompts.hold(p->control);
            releaseAt_ = game.frame() + kHoldAcceptMs / Game::kFrameMs + 2;
            holding_ = true;
            return;
        }
    }

    void competing(Game& game, Entity& me, bf::Plugin* plugin) {
        World& world = game.world();
        const uint32_t now = game.timer();
        bf::HuntingCompetitionProcessor* processor =
            plugin ? plugin->competitions().processor() : nullptr;
        const int32_t state = processor ? processor->state() : bf::kStateFinished;
        const bool underWay = state == bf::kStateAccepted || state == bf::kStateTravelling ||
                              state == bf::kStateRunning;
        if (!underWay) {
            // Not taken (or over): back to his own hunting.
            if (!processor || state == bf::kStateFinished || now - modeSince_ > 30000)
                setMode(Mode::Wander, now);
            return;
        }
        // Now and then he turns on the rival instead.
        if (Entity* rival = world.entities.find(processor->info().opponentPed);
            rival && !rival->dead && random_.chance() < kTurnOnRivalChance) {
            shoot(game, me, *rival);
            return;
        }
        const bf::Vector3 centre = processor->info().spawnLocation.position;
        const Vec3 area{centre.x, centre.y, me.position.z};
        if (flatDistance(me.position, area) > 60.0f) {
            walkTo(world, area);
        } else if (!world.player.walking) {
            const float angle = random_.floatInRange(0.0f, 6.2831853f);
            walkTo(world,
                   {area.x + 40.0f * std::cos(angle), area.y + 40.0f * std::sin(angle), area.z});
        }
        hunt(game, me);
    }

    void startTrade(Game& game, Entity& me) {
        World& world = game.world();
        const uint32_t now = game.timer();
        lastTrade_ = now;
        stand(world);
        Entity* horse = world.entities.find(world.hunting.playerMount);
        if (!horse || horse->dead) horse = world.entities.find(horse_);
        if (!horse || horse->dead || flatDistance(horse->position, me.position) > 30.0f) {
            const Vec3 at{me.position.x + 2.0f, me.position.y, me.position.z};
            horse =
                &sim::spawnPed(game, modelNamed(world, "a_c_horse_morgan_bay"), at, 0.0f, 1, 1.0f);
            horse_ = horse->handle;
        }
        // Mostly he stays in the saddle; now and then he gets down and leads the horse.
        if (random_.chance() < 0.3) {
            if (me.trade.mount != 0) sim::dismountHorse(world, me);
            sim::leadHorse(world, me, horse->handle);
            world.hunting.playerMount = 0;
        } else if (me.trade.mount != horse->handle) {
            sim::mountHorse(world, me, horse->handle);
        }
        static const char* const kPelts[] = {"a_c_buck_01", "a_c_boar_01", "a_c_deer_01"};
        // A horse carries a few pelts and carcasses: what was not sold stays on it.
        const int32_t count = random_.intInRange(1, 4);
        for (int32_t i = 0; i < count && horse->trade.cargo.size() < kMaxCargo; ++i) {
            const char* pelt = kPelts[random_.intInRange(0, 3)];
            sim::addCargo(game, *horse, sim::gameHash(pelt), random_.chance() < 0.7,
                          random_.intInRange(0, 3), 0.0f);
        }
        const Vec3 at{me.position.x + 2.5f, me.position.y, me.position.z};
        Entity& buyer =
            sim::spawnPed(game, modelNamed(world, "a_m_m_rancher_01"), at, 0.0f, 1, 1.0f);
        buyer_ = buyer.handle;
        // Some passers-by come riding.
        if (random_.chance() < 0.4) {
            buyerMount_ =
                sim::spawnPed(game, modelNamed(world, "a_c_horse_morgan_bay"), at, 0.0f, 1, 1.0f)
                    .handle;
            sim::mountHorse(world, *world.entities.find(buyer_), buyerMount_);
        }
        tradeStep_ = TradeStep::Approach;
        stepAt_ = now + 4000;
        setMode(Mode::Trading, now);
    }

    void trading(Game& game, Entity& me, bf::Plugin* plugin) {
        World& world = game.world();
        const uint32_t now = game.timer();
        const bool buyerHere = world.entities.exists(buyer_);
        switch (tradeStep_) {
            case TradeStep::Approach:
                if (!buyerHere) return giveUp(game);
                if (now < stepAt_) return;
                sim::inspectPed(game, buyer_);
                tradeStep_ = TradeStep::Offer;
                stepAt_ = now + 10000;
                return;
            case TradeStep::Offer:
                for (const sim::Prompt* p : world.prompts.shown(world.player.target)) {
                    if (!p->enabled || !contains(p->text, "Offer your cargo")) continue;
                    world.prompts.press(p->control);
                    releaseAt_ = game.frame() + 1;
                    tradeStep_ = TradeStep::Waiting;
                    stepAt_ = now;
                    return;
                }
                if (now > stepAt_ || !buyerHere) giveUp(game);
                return;
            case TradeStep::Waiting: {
                const bool running = plugin && plugin->trading().executor();
                // Or on the buyer, or he draws his gun while the man looks the pelts over.
                if (Entity* buyer = world.entities.find(buyer_);
                    running && buyer && !buyer->dead && random_.chance() < kTurnOnBuyerChance)
                    shoot(game, me, *buyer);
                // Threatening a man with a gun is a crime: the law takes note.
                world.player.lawIncident = running && random_.chance() < kTurnOnBuyerChance;
                // The trade's own bound is the judge's; he waits a little longer than that.
                if ((!running && now - stepAt_ > 2000) || now - stepAt_ > kTradeMaxMs + 60000)
                    giveUp(game);
                return;
            }
        }
    }

    // The passer-by walks on: the game removes him as it removes its own people.
    void endTrade(Game& game) {
        for (int32_t* ped : {&buyer_, &buyerMount_}) {
            if (game.world().entities.exists(*ped)) sim::removePedFromWorld(game, *ped);
            *ped = 0;
        }
    }

    sim::Random random_;
    Figures* figures_;
    Mode mode_ = Mode::Wander;
    uint32_t modeSince_ = 0;
    uint64_t releaseAt_ = 0;
    uint32_t baitUntil_ = 0;
    uint32_t lastShot_ = 0;
    uint32_t lastTrade_ = 0;
    uint32_t lastBait_ = 0;
    int32_t declinedOffer_ = 0;
    int32_t offer_ = 0;
    bool holding_ = false;
    int32_t horse_ = 0;
    int32_t buyer_ = 0;
    int32_t buyerMount_ = 0;
    TradeStep tradeStep_ = TradeStep::Approach;
    uint32_t stepAt_ = 0;
};

// Watches every frame and every log line; throws ExpectationFailed when a rule breaks.
class Judge {
  public:
    explicit Judge(Figures& figures) : figures_(&figures) {}

    void logLine(const std::string& line) {
        // Log lines start with their time stamp: "[6/12/2026 19:40:26] text".
        const size_t stamp = line.find("] ");
        const std::string text = line.size() > 0 && line[0] == '[' && stamp != std::string::npos
                                     ? line.substr(stamp + 2)
                                     : line;
        if (contains(text, "Something wrong happened"))
            throw ExpectationFailed("the plug-in stopped itself: " + text);
        if (!text.empty() && text == lastLine_) {
            if (++repeats_ > kMaxRepeatedLogLines)
                throw ExpectationFailed("the log repeats \"" + text + "\" " +
                                        std::to_string(repeats_) + " times in a row");
        } else {
            lastLine_ = text;
            repeats_ = 1;
        }
        if (contains(text, "HuntingCompetitionsManager: competition created")) ++figures_->offered;
        if (contains(text, "competition accepted")) ++figures_->accepted;
        if (contains(text, "competition started - opponents arrived")) ++figures_->started;
        if (contains(text, "TradeInteractions: trade initiated")) ++figures_->tradesStarted;
        static const std::string kFinished = "competition finished with outcome: ";
        if (const size_t at = text.find(kFinished); at != std::string::npos)
            ++figures_->finished[std::atoi(text.c_str() + at + kFinished.size())];
    }

    void afterFrame(Game& game, bf::Plugin* plugin) {
        const uint64_t frame = game.frame();
        const uint32_t now = game.timer();
        figures_->chaos = game.world().chaos.counts();
        silentFrames_ = game.callsLastFrame() == 0 ? silentFrames_ + 1 : 0;
        if (silentFrames_ > kMaxSilentFrames)
            fail(game, "the plug-in has called no native for " + std::to_string(silentFrames_) +
                           " frames");
        if (!plugin) return;
        if (game.callsLastFrame() > figures_->worstCalls) noteWorstFrame(game, *plugin);

        bf::HuntingCompetitionProcessor* processor = plugin->competitions().processor();
        const int32_t state = processor ? processor->state() : bf::kStateFinished;
        const bool underWay = state == bf::kStateAccepted || state == bf::kStateTravelling ||
                              state == bf::kStateRunning;
        offerSince_ = processor ? (offerSince_ ? offerSince_ : now) : 0;
        underWaySince_ = underWay ? (underWaySince_ ? underWaySince_ : now) : 0;
        if (offerSince_ && now - offerSince_ > kOfferMaxMs)
            fail(game, "a competition has been held for " + minutes(now - offerSince_) +
                           " in state " + std::to_string(state));
        if (underWaySince_) {
            const uint32_t cap =
                static_cast<uint32_t>(std::max(processor->info().timeCapMinutes, 0) * 60000);
            if (now - underWaySince_ > cap + kCompetitionTravelMs)
                fail(game, "an accepted competition has not ended after " +
                               minutes(now - underWaySince_) + " (state " + std::to_string(state) +
                               ")");
        }

        watchRival(game, processor);
        watchCompetitionAnimals(game, processor);

        const bool trade = plugin->trading().executor() != nullptr;
        if (!trade && tradeSince_) ++figures_->tradesEnded;
        tradeSince_ = trade ? (tradeSince_ ? tradeSince_ : now) : 0;
        if (tradeSince_ && now - tradeSince_ > kTradeMaxMs)
            fail(game, "a trade has not ended after " + minutes(now - tradeSince_));

        // What an ended competition or trade held is let go over the next frame or two (the trade
        // prompt goes on the first frame without a target).
        restFrames_ = !processor && !trade ? restFrames_ + 1 : 0;
        if (restFrames_ == kSettleFrames ||
            (restFrames_ > kSettleFrames && frame % kRestCheckEveryFrames == 0))
            checkAtRest(game);
    }

  private:
    // While the hunt runs the rival always has something to do: a task, or a rest that ends.
    void watchRival(const Game& game, bf::HuntingCompetitionProcessor* processor) {
        const uint32_t now = game.timer();
        const Entity* rival =
            processor && processor->state() == bf::kStateRunning && processor->hunting()
                ? game.world().entities.find(processor->info().opponentPed)
                : nullptr;
        if (!rival || rival->dead || rival->tasks.busy()) {
            rivalIdleSince_ = 0;
            return;
        }
        if (rivalIdleSince_ == 0) rivalIdleSince_ = now;
        const uint32_t idle = now - rivalIdleSince_;
        figures_->rivalIdleMostMs = std::max(figures_->rivalIdleMostMs, idle);
        if (idle > kRivalIdleMaxMs)
            fail(game,
                 "the rival has stood without a task for " + minutes(idle) + " of a running hunt");
    }

    // An animal a competition put into the world stays until the competition's clean-up lets it
    // go (unmarked, to the game) or the game itself removes it (chaos): nothing else of the
    // plug-in may delete it.
    void watchCompetitionAnimals(const Game& game, bf::HuntingCompetitionProcessor* processor) {
        const World& world = game.world();
        const uint64_t removedByGame = world.chaos.counts().deletedScriptOwned;
        for (const int32_t handle : marked_) {
            if (world.entities.exists(handle) || removedByGame != removedByGameBefore_) continue;
            fail(game, "the competition's animal " + std::to_string(handle) +
                           " was deleted while the competition held it");
        }
        removedByGameBefore_ = removedByGame;
        marked_.clear();
        if (!processor) return;
        for (const bf::OwnedPed& ped : processor->info().createdPeds) {
            const Entity* e = world.entities.find(ped.get());
            if (!e) continue;
            const auto mark = e->decorators.find(kCompetitionAnimalMark);
            if (mark == e->decorators.end() || mark->second.i == 0) continue;
            marked_.push_back(ped.get());
            if (seen_.insert(ped.get()).second) ++figures_->competitionAnimals;
        }
    }

    void noteWorstFrame(const Game& game, const bf::Plugin& plugin) {
        figures_->worstCalls = game.callsLastFrame();
        figures_->worstFrame = game.frame();
        figures_->worstWhat.clear();
        for (size_t i = 0; i < static_cast<size_t>(bf::Activity::Count); ++i) {
            const auto activity = static_cast<bf::Activity>(i);
            const size_t calls = plugin.frameTally.calls(activity);
            if (calls == 0) continue;
            figures_->worstWhat += figures_->worstWhat.empty() ? "" : ", ";
            figures_->worstWhat +=
                std::string(bf::activityName(activity)) + " " + std::to_string(calls);
        }
    }

    static std::string minutes(uint32_t ms) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f min", ms / 60000.0);
        return text;
    }

    [[noreturn]] void fail(const Game& game, const std::string& what) {
        throw ExpectationFailed("frame " + std::to_string(game.frame()) + ": " + what);
    }

    // Nothing of a finished competition or trade is still held.
    void checkAtRest(const Game& game) {
        ++figures_->restChecks;
        const World& world = game.world();
        sim::ScriptObjects held = sim::scriptObjects(world);
        size_t baitBlips = 0;
        for (const auto& [handle, blip] : world.blips.all())
            baitBlips += contains(blip.name, "Bait") ? 1 : 0;
        held.blips -= baitBlips;
        // No one is left marked as in a trade.
        for (const auto& [handle, e] : world.entities.all()) {
            const auto mark = e.decorators.find("VX_Trading_isTradeInterationRunning");
            if (mark != e.decorators.end() && mark->second.i != 0)
                fail(game, "with no trade running, ped " + std::to_string(handle) +
                               " is still marked as in one");
        }
        // What start-up made for the plug-in's whole life (the places' scenario points).
        if (!baseline_) baseline_ = held;
        // Beside those, one prompt at most: the trade prompt, while the player targets someone.
        const size_t prompts = baseline_->prompts + (world.player.target != 0 ? 1 : 0);
        if (held.prompts > prompts)
            fail(game, "with no competition and no trade the plug-in holds " +
                           std::to_string(held.prompts) + " prompts");
        held.prompts = baseline_->prompts;
        if (held != *baseline_)
            fail(game, "with no competition and no trade the plug-in holds " + held.text() +
                           "; after start-up it held " + baseline_->text());
    }

    Figures* figures_;
    std::string lastLine_;
    int repeats_ = 0;
    uint64_t silentFrames_ = 0;
    uint32_t offerSince_ = 0;
    uint32_t underWaySince_ = 0;
    uint32_t tradeSince_ = 0;
    uint64_t restFrames_ = 0;
    std::optional<sim::ScriptObjects> baseline_;
    uint32_t rivalIdleSince_ = 0;
    std::vector<int32_t> marked_;
    std::set<int32_t> seen_;
    uint64_t removedByGameBefore_ = 0;
};

std::string setUp(const Options& options) {
    std::ostringstream scn;
    scn << "seed " << options.seed << "\n"
        << "data GeneralMeta.dat save_freq_sec=60\n"
        << "setting EnableTrading=1\n"
        << "player at " << kHome.x << " " << kHome.y << " " << kHome.z << "\n"
        << "player weapon WEAPON_RIFLE_SPRINGFIELD\n"
        << "player cash 10000000\n"
        << "ambient-animals on\n"
        << "frames " << options.frames
        << "\n"
        // The game quits and starts again: what the plug-in saved at the end loads back.
        << "restart\n"
        << "frames " << kFramesAfterRestart << "\n";
    return scn.str();
}

void printFigures(std::ostream& out, const Figures& f, const sim::scenario::FrameCost& cost) {
    out << "frames: " << cost.frames << "\n";
    out << "competitions: " << f.offered << " offered, " << f.accepted << " accepted, " << f.started
        << " started, " << f.finishedTotal() << " ended (";
    bool first = true;
    for (const auto& [outcome, count] : f.finished) {
        out << (first ? "" : ", ") << "outcome " << outcome << ": " << count;
        first = false;
    }
    out << "); " << f.finishedPlayed() << " played to the end\n";
    out << "the rival: at most " << f.rivalIdleMostMs / 1000
        << " s without a task in a running hunt; " << f.competitionAnimals
        << " competition animals put into the world, none deleted before the clean-up\n";
    out << "trades: " << f.tradesStarted << " started, " << f.tradesEnded << " ended\n";
    out << "the player: " << f.shots << " shots, " << f.kills << " kills, " << f.baits
        << " baits\n";
    const sim::ChaosCounts c = f.chaosTotal();
    out << "chaos: " << c.deletedScriptOwned << " of the plug-in's peds removed, "
        << c.deletedGameOwned << " of the game's, " << c.staleEvents << " stale events, "
        << c.loadsFailed << " loads failed, " << c.loadsDelayed << " late; the player moved "
        << c.playerMoved << ", killed " << c.playerKilled << ", mounted " << c.playerMounted
        << ", dismounted " << c.playerDismounted << ", mission flag switched " << c.missionSwitched
        << "; " << c.streamedOut << " of the game's peds streamed out\n";
    out << "held objects checked at rest: " << f.restChecks << " times\n";
    char mean[32];
    std::snprintf(mean, sizeof mean, "%.1f", cost.mean());
    out << "worst frame: " << cost.worstCalls << " natives in frame " << cost.worstFrame
        << "; after start-up: " << f.worstCalls << " in frame " << f.worstFrame << " ("
        << f.worstWhat << "); mean " << mean << "\n";
}

}  // namespace

int run(const Options& options, std::ostream& out) {
    Figures figures;
    Hunter hunter(options.seed, figures);
    Judge judge(figures);
    Tail tail;
    std::ofstream file;
    if (!options.timeline.empty()) file.open(options.timeline, std::ios::trunc);
    std::ostream timeline(file.is_open() ? static_cast<std::streambuf*>(file.rdbuf()) : &tail);

    sim::scenario::RunOptions run;
    run.plugin = &bf::libraryEntry;
    run.beforeGameEnds = &bf::stopPlugin;
    run.gameDir = options.gameDir;
    if (!options.distDir.empty()) run.distDir = options.distDir;
    run.seed = options.seed;
    run.seedGiven = true;
    run.chaos = options.chaos;
    run.chaosGiven = true;
    run.out = &timeline;
    run.logLine = [&](const std::string& line) { judge.logLine(line); };
    uint64_t lastFrame = 0;
    run.afterFrame = [&](Game& game) {
        // A game started again (its frames count from the start): the player and the judge
        // start afresh with it, the figures go on.
        if (game.frame() <= lastFrame) {
            figures.chaosEarlier = figures.chaosTotal();
            figures.chaos = {};
            hunter = Hunter(options.seed + 1, figures);
            judge = Judge(figures);
        }
        lastFrame = game.frame();
        bf::Plugin* plugin = bf::runningPlugin();
        if (plugin && !plugin->ready()) plugin = nullptr;
        judge.afterFrame(game, plugin);
        hunter.step(game, plugin);
        if (game.frame() % kProgressEveryFrames == 0) {
            out << "frame " << game.frame() << ": " << figures.accepted
                << " competitions taken up, " << figures.finishedTotal() << " ended; "
                << figures.tradesEnded << " of " << figures.tradesStarted << " trades ended"
                << std::endl;
        }
    };

    std::istringstream scenario(setUp(options));
    sim::scenario::Runner runner(run);
    int code = runner.run(sim::scenario::tokenize(scenario));
    // The population and hint files the run wrote all read back whole (a file that did not is
    // kept aside as .bad).
    std::error_code error;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(run.gameDir / "Brackenfold", error)) {
        if (entry.path().string().find(".bad") == std::string::npos) continue;
        timeline << "a written file did not read back: " << entry.path().string() << "\n";
        code = 1;
    }
    out << "long run: seed " << options.seed << ", chaos " << options.chaos << ", "
        << options.frames << " frames\n";
    printFigures(out, figures, runner.frameCost());
    if (code == 0 && figures.finishedPlayed() < options.minPlayed) {
        out << "fewer competitions played to the end than the " << options.minPlayed
            << " asked for\n";
        code = 1;
    }
    if (code != 0) {
        if (!file.is_open()) out << "the last lines of the timeline:\n" << tail.text();
        out << "outcome: FAILED\n";
        return 1;
    }
    out << "outcome: passed\n";
    return 0;
}

}  // namespace longrun
