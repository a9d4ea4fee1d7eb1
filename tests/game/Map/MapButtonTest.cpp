#include "game/MapButton.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

// Two buttons side by side; a frame is the cursor's place and the left button's state.
struct Frame
{
    float x;
    bool down;
};

struct Case
{
    const char* name;
    std::vector<Frame> frames;
    // The mouse states of the first and the second button in the last frame.
    std::uint32_t first;
    std::uint32_t second;
};

class MapButtonTest : public testing::TestWithParam<Case>
{
protected:
    MapButtonTest()
    {
        MapButton::pressedId = MapButton::kNothingPressed;
        mFirst.pos = {0.0f, 0.0f};
        mSecond.pos = {100.0f, 0.0f};
    }

    MapButton mFirst;
    MapButton mSecond;
};

constexpr float kOnFirst = 15.0f;
constexpr float kOnSecond = 115.0f;
constexpr float kOutside = 60.0f;

} // namespace

TEST_P(MapButtonTest, PressAndReleaseDecideTheClick)
{
    for (const Frame& frame : GetParam().frames)
    {
        mFirst.UpdateMouseAt(false, {frame.x, 25.0f}, frame.down);
        mSecond.UpdateMouseAt(false, {frame.x, 25.0f}, frame.down);
    }
    EXPECT_EQ(mFirst.mouse, GetParam().first);
    EXPECT_EQ(mSecond.mouse, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, MapButtonTest,
    testing::Values(
        Case{"hover", {{kOnFirst, false}}, MapButton::kHover, MapButton::kNone},
        Case{"press", {{kOnFirst, false}, {kOnFirst, true}}, MapButton::kPressed, MapButton::kNone},
        Case{"click", {{kOnFirst, true}, {kOnFirst, false}}, MapButton::kClicked, MapButton::kNone},
        Case{"pressed on one, released on the other: neither",
             {{kOnFirst, true}, {kOnSecond, true}, {kOnSecond, false}},
             MapButton::kNone,
             MapButton::kHover},
        Case{"left and came back while held: clicks",
             {{kOnFirst, true}, {kOutside, true}, {kOnFirst, true}, {kOnFirst, false}},
             MapButton::kClicked,
             MapButton::kNone},
        Case{"press outside dragged onto a button presses it",
             {{kOutside, true}, {kOnSecond, true}, {kOnSecond, false}},
             MapButton::kNone,
             MapButton::kClicked},
        Case{"release outside forgets the press",
             {{kOnFirst, true}, {kOutside, false}, {kOnFirst, false}},
             MapButton::kHover,
             MapButton::kNone}));

TEST(MapButton, ABlockedButtonNeitherHighlightsNorClicksAndForgetsItsPress)
{
    MapButton::pressedId = MapButton::kNothingPressed;
    MapButton button;
    button.UpdateMouseAt(false, {15.0f, 25.0f}, true);
    EXPECT_EQ(button.UpdateMouseAt(true, {15.0f, 25.0f}, false), MapButton::kNone);
    EXPECT_EQ(MapButton::pressedId, MapButton::kNothingPressed);
    EXPECT_EQ(button.UpdateMouseAt(true, {15.0f, 25.0f}, false), MapButton::kNone);
}

TEST(MapButton, TheHitBoxIsTheButtonsPlateEdgesIncluded)
{
    MapButton button;
    button.pos = {100.0f, 200.0f};
    EXPECT_TRUE(button.Contains({105.0f, 210.0f}));
    EXPECT_TRUE(button.Contains({130.0f, 240.0f}));
    EXPECT_FALSE(button.Contains({104.9f, 220.0f}));
    EXPECT_FALSE(button.Contains({120.0f, 240.1f}));
}
