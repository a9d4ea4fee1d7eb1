// The sample data of the windows around a level: every element, table, picture, composite visual,
// effect, text and sound that the goals window, the game menu and its dialogs and the statistics name.
#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/Rect.h"
#include "platform/PngCodec.h"

#include <algorithm>
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

class LevelWindowsSampleDataTest : public testing::Test
{
protected:
    LevelWindowsSampleDataTest()
    {
        mFiles.AddDirectory("media");
        mTexts.Load("strings.xml");
    }

    bool Exists(const std::string& name)
    {
        Korrin::FileData data;
        return mFiles.FindFileData(name, data);
    }

    bool HasText(const std::string& name) { return !mTexts.getStringByNameAsUtf16(name).empty(); }

    // The names of the elements of a window's table, at any depth.
    static std::set<std::string> ElementNames(const LuaValue& window)
    {
        std::set<std::string> names;
        std::function<void(const LuaValue&)> walk = [&](const LuaValue& table)
        {
            if (const LuaValue name = table.GetField("Name"); name.IsString())
            {
                names.insert(name.ToString());
            }
            table.ForEachEntry(
                [&](const LuaValue&, const LuaValue& value)
                {
                    if (value.IsTable())
                    {
                        walk(value);
                    }
                });
        };
        walk(window);
        return names;
    }

