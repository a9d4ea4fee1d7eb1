// Texts drawn by the software device and compared pixel for pixel with pictures kept in
// tests/fixtures/gui/golden. After a deliberate change to text layout or drawing, regenerate them with
//   WF_REGENERATE_GOLDEN=1 ./korrin_tests --gtest_filter='TextGolden*'
// and look at the new pictures before committing them.

#include "engine/File/FileSysManager.h"
#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/Text.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LocaleManager.h"
#include "tests/engine/Gui/GoldenPicture.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/support/ReportRecorder.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

using Korrin::Colour;
using Korrin::Font;
using Korrin::Rect;
using Korrin::Text;
using Korrin::Vector2;
using TestSupport::ReportRecorder;

namespace
{

constexpr int kWidth = 320;
constexpr int kHeight = 160;
constexpr std::uint32_t kCellColour = 0xFF608060u;

class TextGoldenTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ReportRecorder::Clear();
        mTexts.Load("strings.xml");
        mFont = mFonts.GetFont("golden_font.fnt");
    }

    // A cell's outline, so a picture shows where each text was laid out.
    void Outline(const Rect& area)
    {
        Korrin::RenderSystem& render = mFixture.Render();
        render.DrawLine(area.left, area.top, area.right, area.top, kCellColour);
        render.DrawLine(area.right, area.top, area.right, area.bottom, kCellColour);
        render.DrawLine(area.right, area.bottom, area.left, area.bottom, kCellColour);
        render.DrawLine(area.left, area.bottom, area.left, area.top, kCellColour);
    }

    void ExpectScene(const std::string& name, const std::function<void()>& draw)
    {
        TestSupport::ExpectGoldenPicture(mFixture, name, kWidth, kHeight, draw);
    }

    TestSupport::RenderFixture mFixture;
    Korrin::FileSysManager mFiles{WF_FIXTURES_DIR "/gui"};
    Korrin::SpriteManager mSprites;
    Korrin::FontManager mFonts;
    Korrin::LocaleManager mTexts;
    Font* mFont = nullptr;
};

const Colour kWhite{1, 1, 1, 1};

} // namespace

TEST_F(TextGoldenTest, OneLineInEachAlignment)
{
    ExpectScene(
        "alignment",
        [this]
        {
            const std::uint32_t horizontal[] = {0, Font::kAlignCentreX, Font::kAlignRight};
            const std::uint32_t vertical[] = {0, Font::kAlignCentreY};
            for (int row = 0; row < 2; ++row)
            {
                for (int column = 0; column < 3; ++column)
                {
                    const float left = 8.0f + 104.0f * static_cast<float>(column);
                    const float top = 8.0f + 48.0f * static_cast<float>(row);
                    const Rect cell{left, top, left + 96.0f, top + 40.0f};
                    Outline(cell);
                    mFont->DrawAligned(cell, u"Ab\u0416y", horizontal[column] | vertical[row], kWhite, 1.0f);
                }
            }
            // Centre wins over right; a wider spacing spreads the glyphs.
            const Rect both{8, 112, 152, 152};
            Outline(both);
            mFont->DrawAligned(both, u"both", Font::kAlignCentreX | Font::kAlignRight, kWhite, 1.0f);
            const Rect spaced{168, 112, 312, 152};
            Outline(spaced);
            mFont->DrawAligned(spaced, u"spaced", Font::kAlignCentreY, Colour{1, 0.8f, 0.3f, 1}, 1.5f);
        });
}

TEST_F(TextGoldenTest, WrappedParagraphsWithLineEnds)
{
    ExpectScene(
        "wrapping",
        [this]
        {
            const std::u16string text =
                u"The gardener waters the beds\nat dawn. \u0414\u043E\u0431\u0440\u043E!";
            const std::uint32_t flags[] = {0, Font::kAlignCentreX | Font::kAlignCentreY, Font::kAlignRight};
            for (int column = 0; column < 3; ++column)
            {
                const float left = 8.0f + 104.0f * static_cast<float>(column);
                const Rect cell{left, 8.0f, left + 96.0f, 150.0f};
                Outline(cell);
                mFont->DrawWrapped(cell, text, 1.0f, 1.0f, flags[column], kWhite, 1.0f, 1.0f);
            }
        });
}

TEST_F(TextGoldenTest, ClippedAndScaledTexts)
{
    ExpectScene("clipping_scaling",
                [this]
                {
                    // A caption from the translated texts, cut to a clip rectangle smaller than its area.
                    Text clipped;
                    clipped.mFont = mFont;
                    clipped.SetCaptionName("Greeting");
                    clipped.mTextArea = Rect{8, 8, 150, 70};
                    clipped.mClipRect = Rect{20, 12, 120, 40};
                    clipped.mFlags = Text::kAlignCentreX;
                    Outline(clipped.mClipRect);
                    clipped.Draw();

                    // Twice the size, and half as wide with a wider advance.
                    Text big;
                    big.mFont = mFont;
                    big.mCaption = u"Big Ab";
                    big.mTextArea = Rect{160, 8, 312, 80};
                    big.mScaleX = 2.0f;
                    big.mScaleY = 2.0f;
                    Outline(big.mTextArea);
                    big.Draw();
                    mFont->DrawAlignedScaled(Rect{160, 90, 312, 150}, u"narrow", 1.2f, 1.0f, 0.5f, 1.5f,
                                             Colour{0.5f, 1, 0.5f, 1},
                                             Font::kAlignRight | Font::kAlignCentreY);
                    Outline(Rect{160, 90, 312, 150});

                    // Codes the font lacks are skipped without a gap: one private-use character, a surrogate.
                    mFont->DrawText(Vector2{8, 100}, std::u16string{u'a', 0xE000, u'b', 0xD83D, 0xDE00, u'c'},
                                    1.0f, kWhite);
                });
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}
