#include "game/Pers/DreamTail.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// Where a bubble's cloud lies in its frame, generously (its tail not counted, which by a buyer on the
// same spot the trail may meet): a trail must keep out of it, or it reads as pointing at that bubble.
bool InCloudBox(const Korrin::Vector2& point, const Korrin::Vector2& bubble)
{
    const float x = point.x - bubble.x;
    const float y = point.y - bubble.y;
    return (x > 8.0f && x < 79.0f && y > 2.0f && y < 56.0f) ||
           (x > 41.0f && x < 79.0f && y > 2.0f && y < 61.0f);
}

// A buyer's head's centre from its bubble's unraised place, as a buyer at the left of the field has it.
constexpr Korrin::Vector2 kHead{32.0f, 71.0f};

} // namespace

TEST(DreamTail, ARaisedBubblesTrailRunsToItsBuyerClearOfTheBubblesBelowOrIsLeftOut)
{
    enum class End
    {
        kNone,
        kTip, // where its tail would end unraised
        kHead,
    };
    const Korrin::Vector2 spot{300.0f, 400.0f};
    struct Case
    {
        std::string name;
        Korrin::Vector2 unraised;
        float lift;
        std::vector<Korrin::Vector2> others;
        End end;
    };
    const Case cases[] = {
        {"two on one spot: down past the left of the lower bubble", spot, 60.0f, {spot}, End::kTip},
        {"a little right of the lower bubble", {spot.x + 13.0f, spot.y}, 60.0f, {spot}, End::kTip},
        {"a little left of it", {spot.x - 13.0f, spot.y}, 60.0f, {spot}, End::kTip},
        {"a neighbour to the right: straight down beside it",
         spot,
         60.0f,
         {{spot.x + 50.0f, spot.y}},
         End::kTip},
        {"well right of the lower bubble: round its right to the head",
         {spot.x + 31.0f, spot.y},
         60.0f,
         {spot},
         End::kHead},
        {"three on one spot: the top one's way is too long",
         spot,
         120.0f,
         {spot, {spot.x, spot.y - 60.0f}},
         End::kNone},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        const Korrin::Vector2 raised{c.unraised.x, c.unraised.y - c.lift};
        const Korrin::Vector2 head{c.unraised.x + kHead.x, c.unraised.y + kHead.y};
        std::vector<Korrin::Vector2> placed = c.others;
        placed.push_back(raised);
        DreamTail tail;
        tail.Plan(raised, c.unraised, head, placed);
        ASSERT_EQ(tail.GetCount() > 0, c.end != End::kNone);
        if (c.end == End::kNone)
        {
            continue;
        }
        const DreamTail::Puff& first = tail.GetPuff(0);
        const DreamTail::Puff& last = tail.GetPuff(tail.GetCount() - 1);
        EXPECT_TRUE(first.big) << "big puffs by the bubble";
        EXPECT_FALSE(last.big) << "small ones by the buyer";
        EXPECT_LT(std::hypot(first.centre.x - raised.x - 40.0f, first.centre.y - raised.y - 50.0f), 35.0f)
            << "starts under the raised bubble";
        if (c.end == End::kTip)
        {
            EXPECT_NEAR(last.centre.x, c.unraised.x + DreamTail::kSmallPuff.x, 0.01f);
            EXPECT_GE(last.centre.y, c.unraised.y + DreamTail::kSmallPuff.y - 0.01f);
            EXPECT_LE(last.centre.y, c.unraised.y + DreamTail::kSmallPuff.y + 16.01f)
                << "at most a little lower, out from under a bubble";
        }
        else
        {
            EXPECT_LT(std::hypot(last.centre.x - head.x, last.centre.y - head.y), 20.0f) << "by the head";
        }
        for (std::size_t index = 0; index < tail.GetCount(); ++index)
        {
            for (const Korrin::Vector2& other : c.others)
            {
                EXPECT_FALSE(InCloudBox(tail.GetPuff(index).centre, other)) << "puff " << index;
            }
            if (index > 0)
            {
                const Korrin::Vector2& a = tail.GetPuff(index - 1).centre;
                const Korrin::Vector2& b = tail.GetPuff(index).centre;
                EXPECT_LT(std::hypot(b.x - a.x, b.y - a.y), 14.0f) << "no gap in the trail at puff " << index;
            }
        }
    }
}
