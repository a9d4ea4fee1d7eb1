#pragma once

#include "engine/Util/Vector2.h"

#include <cstdint>

// One rival of the rivals' board: its bar's score, how fast it grows, and the animations of
// exchanging places and of leaving the race.
class CompeteRival
{
public:
    enum State : std::uint32_t
    {
        kIdle = 0,
        kFadingIn = 1,
        kExchanging = 2,
        kLeaving = 3,
        kGone = 4,
    };
    static constexpr std::uint32_t kUnset = 15;
    static constexpr float kSwapSeconds = 0.6f;
    static constexpr float kSwapAlpha = 0.3f;

    virtual ~CompeteRival() = default;

    void Update(float dt);

    std::uint32_t id = kUnset;
    std::uint32_t state = kIdle;
    float speed = 0.0f;
    float score = 0.0f;
    Korrin::Vector2 position;
    std::uint8_t flag = 1;
    float alpha = 1.0f;
    float verticalSpeed = 0.0f;
    Korrin::Vector2 target;
    float phase = 0.0f;
};
