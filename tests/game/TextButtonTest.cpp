#include "game/GUI/TextButton.h"

#include "tests/engine/Render/RenderFixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace
{

struct Step
{
    float x;
    float y;
    bool down;
    bool clicks;
};

constexpr float kIn = 150.0f;
constexpr float kOut = 500.0f;

} // namespace

TEST(TextButtonTest, AClickIsAReleaseOverTheButtonAfterAHoldOverIt)
{
    struct Case
    {
        const char* what;
        std::vector<Step> steps;
        std::uint32_t state;
    };
    const Case cases[] = {
        {"press and release over it",
         {{kIn, 210, false, false},
          {kIn, 210, true, false},
          {kIn, 210, false, true},
          {kIn, 210, false, false}},
         TextButton::kHover},
        {"press over it, let go off it",
         {{kIn, 210, true, false}, {kOut, 210, true, false}, {kOut, 210, false, false}},
         TextButton::kNormal},
        {"press outside, drag on, let go over it",
         {{kOut, 210, true, false}, {kIn, 210, true, false}, {kIn, 210, false, true}},
         TextButton::kHover},
        {"held over it",
         {{kIn, 210, true, false}, {kIn, 210, true, false}, {kIn, 210, true, false}},
         TextButton::kPressed},
        {"on the edges",
         {{100, 200, true, false}, {300, 230, false, true}, {300, 230, true, false}, {100, 230, false, true}},
         TextButton::kHover},
        {"just past the edge", {{100, 200, true, false}, {300.5f, 230, false, false}}, TextButton::kNormal},
        {"a position that is not a number",
         {{kIn, 210, true, false}, {std::nanf(""), 210, false, false}},
         TextButton::kNormal},
    };
    for (const Case& c : cases)
    {
        TextButton button;
        button.mRect = Korrin::Rect{100, 200, 300, 230};
        for (std::size_t i = 0; i < c.steps.size(); ++i)
        {
            const Step& step = c.steps[i];
            const Korrin::Vector2 mouse{step.x, step.y};
            EXPECT_EQ(button.UpdateWith(&mouse, step.down), step.clicks) << c.what << ", frame " << i;
        }
        EXPECT_EQ(button.GetState(), c.state) << c.what;
    }
    TextButton unknown;
    unknown.mRect = Korrin::Rect{0, 0, 1024, 768};
    EXPECT_FALSE(unknown.UpdateWith(nullptr, true)) << "no pointer: outside";
    EXPECT_EQ(unknown.GetState(), TextButton::kNormal);
}

TEST(TextButtonTest, ItDrawsWhiteUntilColouredAndItsUnderlineFromTheLeftEdge)
{
    TextButton button;
    button.mRect = Korrin::Rect{100, 200, 600, 230};
    const Korrin::Vector2 over{150, 210};
    for (const bool down : {false, true, false})
    {
        button.UpdateWith(&over, down);
        const Korrin::Colour& colour = button.GetColour();
        EXPECT_EQ(colour.red + colour.green + colour.blue + colour.alpha, 4.0f)
            << "state " << button.GetState();
    }
    const Korrin::Colour red{1, 0, 0, 1};
    const Korrin::Colour green{0, 1, 0, 1};
    const Korrin::Colour blue{0, 0, 1, 1};
    button.SetColours(red, green, blue);
    EXPECT_EQ(button.GetColour().green, 1.0f) << "hover";

    TestSupport::RenderFixture render;
    auto drawn = [&render](TextButton& drawnButton)
    {
        render.Render().BeginFrame();
        render.Render().BeginScene(nullptr);
        drawnButton.Draw();
        render.Render().EndScene();
        return render.BackBuffer();
    };
    // Not a pixel of the line without a width.
    const Platform::Image none = drawn(button);
    button.mUnderlineWidth = 40;
    const Platform::Image line = drawn(button);
    auto greenAt = [](const Platform::Image& image, int x, int y)
    {
        const std::uint32_t pixel = image.At(x, y);
        return ((pixel >> 8) & 0xFF) > 200 && ((pixel >> 16) & 0xFF) < 60;
    };
    int lit = 0;
    for (int x = 95; x < 160; ++x)
    {
        EXPECT_FALSE(greenAt(none, x, 230)) << x;
        const bool on = greenAt(line, x, 230) || greenAt(line, x, 229);
        lit += on ? 1 : 0;
        if (x < 99 || x > 141)
        {
            EXPECT_FALSE(on) << "x " << x;
        }
    }
    EXPECT_GE(lit, 38) << "the line runs from the left edge, 40 pixels, whatever the text";
}
