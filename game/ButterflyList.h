#pragma once

#include "engine/Util/SafeVector.h"

class Butterfly;

namespace Korrin
{
class RandomGenerator;
} // namespace Korrin

// A screen's butterflies (it owns them) and whether a resting one takes off under the pointer. The
// butterflies draw from the owner's random generator, which outlives the list.
struct ButterflyList
{
    explicit ButterflyList(Korrin::RandomGenerator& generator) : random(generator) {}

    Korrin::SafeVector<Butterfly*> butterflies{"ButterflyList"};
    bool reaction = false;
    Korrin::RandomGenerator& random;
};
