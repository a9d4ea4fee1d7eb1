#include "game/MapItem.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(MapItem, TheFadeRisesFallsAndStaysAWholeOpacityWhateverItsLength)
{
    struct Case
    {
        bool running;
        bool visible;
        float time;
        float length;
        float alpha;
    };
    const Case cases[] = {
        {true, true, 0.5f, 2.0f, 0.25f},  // appearing
        {true, false, 0.5f, 2.0f, 0.75f}, // going
        {false, true, 0.0f, 2.0f, 1.0f},  // standing
        // A length of zero (or less) in the data: the first frame of the effect is drawn with its
        // start, not with a division by zero.
        {true, true, 0.0f, 0.0f, 0.0f},
        {true, false, 0.0f, 0.0f, 0.0f},
        {true, true, 0.0f, -1.0f, 0.0f},
        {true, false, 0.0f, -1.0f, 0.0f},
    };
    for (const Case& test : cases)
    {
        MapItem item;
        item.effect = MapItem::kFade;
        item.running = test.running;
        item.visible = test.visible;
        item.time = test.time;
        item.timeEffect = test.length;
        const float alpha = item.FadeAlpha();
        EXPECT_TRUE(std::isfinite(alpha)) << test.length;
        EXPECT_FLOAT_EQ(alpha, test.alpha)
            << test.running << test.visible << " " << test.time << "/" << test.length;
    }
}
