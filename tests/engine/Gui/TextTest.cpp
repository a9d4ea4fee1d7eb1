#include "engine/Gui/Text.h"

#include "engine/File/FileSysManager.h"
#include "engine/Gui/FontManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

using Korrin::Colour;
using Korrin::Rect;
using Korrin::Text;
using TestSupport::ReportRecorder;

namespace
{

class TextTest : public testing::Test
{
protected:
    void SetUp() override { ReportRecorder::Clear(); }

    // Reads a text from a table written in script.
    Text Read(const std::string& table)
    {
        Korrin::LuaScript script;
        EXPECT_EQ(luaL_dostring(script.GetState(), ("T = " + table).c_str()), 0);
        Korrin::LuaStackGuard guard(script.GetState());
        Text text;
        text.ReadScript(script.GetGlobal("T"));
        return text;
    }

    TestSupport::LogCapture mLog;
    Korrin::FileSysManager mFiles{WF_FIXTURES_DIR "/gui"};
    Korrin::FontManager mFonts;
};

} // namespace

TEST_F(TextTest, ReadsEveryKeyOfItsTable)
{
    const Text text = Read(R"({ Font = "Small.fnt", Caption = "Greeting", TextArea = {1, 2, 3, 4},
        Colour = {0.5, 0.25, 1, 0.75}, HAlign = "right", VAlign = "bottom", SRatio = 1.5, HRatio = 2,
        SizeW = 3, SizeH = 4, ClipRect = {0, 0, 10, 0} })");
    EXPECT_EQ(text.mFont, mFonts.GetFont("small.fnt"));
    EXPECT_EQ(text.GetCaptionName(), "Greeting");
    EXPECT_EQ(text.mTextArea, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(text.mColour, (Colour{0.5f, 0.25f, 1.0f, 0.75f}));
    EXPECT_EQ(text.mFlags, Text::kAlignRight | Text::kAlignBottom);
    EXPECT_EQ(text.mRatioX, 1.5f);
    EXPECT_EQ(text.mRatioY, 2.0f);
    EXPECT_EQ(text.mScaleX, 3.0f);
    EXPECT_EQ(text.mScaleY, 4.0f);
    EXPECT_EQ(text.mClipRect, (Rect{0, 0, 10, 0}));
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(TextTest, KeysOfTheWrongFormKeepTheirDefaults)
{
    const Text text = Read(R"({ Font = {}, Caption = {}, TextArea = {1, 2, 3}, Colour = "red",
        HAlign = "Center", VAlign = "TOP", SRatio = "wide", ClipRect = {1, 2, 3, "x"} })");
    EXPECT_EQ(text.mFont, nullptr);
    EXPECT_EQ(text.GetCaptionName(), "");
    EXPECT_EQ(text.mTextArea, Rect{});
    EXPECT_EQ(text.mColour, (Colour{1, 1, 1, 1}));
    EXPECT_EQ(text.mFlags, 0u) << "alignment words are compared exactly";
    EXPECT_EQ(text.mRatioX, 1.0f);
    EXPECT_EQ(text.mClipRect, Rect{});
}

TEST_F(TextTest, AlignmentWordsGiveTheirFlags)
{
    struct Case
    {
        const char* table;
        std::uint32_t flags;
    };
    const Case cases[] = {
        {R"({ HAlign = "center", VAlign = "center" })", Text::kAlignCentreX | Text::kAlignCentreY},
        {R"({ HAlign = "left", VAlign = "top" })", Text::kAlignLeft | Text::kAlignTop},
        {R"({ HAlign = "right" })", Text::kAlignRight},
        {R"({ VAlign = "bottom" })", Text::kAlignBottom},
    };
    for (const Case& each : cases)
    {
        EXPECT_EQ(Read(each.table).mFlags, each.flags) << each.table;
    }
}

TEST_F(TextTest, AMissingTableIsReportedWithItsFile)
{
    const Text text("NotATable", "layout.gui");
    EXPECT_EQ(ReportRecorder::LastDescription(),
              "NotATable not found: layout.gui (GuiManager::CreateContainer)");
    EXPECT_EQ(text.mFont, nullptr);
    EXPECT_NE(mLog.Text().find("layout.gui: no text table \"NotATable\"\n"), std::string::npos)
        << mLog.Text();
}
