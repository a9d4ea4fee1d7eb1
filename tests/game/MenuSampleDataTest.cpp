// The main menu's sample data: every table the screen reads, the pictures and effects they name, a
// reward for every achievement, the link's text, the sound of a reward coming into view and the cards
// of the levels that bring a new worker.
#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using Korrin::LuaScript;

namespace
{

class MenuSampleDataTest : public testing::Test
{
protected:
    MenuSampleDataTest() { mFiles.AddDirectory("media"); }

    bool Exists(const std::string& name)
    {
        Korrin::FileData data;
        return mFiles.FindFileData(name, data);
    }

    // Each table of the file exists and names a picture that exists.
    void ExpectTables(const std::string& file, const std::vector<std::string>& tables)
    {
        LuaScript script;
        ASSERT_EQ(script.LoadFile(file, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran) << file;
        for (const std::string& name : tables)
        {
            Korrin::LuaStackGuard guard(script.GetState());
            const LuaValue table = script.GetGlobal(name.c_str());
            ASSERT_TRUE(table.IsTable()) << file << ": " << name;
            const LuaValue image = table.GetField("Image");
            EXPECT_TRUE(image.IsString() && Exists(image.ToString())) << file << ": " << name;
        }
    }

    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
};

} // namespace

TEST_F(MenuSampleDataTest, EveryTableOfTheMenuPictureNamesAPictureThatExists)
{
    ExpectTables("menu_background.lua",
                 {"Sky", "TextTitle1", "TextTitle2", "TextTitle1Highlight", "TextTitle2Highlight",
                  "Background", "LeftHide", "RightHide", "BottomLeftHide", "BottomRightHide"});
    ExpectTables("menu_girl.lua",
                 {"Skirt", "Apron", "Body", "Head", "Flower", "HairPap", "Tail1", "Tail2", "Eyes"});
    ExpectTables("menu_animated_object.lua", {"Mill"});
    ExpectTables("menu_leaves.lua", {"Branch", "Tree"});
    ExpectTables("menu_fly.lua", {"Butterfly1", "Butterfly2", "Butterfly3", "Butterfly4"});
    ExpectTables("menu_thief.mesh", {"ThiefBody", "ThiefHead"});
    ExpectTables("menu_rewards.lua", {"Rewards"});
    for (const char* effect : {"menu_Button_game", "menu_Small_Add", "menu_Small_Select", "Shine1"})
    {
        LuaScript script;
        ASSERT_EQ(script.LoadFile(std::string(effect) + ".particle", LuaScript::IfMissing::Report),
                  LuaScript::LoadResult::Ran)
            << effect;
        Korrin::LuaStackGuard guard(script.GetState());
        EXPECT_TRUE(script.GetGlobal(effect).IsTable()) << effect;
    }
}

TEST_F(MenuSampleDataTest, EveryAchievementHasOneRewardWithAFrameAndTheLinkAndSoundExist)
{
    LuaScript rewards;
    ASSERT_EQ(rewards.LoadFile("menu_rewards.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(rewards.GetState());
    int frames = 0;
    rewards.GetGlobal("Rewards")
        .GetField("Animation")
        .GetField("FramesList")
        .ForEachElement([&frames](int, const LuaValue&) { ++frames; });
    std::set<int> keys;
    rewards.GetGlobal("items").ForEachElement(
        [&](int, const LuaValue& entry)
        {
            const int key = static_cast<int>(entry.GetField("Key").ToFloat());
            EXPECT_TRUE(keys.insert(key).second) << "twice: " << key;
            EXPECT_LT(static_cast<int>(entry.GetField("NFrame").ToFloat()), frames) << key;
            float a = 0, b = 0, c = 0, d = 0;
            EXPECT_TRUE(entry.GetField("HitRect").GetFloat4(a, b, c, d)) << key;
        });
    EXPECT_EQ(keys.size(), 15u);
    EXPECT_EQ(*keys.begin(), 0);
    EXPECT_EQ(*keys.rbegin(), 14);

    Korrin::LocaleManager texts;
    texts.Load("strings.xml");
    LuaScript buttons;
    ASSERT_EQ(buttons.LoadFile("menu_button.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard buttonGuard(buttons.GetState());
    EXPECT_FALSE(texts.getStringByNameAsUtf16(buttons.GetGlobal("UserLinkCaption").ToString()).empty());
    EXPECT_TRUE(Exists(buttons.GetGlobal("UserLinkFontName").ToString()));

    LuaScript sounds;
    ASSERT_EQ(sounds.LoadFile("audiolist1.audio", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard soundGuard(sounds.GetState());
    bool found = false;
    sounds.GetGlobal("audiolist1")
        .ForEachElement(
            [&](int, const LuaValue& entry)
            {
                if (entry.GetField("Name").ToString() == "show_reward_menu")
                {
                    found = Exists(entry.GetField("File").ToString());
                }
            });
    EXPECT_TRUE(found);
}

// A select effect plays where its own file puts it: each decoration's sparks start inside its hit
// rectangle, not at one place for all.
TEST_F(MenuSampleDataTest, EveryRewardsSelectEffectStartsOnItsOwnDecoration)
{
    LuaScript rewards;
    ASSERT_EQ(rewards.LoadFile("menu_rewards.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(rewards.GetState());
    rewards.GetGlobal("items").ForEachElement(
        [&](int, const LuaValue& entry)
        {
            const int key = static_cast<int>(entry.GetField("Key").ToFloat());
            const LuaValue named = entry.GetField("particleNameSelect");
            const std::string effect = named.IsString() ? named.ToString() : "menu_Small_Select";
            float left = 0, top = 0, right = 0, bottom = 0;
            entry.GetField("HitRect").GetFloat4(left, top, right, bottom);
            LuaScript script;
            ASSERT_EQ(script.LoadFile(effect + ".particle", LuaScript::IfMissing::Report),
                      LuaScript::LoadResult::Ran)
                << key << ": " << effect;
            Korrin::LuaStackGuard effectGuard(script.GetState());
            const LuaValue table = script.GetGlobal(effect.c_str());
            ASSERT_TRUE(table.IsTable()) << key << ": " << effect;
            int emitters = 0;
            table.ForEachEntry(
                [&](const LuaValue&, const LuaValue& emitter)
                {
                    if (!emitter.IsTable())
                    {
                        return;
                    }
                    ++emitters;
                    float x = -1, y = -1, spreadX = 0, spreadY = 0;
                    emitter.GetField("Sprite").GetField("Pos").GetFloat2(x, y);
                    emitter.GetField("RandPos").GetFloat2(spreadX, spreadY);
                    EXPECT_TRUE(x >= left && x + spreadX <= right && y >= top && y + spreadY <= bottom)
                        << key << ": " << effect << " starts at " << x << ", " << y;
                });
            EXPECT_GT(emitters, 0) << key << ": " << effect;
        });
}

TEST_F(MenuSampleDataTest, TheNewCharacterCardsNameTextsThatExist)
{
    Korrin::LocaleManager texts;
    texts.Load("strings.xml");
    LuaScript settings;
    ASSERT_EQ(settings.LoadFile("MapSettings.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(settings.GetState());
    int cards = 0;
    settings.GetGlobal("MapSettings")
        .ForEachElement(
            [&](int, const LuaValue& level)
            {
                const LuaValue card = level.GetField("newCharacter");
                if (!card.IsTable())
                {
                    return;
                }
                ++cards;
                EXPECT_FALSE(texts.getStringByNameAsUtf16(card.GetField("description").ToString()).empty());
                float a = 0, b = 0, c = 0, d = 0;
                EXPECT_TRUE(card.GetField("iconRect").GetFloat4(a, b, c, d));
            });
    EXPECT_EQ(cards, 2) << "the errand boy and the fairy";
}

TEST_F(MenuSampleDataTest, TheCreditsNameTextsAndPicturesThatExist)
{
    Korrin::LocaleManager texts;
    texts.Load("strings.xml");
    LuaScript credits;
    ASSERT_EQ(credits.LoadFile("AboutGui.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(credits.GetState());
    int items = 0;
    credits.GetGlobal("AboutViewData")
        .ForEachElement(
            [&](int, const LuaValue& item)
            {
                ++items;
                const LuaValue data = item.GetField("Data");
                if (const LuaValue caption = data.GetField("Caption"); caption.IsString())
                {
                    EXPECT_FALSE(texts.getStringByNameAsUtf16(caption.ToString()).empty())
                        << caption.ToString();
                }
                if (const LuaValue image = data.GetField("Image"); image.IsString())
                {
                    EXPECT_TRUE(Exists(image.ToString())) << image.ToString();
                }
            });
    EXPECT_GT(items, 0);
}
