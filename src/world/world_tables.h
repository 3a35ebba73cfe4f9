// The two world tables that start-up builds for the district table: the places list (named spots
// of each town's area with their scenario points) and the twelve fixed world positions.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/vector3.h"
#include "world/owned.h"

namespace bf {

// A spot where peds of the place can act out a scenario. `point` owns the game's scenario point
// when one was created for it (none for a plain record that only names the scenario).
struct PlacePoint {
    Vector3 offset;
    float heading = 0.0f;
    std::string scenario;
    OwnedScenarioPoint point;
};

class Place {
  public:
    Place(uint32_t id, uint32_t area, Vector3 centre, float radius, int32_t kind,
          const char* pedModel, std::string name);
    // Dropping a place gives its scenario points back to the game.
    virtual ~Place();

    // Adds a game scenario point at centre + offset; skipped when the game refuses it.
    void addScenarioPoint(Vector3 offset, float heading, const char* scenario);
    // Adds a point that only names its scenario.
    void addScenarioRecord(Vector3 offset, float heading, const char* scenario);

    uint32_t id;
    uint32_t area;
    Vector3 centre;
    float radius;
    int32_t kind;
    const char* pedModel;  // null when the place has no people of its own
    std::vector<PlacePoint> points;
    std::string name;
};

class PlacesList {
  public:
    // Adds a place under its area, numbering it with the next id.
    Place& add(uint32_t area, Vector3 centre, float radius, int32_t kind, const char* pedModel,
               std::string name);
    const std::map<uint32_t, std::vector<std::unique_ptr<Place>>>& all() const { return places_; }

  private:
    std::map<uint32_t, std::vector<std::unique_ptr<Place>>> places_;
    uint32_t nextId_ = 0;
};

using WorldPositionTable = std::map<int32_t, Vector3>;

// The eight builder steps, one per town, in a fixed order.
std::unique_ptr<PlacesList> buildPlacesList();
std::unique_ptr<WorldPositionTable> buildWorldPositionTable();

}  // namespace bf
