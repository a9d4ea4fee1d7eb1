#pragma once

#include <cstddef>
#include <cstdint>

class Clickable;

// What the tutorial's tips read of a field entity, taken when they look: its selection and pages stay
// live on the object, the rest is read once.
struct WatchedEntity
{
    // Null when the level has no entity of the type code.
    Clickable* object = nullptr;
    // The entity is one of the kinds whose state the tips read: a garden, a building, the rope, the
    // storehouse or the shop.
    bool known = false;
    std::size_t tasks = 0;
    // A garden or building not yet bought.
    bool forSale = false;
    // A garden's or building's worker is hired.
    bool workerActive = false;
    // The storehouse or the shop holds goods that show.
    bool holdsGoods = false;
    // The rope's points.
    std::int32_t ropePoints = 0;
};
