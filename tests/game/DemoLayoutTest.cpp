#include "engine/File/FileSysManager.h"
#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using TestSupport::ReportRecorder;

namespace
{

std::string BuildDataFolder()
{
    return std::filesystem::path(WF_GAME_BINARY).parent_path().string();
}

// Every string value of the table, at any depth, under each of the given keys.
void CollectValues(const LuaValue& table, const std::set<std::string>& keys, std::set<std::string>& out)
{
    table.ForEachEntry(
        [&keys, &out](const LuaValue& key, const LuaValue& value)
        {
            if (value.IsTable())
            {
                CollectValues(value, keys, out);
            }
            else if (lua_type(key.GetState(), key.GetIndex()) == LUA_TSTRING &&
                     keys.count(key.ToString()) != 0 && value.IsString())
            {
                out.insert(value.ToString());
            }
        });
}

class DemoLayoutTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ReportRecorder::Clear();
        mFiles.AddDirectory("media");
        mTexts.Load("strings.xml");
    }

    std::set<std::string> Values(const std::set<std::string>& keys)
    {
        Korrin::LuaScript script;
        EXPECT_EQ(script.LoadFile("demo.gui", Korrin::LuaScript::IfMissing::Report),
                  Korrin::LuaScript::LoadResult::Ran);
        Korrin::LuaStackGuard guard(script.GetState());
        std::set<std::string> values;
        CollectValues(script.GetGlobal("Demo"), keys, values);
        return values;
    }

    Korrin::FileSysManager mFiles{BuildDataFolder()};
    Korrin::LocaleManager mTexts;
    Korrin::FontManager mFonts;
    Korrin::GuiManager mManager;
};

} // namespace

TEST_F(DemoLayoutTest, BuildsOneWidgetOfEachKindWithoutAReport)
{
    Korrin::GuiContainer* demo = mManager.CreateContainer("Demo", "demo.gui");
    ASSERT_NE(demo, nullptr);
    std::set<std::string> kinds;
    for (const Korrin::GuiElement* element : demo->GetInputOrder())
    {
        kinds.insert(element->GetKind());
    }
    EXPECT_EQ(kinds,
              (std::set<std::string>{"button", "checkbox", "edit", "image", "list", "slider", "text"}));
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();
}

TEST_F(DemoLayoutTest, EveryNameTheLayoutGivesExists)
{
    for (const std::string& caption : Values({"Caption"}))
    {
        EXPECT_FALSE(mTexts.getStringByNameAsUtf16(caption).empty()) << caption;
    }
    for (const std::string& font : Values({"Font"}))
    {
        EXPECT_GT(mFonts.GetFont(font)->GetGlyphCount(), 0u) << font;
    }
    for (const std::string& image : Values({"Image"}))
    {
        EXPECT_TRUE(std::filesystem::exists(BuildDataFolder() + "/media/" + image)) << image;
    }
    for (const char* font : {"font01.fnt", "font02.fnt", "font03.fnt", "font04.fnt"})
    {
        const Korrin::Font* loaded = mFonts.GetFont(font);
        EXPECT_TRUE(std::filesystem::exists(BuildDataFolder() + "/media/" + loaded->GetImageName())) << font;
        for (const char16_t code : std::u16string(u"Az09 \u00E9\u0416\u044F\u2026"))
        {
            EXPECT_NE(loaded->FindGlyph(code), nullptr) << font << " lacks " << static_cast<int>(code);
        }
    }

    // The pressed sounds are in the game's sound list.
    Korrin::LuaScript sounds;
    sounds.LoadFile("audiolist1.audio", Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(sounds.GetState());
    std::set<std::string> names;
    CollectValues(sounds.GetGlobal("audiolist1"), {"Name"}, names);
    for (const std::string& sound : Values({"SoundPressed", "SoundHover"}))
    {
        EXPECT_EQ(names.count(sound), 1u) << sound;
    }
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();
}
