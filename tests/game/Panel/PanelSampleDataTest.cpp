#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "game/Game/Education.h"
#include "game/Util/HintManager.h"
#include "tests/game/Panel/SampleMedia.h"

#include <functional>
#include <gtest/gtest.h>

using TestSupport::ReportRecorder;

namespace
{

// The panel's, hints' and tutorials' sample data names only pictures, fonts, captions and hints that
// exist.
class PanelSampleDataTest : public TestSupport::SampleMediaTest
{
protected:
    PanelSampleDataTest() { mTexts.Load("strings.xml"); }

    bool Exists(const std::string& name)
    {
        Korrin::FileData data;
        return mFiles.FindFileData(name, data);
    }

    // Every picture, font and caption named by a table of the file, at any depth.
    void CheckFile(const std::string& file)
    {
        mChecked = 0;
        Korrin::LuaScript script;
        ASSERT_EQ(script.LoadFile(file, Korrin::LuaScript::IfMissing::Report),
                  Korrin::LuaScript::LoadResult::Ran)
            << file;
        Korrin::LuaStackGuard guard(script.GetState());
        std::function<void(const LuaValue&, int)> check = [&](const LuaValue& table, int depth)
        {
            for (const char* key : {"Image", "Font"})
            {
                if (const LuaValue value = table.GetField(key); value.IsString())
                {
                    EXPECT_TRUE(Exists(value.ToString())) << file << ": " << value.ToString();
                }
            }
            if (const LuaValue caption = table.GetField("Caption"); caption.IsString())
            {
                ++mChecked;
                EXPECT_FALSE(mTexts.getStringByNameAsUtf16(caption.ToString()).empty())
                    << file << ": " << caption.ToString();
            }
            if (depth < 6)
            {
                table.ForEachEntry(
                    [&](const LuaValue& /*key*/, const LuaValue& value)
                    {
                        if (value.IsTable())
                        {
                            check(value, depth + 1);
                        }
                    });
            }
        };
        lua_pushvalue(script.GetState(), LUA_GLOBALSINDEX);
        check(LuaValue(script.GetState(), -1), 0);
        EXPECT_GT(mChecked, 0) << file;
    }

    void CheckPictures(const std::string& file, const char* table)
    {
        Korrin::LuaScript script;
        ASSERT_EQ(script.LoadFile(file, Korrin::LuaScript::IfMissing::Report),
                  Korrin::LuaScript::LoadResult::Ran);
        Korrin::LuaStackGuard guard(script.GetState());
        const LuaValue image = script.GetGlobal(table).GetField("Image");
        EXPECT_TRUE(image.IsString() && Exists(image.ToString())) << file << ": " << table;
    }

    Korrin::LocaleManager mTexts;
    int mChecked = 0;
};

} // namespace

TEST_F(PanelSampleDataTest, LayoutsAndScriptsNameWhatExists)
{
    for (const char* file : {"Panel.gui", "GameHint.lua", "CharacterHint.lua", "MapHint.lua"})
    {
        CheckFile(file);
    }
    CheckPictures("MapShop.lua", "icons");
    CheckPictures("shop.lua", "MoneyAnimatedSprite");
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();
}

// The panel draws these by frame: a sprite without frames would draw nothing at all (the met goal's tick
// once did).
TEST_F(PanelSampleDataTest, ThePicturesThePanelDrawsByFrameHaveFrames)
{
    for (const char* name : {"TaskTableObjList", "CheckSprite", "ClosingRod", "Medal", "UpgradeDots"})
    {
        Korrin::AnimatedSprite* sprite = mSprites.LoadAnimatedSprite(name, "Panel.gui");
        ASSERT_NE(sprite, nullptr) << name;
        EXPECT_GT(sprite->GetFrameCount(), 0u) << name;
    }
}

TEST_F(PanelSampleDataTest, EveryTutorialTipNamesAHint)
{
    HintManager hints;
    hints.Load();
    EXPECT_EQ(hints.GetCharacterNames().size(), 4u);
    for (const char* file : {"Education1.lua", "Education2.lua", "Education3.lua"})
    {
        Education tutorial(file);
        tutorial.Init();
        EXPECT_FALSE(tutorial.GetGroups().empty()) << file;
        for (const auto& [number, group] : tutorial.GetGroups())
        {
            for (const Education::TipEvent& tip : group.events)
            {
                EXPECT_NE(hints.GetByName(tip.hintName), nullptr) << file << ": " << tip.hintName;
            }
        }
    }
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();
}

// A click on the field may go to a worker walking in front of the object meant (the one first in the
// field's order takes it), so the worker's page opens where another page was expected: the next click,
// aimed at that page's button, must not dismiss the worker.
TEST_F(PanelSampleDataTest, NoOtherPagesButtonLiesUnderAWorkersDismissButton)
{
    struct Button
    {
        std::string page;
        std::string name;
        float left, top, right, bottom;
    };
    Korrin::LuaScript script;
    ASSERT_EQ(script.LoadFile("Panel.gui", Korrin::LuaScript::IfMissing::Report),
              Korrin::LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(script.GetState());
    std::vector<Button> buttons;
    for (const char* page :
         {"PanelGarden", "PanelWaterwell", "PanelBuilding", "PanelStorehouse", "PanelShop", "PanelShopStore",
          "PanelRope", "PanelGardener", "PanelWorker", "PanelBuyTableBuilding", "PanelBuyTableRope"})
    {
        const LuaValue table = script.GetGlobal(page);
        ASSERT_TRUE(table.IsTable()) << page;
        table.ForEachElement(
            [&](int /*position*/, const LuaValue& element)
            {
                if (!element.IsTable() || element.GetField("Type").ToString() != "button")
                {
                    return;
                }
                float x = 0.0f, y = 0.0f, left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
                ASSERT_TRUE(element.GetField("Pos").GetFloat2(x, y)) << page;
                ASSERT_TRUE(element.GetField("Normal").GetFloat4(left, top, right, bottom)) << page;
                buttons.push_back(
                    {page, element.GetField("Name").ToString(), x, y, x + right - left, y + bottom - top});
            });
    }
    int dismissButtons = 0;
    for (const Button& dismiss : buttons)
    {
        if (dismiss.name != "CHAR_SALE")
        {
            continue;
        }
        ++dismissButtons;
        for (const Button& other : buttons)
        {
            const bool overlap = other.left < dismiss.right && dismiss.left < other.right &&
                                 other.top < dismiss.bottom && dismiss.top < other.bottom;
            EXPECT_FALSE(other.page != dismiss.page && other.name != dismiss.name && overlap)
                << dismiss.page << "'s dismiss button covers " << other.page << "'s " << other.name;
        }
    }
    EXPECT_EQ(dismissButtons, 2) << "the gardener's page and the errand worker's page";
}
