#include "game/Pers/DreamTail.h"

#include <algorithm>
#include <cmath>

namespace
{

struct Lobe
{
    float x;
    float y;
    float rx;
    float ry;
};

// The cloud's lobes in its frame, as the bubble picture paints them (its grey rim included).
constexpr std::array<Lobe, 5> kLobes{{{44.0f, 31.0f, 34.0f, 25.0f},
                                      {22.0f, 22.0f, 14.0f, 14.0f},
                                      {57.0f, 20.0f, 15.0f, 15.0f},
                                      {40.0f, 14.0f, 12.0f, 12.0f},
                                      {60.0f, 46.0f, 19.0f, 15.0f}}};
// Puffs this far apart along the way, and a gap kept from another bubble's rim.
constexpr float kSpacing = 11.0f;
constexpr float kGap = 3.0f;
// The cloud's left and right edges in its frame; the lower right corner a trail round the right starts at.
constexpr float kCloudLeft = 8.0f;
constexpr float kCloudRight = 79.0f;
constexpr Korrin::Vector2 kRightStart{70.0f, 63.0f};
// A trail to the buyer's head ends this far from the head's centre: above it, or at its right or left.
constexpr std::array<Korrin::Vector2, 3> kByHead{{{0.0f, -18.0f}, {16.0f, -8.0f}, {-16.0f, -8.0f}}};
// The big puffs come first, near the bubble.
constexpr std::size_t kBigPuffs = 3;
// How far the trail's end may move down, in steps, out from under another bubble.
constexpr int kEndSteps = 4;
constexpr float kEndStep = 4.0f;

float Distance(const Korrin::Vector2& a, const Korrin::Vector2& b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

bool Blocked(const Korrin::Vector2& centre, float radius, const Korrin::Vector2& own,
             std::span<const Korrin::Vector2> placed)
{
    return std::any_of(placed.begin(), placed.end(),
                       [&](const Korrin::Vector2& other)
                       { return other != own && DreamTail::TouchesCloud(centre, radius, other); });
}

} // namespace

bool DreamTail::TouchesCloud(const Korrin::Vector2& centre, float radius, const Korrin::Vector2& bubble)
{
    return std::any_of(kLobes.begin(), kLobes.end(),
                       [&](const Lobe& lobe)
                       {
                           const float dx = (centre.x - bubble.x - lobe.x) / (lobe.rx + radius + kGap);
                           const float dy = (centre.y - bubble.y - lobe.y) / (lobe.ry + radius + kGap);
                           return dx * dx + dy * dy < 1.0f;
                       });
}

void DreamTail::Plan(const Korrin::Vector2& bubble, const Korrin::Vector2& unraised,
                     const Korrin::Vector2& head, std::span<const Korrin::Vector2> placed)
{
    // Where the tail would end unraised, else just above the buyer's head, else beside it.
    const std::array<Korrin::Vector2, 4> targets{
        Korrin::Vector2{unraised.x + kSmallPuff.x, unraised.y + kSmallPuff.y},
        Korrin::Vector2{head.x + kByHead[0].x, head.y + kByHead[0].y},
        Korrin::Vector2{head.x + kByHead[1].x, head.y + kByHead[1].y},
        Korrin::Vector2{head.x + kByHead[2].x, head.y + kByHead[2].y}};
    for (std::size_t index = 0; index < targets.size(); ++index)
    {
        Korrin::Vector2 end = targets[index];
        // A bubble below may cover the tip: the trail then ends a little lower, by the buyer still.
        for (int step = 0; index == 0 && step < kEndSteps && Blocked(end, kSmallRadius, bubble, placed);
             ++step)
        {
            end.y += kEndStep;
        }
        if (!Blocked(end, kSmallRadius, bubble, placed) &&
            (Straight(bubble, end, placed) || Around(bubble, end, placed, false) ||
             Around(bubble, end, placed, true)))
        {
            return;
        }
    }
    mCount = 0;
}

bool DreamTail::Straight(const Korrin::Vector2& bubble, const Korrin::Vector2& end,
                         std::span<const Korrin::Vector2> placed)
{
    const std::array<Korrin::Vector2, 2> way{Korrin::Vector2{bubble.x + kBigPuff.x, bubble.y + kBigPuff.y},
                                             end};
    return Lay(way, bubble, placed);
}

bool DreamTail::Around(const Korrin::Vector2& bubble, const Korrin::Vector2& end,
                       std::span<const Korrin::Vector2> placed, bool right)
{
    // From the bubble's lower corner on that side, down past every bubble between the two ends.
    const Korrin::Vector2 start = right ? Korrin::Vector2{bubble.x + kRightStart.x, bubble.y + kRightStart.y}
                                        : Korrin::Vector2{bubble.x + kBigPuff.x, bubble.y + kBigPuff.y};
    float side = right ? std::max(start.x, end.x) : std::min(start.x, end.x);
    for (const Korrin::Vector2& other : placed)
    {
        if (other != bubble && other.y < end.y && other.y + kTailTop > start.y)
        {
            side = right ? std::max(side, other.x + kCloudRight + kBigRadius + kGap + 1.0f)
                         : std::min(side, other.x + kCloudLeft - kBigRadius - kGap - 1.0f);
        }
    }
    // The left way turns in to the end from above, as the picture's own tail runs; the right way comes
    // in level with the end, under the lobe that holds the count.
    const std::array<Korrin::Vector2, 4> way{start, Korrin::Vector2{side, start.y + 4.0f},
                                             Korrin::Vector2{side, right ? end.y : end.y - 14.0f}, end};
    return Lay(way, bubble, placed);
}

bool DreamTail::Lay(std::span<const Korrin::Vector2> points, const Korrin::Vector2& own,
                    std::span<const Korrin::Vector2> placed)
{
    mCount = 0;
    float total = 0.0f;
    for (std::size_t k = 1; k < points.size(); ++k)
    {
        total += Distance(points[k - 1], points[k]);
    }
    // Evenly spaced from end to end; a way that needs more puffs than a trail holds is too long to read.
    const auto count = static_cast<std::size_t>(std::max(2.0f, std::round(total / kSpacing) + 1.0f));
    if (count > kMaxPuffs)
    {
        return false;
    }
    const float spacing = total / static_cast<float>(count - 1);
    std::size_t segment = 1;
    float segmentStart = 0.0f;
    for (std::size_t index = 0; index < count; ++index)
    {
        const float along = spacing * static_cast<float>(index);
        float length = Distance(points[segment - 1], points[segment]);
        while (segment + 1 < points.size() && along > segmentStart + length)
        {
            segmentStart += length;
            ++segment;
            length = Distance(points[segment - 1], points[segment]);
        }
        const Korrin::Vector2& from = points[segment - 1];
        const Korrin::Vector2& to = points[segment];
        const float t = length > 0.0f ? std::min(1.0f, (along - segmentStart) / length) : 0.0f;
        Puff& puff = mPuffs[index];
        puff.centre = {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
        puff.big = index < kBigPuffs;
        const float radius = puff.big ? kBigRadius : kSmallRadius;
        if (Blocked(puff.centre, radius, own, placed))
        {
            return false;
        }
    }
    mCount = count;
    return true;
}
