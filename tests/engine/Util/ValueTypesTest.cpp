#include "engine/Util/Colour.h"
#include "engine/Util/Vector2.h"

#include <gtest/gtest.h>

using Korrin::Colour;
using Korrin::Vector2;

TEST(Colour, PacksAsAlphaRedGreenBlueWithRoundingAndClamping)
{
    struct Case
    {
        Colour colour;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {{1.0f, 0.5f, 0.0f, 0.25f}, 0x40FF8000u},
        {{2.0f, -1.0f, 1.5f, -0.5f}, 0x00FF00FFu},
        {{0.0f, 0.0f, 0.0f, 1.0f}, 0xFF000000u},
        {{1.0f / 255.0f, 0.499f / 255.0f, 0.999f, 0.0f}, 0x000100FFu},
    };
    for (const Case& each : cases)
    {
        EXPECT_EQ(each.colour.ToARGB(), each.expected) << std::hex << each.expected;
    }
}

TEST(Vector2, NormalizesToLengthOneAndLeavesZeroAlone)
{
    Vector2 vector{3.0f, 4.0f};
    vector.Normalize();
    EXPECT_FLOAT_EQ(vector.x, 0.6f);
    EXPECT_FLOAT_EQ(vector.y, 0.8f);

    Vector2 zero;
    EXPECT_EQ(zero.Normalize(), (Vector2{0.0f, 0.0f}));
}
