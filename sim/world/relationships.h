// Relationship groups (by the hash of their name) and the levels between them: 0 companion,
// 1 respect, 2 like, 3 neutral, 4 dislike, 5 hate. A group is neutral to another until a script
// says otherwise, and a companion of itself.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace sim {

class Relationships {
  public:
    static constexpr int32_t kCompanion = 0;
    static constexpr int32_t kNeutral = 3;
    static constexpr int32_t kHate = 5;

    Relationships();
    // The group's hash; adding a group that exists changes nothing.
    uint32_t add(const std::string& name);
    bool exists(uint32_t group) const { return groups_.count(group) != 0; }
    // How `from` feels about `to` (one way).
    void set(int32_t level, uint32_t from, uint32_t to);
    int32_t level(uint32_t from, uint32_t to) const;

  private:
    std::set<uint32_t> groups_;
    std::map<std::pair<uint32_t, uint32_t>, int32_t> levels_;
};

}  // namespace sim
