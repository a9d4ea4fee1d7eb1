#pragma once

#include "engine/Util/Rect.h"

#include <cstdint>

namespace Korrin
{
class ParticleSystem;
} // namespace Korrin

// One decoration of the main menu's picture, earned by the achievement whose id is its key: a frame of
// the rewards sprite at a fixed place, its three effects and the faint ghost shown on hover before it
// is earned.
struct RewardItem
{
    static constexpr float kDefaultAppearTime = 1.5707964f;

    float x = 0.0f;
    float y = 0.0f;
    Korrin::ParticleSystem* addEffect = nullptr;    // the particle manager's
    Korrin::ParticleSystem* selectEffect = nullptr; // the particle manager's
    Korrin::ParticleSystem* shineEffect = nullptr;  // the particle manager's
    std::uint32_t frame = 0;
    float appearTime = kDefaultAppearTime;
    float hoverTime = 0.0f;
    float ghostAlpha = 0.0f;
    bool hovered = false;
    Korrin::Rect hitRect{0.0f, 0.0f, 0.0f, 0.0f};

    // Edges included.
    bool Contains(float px, float py) const
    {
        return px >= hitRect.left && px <= hitRect.right && py >= hitRect.top && py <= hitRect.bottom;
    }
};
