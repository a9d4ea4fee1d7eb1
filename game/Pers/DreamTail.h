#pragma once

#include "engine/Util/Vector2.h"

#include <array>
#include <cstddef>
#include <span>

// The tail of a wish bubble that was raised above another: its own tail, drawn in the picture, would
// point down at the bubble under it. A trail of puffs runs instead from the raised bubble down to where
// its tail would end unraised, else to its buyer's head: straight where the way is clear, else down past
// the left or the right of the bubbles in the way; where no way is clear of every other bubble, or
// every clear way is too long to read, it has no tail.
// Positions are the bubbles' top-left corners in their 80 x 72 frames.
class DreamTail
{
public:
    struct Puff
    {
        Korrin::Vector2 centre;
        bool big = false;
    };

    static constexpr std::size_t kMaxPuffs = 12;
    static constexpr float kFrameWidth = 80.0f;
    static constexpr float kFrameHeight = 72.0f;
    // The two puffs of the bubble picture's own tail, which the trail is stamped from.
    static constexpr Korrin::Vector2 kBigPuff{17.0f, 57.0f};
    static constexpr float kBigRadius = 4.5f;
    static constexpr Korrin::Vector2 kSmallPuff{10.0f, 64.0f};
    static constexpr float kSmallRadius = 3.0f;
    // Everything of the picture but its tail lies right of this column or above this row.
    static constexpr float kTailRight = 22.0f;
    static constexpr float kTailTop = 51.0f;

    // Plans the trail of the bubble drawn at `bubble` whose unraised place is `unraised`, of a buyer whose
    // head's centre is `head`, clear of the other bubbles of `placed` (every bubble of the frame, this one
    // among them).
    void Plan(const Korrin::Vector2& bubble, const Korrin::Vector2& unraised, const Korrin::Vector2& head,
              std::span<const Korrin::Vector2> placed);
    void Clear() { mCount = 0; }

    std::size_t GetCount() const { return mCount; }
    const Puff& GetPuff(std::size_t index) const { return mPuffs[index]; }

    // Whether a circle touches the cloud of a bubble at `bubble` (its tail not counted).
    static bool TouchesCloud(const Korrin::Vector2& centre, float radius, const Korrin::Vector2& bubble);

private:
    bool Straight(const Korrin::Vector2& bubble, const Korrin::Vector2& end,
                  std::span<const Korrin::Vector2> placed);
    bool Around(const Korrin::Vector2& bubble, const Korrin::Vector2& end,
                std::span<const Korrin::Vector2> placed, bool right);
    // Lays puffs along the way through `points`; false when one of them touches another bubble than the
    // one at `own`.
    bool Lay(std::span<const Korrin::Vector2> points, const Korrin::Vector2& own,
             std::span<const Korrin::Vector2> placed);

    std::array<Puff, kMaxPuffs> mPuffs{};
    std::size_t mCount = 0;
};
