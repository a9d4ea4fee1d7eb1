#include "engine/File/FileSysManager.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{

class GameScreenTest : public testing::Test
{
protected:
    GameScreenTest() { mFiles.AddDirectory("media"); }

    // Wins the running level in the given time.
    void Win(float seconds)
    {
        LevelTaskInfo::GetInstance()->levelTime = seconds;
        mGame.CompleteLevel();
    }

    TestSupport::LogCapture mLog;
    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
    GameInfo mInfo;
    Game mGame;
};

} // namespace

TEST_F(GameScreenTest, EachStartReplacesTheLevel)
{
    mGame.Init();
    ASSERT_NE(mGame.GetLevel(), nullptr);
    EXPECT_EQ(mGame.Find("Level"), mGame.GetLevel());
    mGame.StartLevel(2);
    EXPECT_EQ(mGame.Find("Level"), mGame.GetLevel());
    EXPECT_EQ(Level::GetInstance(), mGame.GetLevel());
    EXPECT_EQ(mGame.Count(), 2u) << "the level and the panel";
    EXPECT_EQ(LevelTaskInfo::GetInstance()->level, 2);
    EXPECT_EQ(LevelTaskInfo::GetInstance()->backgroundType, 1u);
    EXPECT_EQ(mGame.GetLevel()->Find("Background")->IsActive(), true);
    mGame.StartLevel(3);
    EXPECT_EQ(LevelTaskInfo::GetInstance()->level, 3);
    EXPECT_EQ(mGame.GetLevelNumber(), 3);
    EXPECT_NE(mLog.Text().find("Level::~Level()"), std::string::npos);
    EXPECT_NE(mLog.Text().find("Bk02::~Bk02()"), std::string::npos);
}

TEST_F(GameScreenTest, TheMusicTrackFollowsTheLevelNumber)
{
    const std::pair<std::uint16_t, const char*> cases[] = {{1, "Track2"}, {4, "Track2"}, {2, "Track3"},
                                                           {8, "Track3"}, {3, "Track1"}, {9, "Track1"}};
    for (const auto& [level, track] : cases)
    {
        EXPECT_EQ(Game::MusicTrack(level), track) << level;
    }
}

TEST_F(GameScreenTest, AWonLevelRaisesTheHighestLevelAtMostTo66AndRatesTheTime)
{
    mGame.Init();
    mGame.StartLevel(1);
    LevelTaskInfo& task = *LevelTaskInfo::GetInstance();
    task.goldMinutes = 4;
    task.goldSeconds = 0;
    task.silverMinutes = 6;
    task.silverSeconds = 0;
    Win(241.0f);
    EXPECT_EQ(mInfo.highestLevel, 1);
    EXPECT_EQ(mInfo.GetLevelPassType(0), 1) << "one second past gold, within silver";
    Win(240.0f);
    EXPECT_EQ(mInfo.GetLevelPassType(0), 2) << "exactly the gold limit";
    Win(500.0f);
    EXPECT_EQ(mInfo.GetLevelPassType(0), 2) << "only an improvement is kept";

    mInfo.highestLevel = 5;
    Win(100.0f);
    EXPECT_EQ(mInfo.highestLevel, 5) << "a replay changes nothing";

    task.level = 70;
    Win(100.0f);
    EXPECT_EQ(mInfo.highestLevel, 66);
}
