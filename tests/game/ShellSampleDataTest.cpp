#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

using Korrin::LuaScript;

namespace
{

// The data folder the build makes: the game's folder, with "media" and "config.cfg".
class ShellSampleDataTest : public testing::Test
{
protected:
    ShellSampleDataTest() { mFiles.AddDirectory("media"); }

    bool Exists(const std::string& name)
    {
        Korrin::FileData data;
        return mFiles.FindFileData(name, data);
    }

    // Every string value of a global table.
    static std::vector<std::string> Strings(const LuaValue& table)
    {
        std::vector<std::string> strings;
        table.ForEachEntry(
            [&strings](const LuaValue&, const LuaValue& value)
            {
                if (value.IsString())
                {
                    strings.push_back(value.ToString());
                }
            });
        return strings;
    }

    // Each named table of the script exists and its "Image" is a picture of the data.
    void ExpectPictureTables(LuaScript& script, const std::string& file,
                             const std::vector<std::string>& tables)
    {
        for (const std::string& name : tables)
        {
            Korrin::LuaStackGuard guard(script.GetState());
            const LuaValue table = script.GetGlobal(name.c_str());
            ASSERT_TRUE(table.IsTable()) << file << ": " << name;
            const LuaValue image = table.GetField("Image");
            ASSERT_TRUE(image.IsString()) << file << ": " << name;
            EXPECT_TRUE(Exists(image.ToString())) << file << ": " << name << ": " << image.ToString();
        }
    }

    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
};

} // namespace

