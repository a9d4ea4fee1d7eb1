#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
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
