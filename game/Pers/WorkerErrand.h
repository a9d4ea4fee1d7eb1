#pragma once

#include <cstdint>

class EntityBuilding;
class EntityStorehouse;
class Entity;
class Pers;
struct WalkTarget;

// What the errand boy and the fairy share of their errands: finding the storehouse and their building,
// storing what they carry, starting their building's work, their idles and their nagging.
class WorkerErrand
{
public:
    // The frames of the worker's dream bubble that mean it cannot go on: no room or no inputs.
    static constexpr std::int32_t kCannotGoOn = 7;
    static constexpr std::int32_t kFirstMissingInput = 22;
    static constexpr std::int32_t kLastMissingInput = 32;

    // The level's storehouse; null in a level without one.
    static EntityStorehouse* Storehouse();
    // Where a worker stands at the storehouse; false in a level without one.
    static bool StorehouseTarget(WalkTarget& out);
    // The home entity as a production building; null for any other.
    static EntityBuilding* Building(Entity* home);
    // Puts the carried goods into a box of the storehouse: on success the goods leave the hands and the
    // bubble goes; without room the bubble says so and the goods stay.
    static bool StoreCarried(Pers& worker, EntityStorehouse& store);
    // The delivered inputs start the building's countdown, while it has a run to make.
    static void StartWork(EntityBuilding& building);
    // Adds dt to the nag timer; true when it passed the interval (it then starts at 0 again) while the
    // dream frame says the worker cannot go on.
    static bool NagDue(float& timer, float dt, float interval, std::int32_t dream);
    // 1, 2 or 3, from the engine's generator.
    static int IdleNumber();
};