TEST_F(ShellSampleDataTest, TheLogosAndTheLoadingScreensHaveTheirPictures)
{
    for (const char* logo : {"logo1.jpg", "logo2.jpg"})
    {
        EXPECT_TRUE(Exists(logo)) << logo;
    }
    struct Screen
    {
        const char* file;
        std::vector<std::string> tables;
    };
    const Screen screens[] = {
        {"main_load.lua", {"Background", "Progressbar", "ProgressbarPanel"}},
        {"level_load.lua",
         {"Background", "BackgroundFence", "Fence", "Ground", "Fairy", "Gardener", "Girl", "Boy"}},
        {"menu_background.lua", {"Background"}},
    };
    for (const Screen& screen : screens)
    {
        LuaScript script;
        ASSERT_EQ(script.LoadFile(screen.file, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran)
            << screen.file;
        ExpectPictureTables(script, screen.file, screen.tables);
    }
}

TEST_F(ShellSampleDataTest, EveryCompositeVisualNamesItsPartsAndImages)
{
    std::vector<std::string> files = {"hintarrow.mesh"};
    for (int scene = 1; scene <= 6; ++scene)
    {
        files.push_back("loading_" + std::to_string(scene) + ".lua");
    }
    for (const std::string& file : files)
    {
        LuaScript script;
        ASSERT_EQ(script.LoadFile(file, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran) << file;
        std::vector<std::string> parts;
        std::vector<std::string> images;
        {
            Korrin::LuaStackGuard guard(script.GetState());
            parts = Strings(script.GetGlobal("MeshList"));
            images = Strings(script.GetGlobal("ImageList"));
        }
        EXPECT_FALSE(parts.empty()) << file;
        ExpectPictureTables(script, file, parts);
        for (const std::string& image : images)
        {
            EXPECT_TRUE(Exists(image)) << file << ": " << image;
        }
    }
}

TEST_F(ShellSampleDataTest, TheCacheListNamesPicturesThatExist)
{
    LuaScript script;
    ASSERT_EQ(script.LoadFile("CacheList.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(script.GetState());
    const std::vector<std::string> pictures = Strings(script.GetGlobal("List"));
    EXPECT_FALSE(pictures.empty());
    for (const std::string& picture : pictures)
    {
        EXPECT_TRUE(Exists(picture)) << picture;
    }
}

TEST_F(ShellSampleDataTest, EveryWindowLayoutNamesPicturesFontsAndCaptionsThatExist)
{
    Korrin::LocaleManager texts;
    texts.Load("strings.xml");
    const std::pair<const char*, const char*> layouts[] = {{"TaskLevelGui.gui", "TaskWindowGui"},
                                                           {"LevelStatistics.lua", "LevelStatisticsWindow"},
                                                           {"GameMenu.gui", "GameMenu"},
                                                           {"AboutGui.lua", "AboutGui"},
                                                           {"Options.gui", "Options"},
                                                           {"AchievementGui.lua", "AchievementGui"},
                                                           {"Profiles.gui", "Profiles"},
                                                           {"TypeNameGui.gui", "TypeNameGui"},
                                                           {"TypeNameFirstRunGui.gui", "TypeNameFirstRunGui"},
                                                           {"DeleteUser.gui", "DeleteUserGui"},
                                                           {"DeleteUserWarning.gui", "DeleteUserWarningGui"},
                                                           {"YesNoAlertGui.gui", "YesNoAlertGui"},
                                                           {"StartNewLevelGui.gui", "StartNewLevelGui"},
                                                           {"ContinueLevelGui.gui", "ContinueLevelGui"},
                                                           {"NewCharacterGui.gui", "NewCharacterGui"},
                                                           {"ExitGui.gui", "ExitGui"},
                                                           {"RewardSystem.lua", "RewardGui"},
                                                           {"StoreShop.gui", "StoreShop"},
                                                           {"StoreShop.gui", "SaleWin"},
                                                           {"StoreShop.gui", "BuyWin"},
                                                           {"menu_button.lua", "MenuBox"}};
    for (const auto& [file, name] : layouts)
    {
        LuaScript script;
        ASSERT_EQ(script.LoadFile(file, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran) << file;
        Korrin::LuaStackGuard guard(script.GetState());
        const LuaValue window = script.GetGlobal(name);
        ASSERT_TRUE(window.IsTable()) << file << ": " << name;
        int buttons = 0;
        // Every picture, font and caption that a table of the layout names, at any depth below it.
        std::function<void(const LuaValue&)> check = [&](const LuaValue& table)
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
                EXPECT_FALSE(texts.getStringByNameAsUtf16(caption.ToString()).empty())
                    << file << ": " << caption.ToString();
            }
            if (const LuaValue type = table.GetField("Type"); type.IsString() && type.ToString() == "button")
            {
                ++buttons;
            }
            table.ForEachEntry(
                [&](const LuaValue&, const LuaValue& value)
                {
                    if (value.IsTable())
                    {
                        check(value);
                    }
                });
        };
        check(window);
        EXPECT_GE(buttons, 1) << file;
    }
    LuaScript names;
    ASSERT_EQ(names.LoadFile("TypeNameGui.gui", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(names.GetState());
    const LuaValue wrongUser = names.GetGlobal("WrongUserText");
    ASSERT_TRUE(wrongUser.IsString());
    EXPECT_FALSE(texts.getStringByNameAsUtf16(wrongUser.ToString()).empty()) << wrongUser.ToString();
}

TEST_F(ShellSampleDataTest, TheAchievementsNameTextsPicturesAndEffectsThatExist)
{
    Korrin::LocaleManager texts;
    texts.Load("strings.xml");
    auto named = [&texts](const LuaValue& value)
    { return value.IsString() && !texts.getStringByNameAsUtf16(value.ToString()).empty(); };
    LuaScript script;
    ASSERT_EQ(script.LoadFile("AchievementGui.lua", LuaScript::IfMissing::Report),
              LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(script.GetState());
    ExpectPictureTables(script, "AchievementGui.lua",
                        {"EnabledItemMount", "DisabledItemMount", "DisabledItemQuad", "ProgressSprite",
                         "BackProgressSprite", "FullPreviewMark", "EnabledPreviewMark",
                         "DisabledPreviewMark"});
    for (const char* font : {"FullPreviewFont", "EnabledPreviewFont", "DisabledPreviewFont", "ItemHeaderFont",
                             "ItemDescriptionFont", "ItemProgressFont", "ItemPrizeFont"})
    {
        Korrin::LuaStackGuard fontGuard(script.GetState());
        const LuaValue table = script.GetGlobal(font);
        EXPECT_TRUE(Exists(table.GetField("Font").ToString())) << font;
        if (const LuaValue caption = table.GetField("Caption"); !caption.IsNil())
        {
            EXPECT_TRUE(named(caption)) << font;
        }
    }
    for (const char* area : {"ViewClipArea", "FullPreviewArea", "EnabledPreviewArea", "DisabledPreviewArea"})
    {
        Korrin::LuaStackGuard areaGuard(script.GetState());
        float a = 0, b = 0, c = 0, d = 0;
        EXPECT_TRUE(script.GetGlobal(area).GetFloat4(a, b, c, d)) << area;
    }
    // Every achievement the game's events feed, once, with its texts and both pictures.
    std::set<int> ids;
    script.GetGlobal("AchievementsData")
        .ForEachEntry(
            [&](const LuaValue&, const LuaValue& entry)
            {
                Korrin::LuaStackGuard entryGuard(entry.GetState());
                const int id = static_cast<int>(entry.GetField("Id").ToFloat());
                EXPECT_TRUE(ids.insert(id).second) << "id " << id;
                EXPECT_TRUE(named(entry.GetField("Header"))) << "id " << id;
                EXPECT_TRUE(named(entry.GetField("Description"))) << "id " << id;
                EXPECT_GT(entry.GetField("MaxProgress").ToFloat(), 0.0f) << "id " << id;
                EXPECT_TRUE(entry.GetField("useProgress").IsNumber()) << "id " << id;
                for (const char* state : {"Enabled", "Disabled"})
                {
                    EXPECT_TRUE(Exists(entry.GetField("Image").GetField(state).GetField("Image").ToString()))
                        << "id " << id << " " << state;
                }
            });
    EXPECT_EQ(ids, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));

    LuaScript rewards;
    ASSERT_EQ(rewards.LoadFile("RewardSystem.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    ExpectPictureTables(rewards, "RewardSystem.lua", {"Rewards"});
    {
        Korrin::LuaStackGuard rewardsGuard(rewards.GetState());
        const LuaValue animation = rewards.GetGlobal("Rewards").GetField("Animation");
        EXPECT_GE(animation.GetField("NumFrames").ToFloat(), 15.0f) << "a picture for every achievement";
    }
    for (const char* effect : {"ShowRewards", "ShowRewardsFrame"})
    {
        LuaScript particles;
        const std::string file = std::string(effect) + ".particle";
        ASSERT_EQ(particles.LoadFile(file, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran) << file;
        Korrin::LuaStackGuard particleGuard(particles.GetState());
        int emitters = 0;
        particles.GetGlobal(effect).ForEachEntry(
            [&](const LuaValue&, const LuaValue& emitter)
            {
                ++emitters;
                Korrin::LuaStackGuard emitterGuard(emitter.GetState());
                EXPECT_TRUE(Exists(emitter.GetField("Sprite").GetField("Image").ToString())) << file;
            });
        EXPECT_GE(emitters, 1) << file;
    }
}
