#pragma once

#include "engine/Util/SafeVector.h"

namespace Korrin
{
class ParticleSystem;
} // namespace Korrin

// The sparkle over a level button that shows a cup: it waits its delay, plays once and waits again.
struct CupSparkle
{
    float delay = 0.0f;
    Korrin::ParticleSystem* effect = nullptr; // the particle manager's
};

// One sparkle per level button, in button order.
using CupSparkleList = Korrin::SafeVector<CupSparkle>;