    void ExpectElements(const std::string& file, const char* window, const std::vector<std::string>& elements)
    {
        LuaScript script;
        ASSERT_EQ(script.LoadFile(file, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran) << file;
        Korrin::LuaStackGuard guard(script.GetState());
        const std::set<std::string> names = ElementNames(script.GetGlobal(window));
        for (const std::string& element : elements)
        {
            EXPECT_EQ(names.count(element), 1u) << file << ": " << element;
        }
    }

    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
    Korrin::LocaleManager mTexts;
};

TEST_F(LevelWindowsSampleDataTest, EveryWindowHoldsTheElementsItLooksUp)
{
    ExpectElements("TaskLevelGui.gui", "TaskWindowGui",
                   {"TASKLEVEL_LEVEL_CAPTION", "TASKLEVEL_GOLD_TIME", "TASKLEVEL_SILVER_TIME",
                    "TASKLEVEL_BONUS_OK", "TASKLEVEL_BONUS_SILVER", "TASKLEVEL_BONUS_GOLD",
                    "TASKLEVEL_BEST_TIME", "TASKLEVEL_BEST_TIME_USERNAME", "TASKLEVEL_GETMONEY_TASK_CAPTION",
                    "TASKLEVEL_OK_BUTTON"});
    ExpectElements("GameMenu.gui", "GameMenu",
                   {"GAMEMENU_CONTINUE_BUTTON", "GAMEMENU_MAPE_BUTTON", "GAMEMENU_MAINMENU_BUTTON",
                    "GAMEMENU_RESTART_BUTTON", "GAMEMENU_SETTINGS_BUTTON"});
    ExpectElements(
        "YesNoAlertGui.gui", "YesNoAlertGui",
        {"YESNO_OK", "YESNO_CANCEL", "YESNO_LEAVE_LEVEL_WARNING_TEXT", "YESNO_RESTART_LEVEL_WARNING_TEXT"});
    ExpectElements("StartNewLevelGui.gui", "StartNewLevelGui", {"STARTNEW_OK", "STARTNEW_CANCEL"});
    ExpectElements("ContinueLevelGui.gui", "ContinueLevelGui", {"CONTINUE_OK", "CONTINUE_CANCEL"});
    ExpectElements("ExitGui.gui", "ExitGui", {"EXIT_GAME_OK", "EXIT_GAME_CANCEL"});
    ExpectElements("LevelStatistics.lua", "LevelStatisticsWindow",
                   {"LEV_STAT_LEVEL_NUM_TEXT", "LEV_STAT_LEVEL_TIME_TEXT", "LEV_STAT_LEVEL_TIME_VALUE_TEXT",
                    "LEV_STAT_BONUS_TEXT", "LEV_STAT_BONUS_COUNT_TEXT", "LEV_STAT_STAR_ICON",
                    "LEV_STAT_BEST_TIME_TEXT", "LEV_STAT_BEST_TIME_VALUE_TEXT", "LEV_STAT_NAME_TEXT",
                    "LEV_STAT_ACHIEVEMENTS_TEXT", "LEV_STAT_OK_BUTTON"});
}

TEST_F(LevelWindowsSampleDataTest, TheGoalsWindowsTablesNameTheirPicturesAndTexts)
{
    LuaScript script;
    ASSERT_EQ(script.LoadFile("TaskLevelGui.gui", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(script.GetState());
    for (const char* table : {"SaleMounts", "TaskItemSprites"})
    {
        const LuaValue sprite = script.GetGlobal(table);
        ASSERT_TRUE(sprite.IsTable()) << table;
        EXPECT_TRUE(Exists(sprite.GetField("Image").ToString())) << table;
    }
    EXPECT_EQ(script.GetGlobal("SaleMounts").GetField("Animation").GetField("NumFrames").ToString(), "2");
    EXPECT_EQ(script.GetGlobal("TaskItemSprites").GetField("Animation").GetField("NumFrames").ToString(),
              "28")
        << "a frame per goods index, money's 27 the last";
    const LuaValue counts = script.GetGlobal("TextList");
    ASSERT_TRUE(counts.IsTable());
    EXPECT_TRUE(Exists(counts.GetField("Font").ToString()));
    EXPECT_TRUE(Exists("font04.fnt")) << "the money target's font";
    EXPECT_TRUE(HasText("Level"));
}

TEST_F(LevelWindowsSampleDataTest, TheMoneyTargetStandsOnTheBoardAndTheBuyersCaptionBelowIt)
{
    // Where the window itself draws them: the board from y 133, the money target from y 367, the buyers'
    // portraits from y 432.
    constexpr float kBoardTop = 133.0f;
    constexpr float kMoneyTop = 367.0f;
    constexpr float kPortraitsTop = 432.0f;
    LuaScript font;
    ASSERT_EQ(font.LoadFile("font04.fnt", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    float digitHeight = 0.0f;
    {
        Korrin::LuaStackGuard guard(font.GetState());
        font.GetGlobal("CharList")
            .ForEachElement(
                [&](int, const LuaValue& glyph)
                {
                    float code = 0, x = 0, y = 0, w = 0, h = 0;
                    if (glyph.GetFloat5(code, x, y, w, h) && code >= '0' && code <= '9')
                    {
                        digitHeight = std::max(digitHeight, h);
                    }
                });
    }
    ASSERT_GT(digitHeight, 0.0f) << "font04.fnt has digits";

    LuaScript script;
    ASSERT_EQ(script.LoadFile("TaskLevelGui.gui", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(script.GetState());
    Korrin::Rect sheet;
    ASSERT_TRUE(script.GetGlobal("SaleMounts").GetField("SrcRect").GetRect(sheet));
    const float boardBottom = kBoardTop + (sheet.bottom - sheet.top); // the frames stand side by side
    EXPECT_LE(kMoneyTop + digitHeight, boardBottom) << "the money figure ends on the board";

    Korrin::Rect caption;
    bool found = false;
    script.GetGlobal("TaskWindowGui")
        .ForEachElement(
            [&](int, const LuaValue& element)
            {
                if (element.GetField("Name").ToString() == "TaskLevelBuyersLabel")
                {
                    found = element.GetField("TextArea").GetRect(caption);
                }
            });
    ASSERT_TRUE(found);
    EXPECT_GE(caption.top, boardBottom) << "the caption below the board";
    EXPECT_LE(caption.bottom, kPortraitsTop) << "and above the portraits";
}

TEST_F(LevelWindowsSampleDataTest, TheGoalsBoardsPinsStandAboveItsFirstGoodsRow)
{
    // The window draws the first goods row 9 pixels below the board's top with a money line (frame 0)
    // and 19 without (frame 1): a pin level with it would read as part of the row.
    LuaScript script;
    ASSERT_EQ(script.LoadFile("TaskLevelGui.gui", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue board = script.GetGlobal("SaleMounts");
    Korrin::Rect sheet;
    ASSERT_TRUE(board.GetField("SrcRect").GetRect(sheet));
    Korrin::FileData file;
    ASSERT_TRUE(mFiles.FindFileData(board.GetField("Image").ToString(), file));
    Platform::Image picture;
    ASSERT_TRUE(Platform::PngCodec::Decode(file.GetData(), file.GetSize(), picture));
    const int frameWidth = static_cast<int>(sheet.right - sheet.left) / 2;
    const int frameHeight = static_cast<int>(sheet.bottom - sheet.top);
    for (const auto& [frame, firstRow] : {std::pair{0, 9}, std::pair{1, 19}})
    {
        int pinBottom = -1;
        for (int y = 0; y < frameHeight; ++y)
        {
            for (int x = frame * frameWidth; x < (frame + 1) * frameWidth; ++x)
            {
                const std::uint32_t pixel = picture.At(x, y);
                const int red = static_cast<int>((pixel >> 16) & 0xFF);
                const int green = static_cast<int>((pixel >> 8) & 0xFF);
                if (red > 150 && green < 90)
                {
                    pinBottom = y;
                }
            }
        }
        EXPECT_GE(pinBottom, 0) << "frame " << frame << " has its red pins";
        EXPECT_LT(pinBottom, firstRow) << "frame " << frame << ": the pins end above the first row";
    }
}

TEST_F(LevelWindowsSampleDataTest, TheStatisticsNameTheirLinkCupsEffectsAndSounds)
{
    LuaScript script;
    ASSERT_EQ(script.LoadFile("LevelStatistics.lua", LuaScript::IfMissing::Report),
              LuaScript::LoadResult::Ran);
    {
        Korrin::LuaStackGuard guard(script.GetState());
        const LuaValue figure = script.GetGlobal("ExtraPointsFont");
        ASSERT_TRUE(figure.IsTable());
        EXPECT_TRUE(Exists(figure.GetField("Font").ToString()));
        Korrin::Rect link;
        EXPECT_TRUE(script.GetGlobal("LinkRect").GetRect(link));
        EXPECT_LT(link.left, link.right);
        EXPECT_TRUE(Exists(script.GetGlobal("LinkFontName").ToString()));
        EXPECT_TRUE(HasText("LEV_STAT_ACHIEVEMENTS")) << "the link's text";
    }
    for (const char* cup : {"normal_cup.ani", "gold_cup.ani", "silver_cup.ani"})
    {
        LuaScript visual;
        ASSERT_EQ(visual.LoadFile(cup, LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran) << cup;
        Korrin::LuaStackGuard guard(visual.GetState());
        int parts = 0;
        visual.GetGlobal("MeshList")
            .ForEachEntry(
                [&](const LuaValue&, const LuaValue& part)
                {
                    ++parts;
                    EXPECT_TRUE(visual.GetGlobal(part.ToString().c_str()).IsTable())
                        << cup << ": " << part.ToString();
                });
        EXPECT_GE(parts, 3) << cup << ": a composite of several parts";
        visual.GetGlobal("ImageList")
            .ForEachEntry([&](const LuaValue&, const LuaValue& image)
                          { EXPECT_TRUE(Exists(image.ToString())) << cup; });
    }
    for (const char* effect : {"Statistics", "Tape", "ExtraPoints", "NormalCup", "GoldCup", "SilverCup"})
    {
        LuaScript particles;
        ASSERT_EQ(particles.LoadFile(std::string(effect) + ".particle", LuaScript::IfMissing::Report),
                  LuaScript::LoadResult::Ran)
            << effect;
        Korrin::LuaStackGuard guard(particles.GetState());
        EXPECT_TRUE(particles.GetGlobal(effect).IsTable()) << effect;
    }
    LuaScript sounds;
    ASSERT_EQ(sounds.LoadFile("audiolist1.audio", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(sounds.GetState());
    std::set<std::string> listed;
    sounds.GetGlobal("audiolist1")
        .ForEachEntry(
            [&](const LuaValue&, const LuaValue& entry)
            {
                listed.insert(entry.GetField("Name").ToString());
                EXPECT_TRUE(Exists(entry.GetField("File").ToString())) << entry.GetField("Name").ToString();
            });
    for (const char* sound : {"level_complete", "show_text", "show_cup", "add_score", "click_button"})
    {
        EXPECT_EQ(listed.count(sound), 1u) << sound;
    }
}

} // namespace
