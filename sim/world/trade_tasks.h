// The tasks of a trade (riding, the inspection, taking and carrying cargo), carried out by the
// world's task step (world/tasks.h), and item sets.
//
// Item sets are sets of entities a script asks the game to fill (the cargo of a horse); the game
// keeps them until the script destroys them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace sim {

class Game;
struct Entity;
struct Task;

// One frame of a trading task; true when it has ended.
bool runTradeTask(Game& game, Entity& ped, Task& task);

class ItemSets {
  public:
    explicit ItemSets(uint32_t seed = 1) : state_(seed * 40503u + 0x17E) {}
    int32_t create();
    std::vector<int32_t>* find(int32_t handle);
    void destroy(int32_t handle) { sets_.erase(handle); }
    size_t live() const { return sets_.size(); }

  private:
    std::map<int32_t, std::vector<int32_t>> sets_;
    uint32_t state_;
};

// The game's side of trading that is not an entity's.
struct TradeWorld {
    ItemSets itemsets;
};

}  // namespace sim
