#include "game/Game/Game.h"
#include "game/Game/GameField.h"
#include "game/Game/GamePanel.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Main.h"
#include "game/Profile.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>

namespace
{

// A world map that only knows whether it is shown.
class MapScreen : public Blank
{
public:
    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};

// The game screen and a world map on the screen manager, over the sample data.
class LevelStartTest : public TestSupport::SampleMediaTest
{
protected:
    LevelStartTest()
    {
        mMain.Add("Game", mGame, true);
        mMain.Add("Map", new MapScreen(), true);
        mGame->Init();
    }

    Main mMain;
    Game* mGame = new Game(); // owned by the screen manager
};

} // namespace

TEST_F(LevelStartTest, TheLevelIsResetOncePerStartAndTheScreensOwnResetsLeaveItAlone)
{
    ASSERT_TRUE(mGame->StartLevel(1));
    EXPECT_EQ(mMain.GetCurrent(), Main::kGameScreen);
    LevelTaskInfo& task = *LevelTaskInfo::GetInstance();
    EXPECT_EQ(task.levelTime, 0.0f);
    GameField& field = *mGame->GetLevel()->GetGameField();

    task.levelTime = 42.0f;
    field.SetRopeHighlight(0, {3, 4});
    // Coming back to the game screen, and any reset of the screens, must not restart the level in play.
    mMain.SetCurrent(Main::kGameScreen);
    mMain.ResetAll();
    mGame->Reset();
    EXPECT_EQ(task.levelTime, 42.0f) << "the level clock runs on";
    EXPECT_EQ(field.GetRopeHighlight(0).I, 3) << "the field keeps its state";

    ASSERT_TRUE(mGame->StartLevel(1));
    EXPECT_EQ(LevelTaskInfo::GetInstance()->levelTime, 0.0f);
    EXPECT_EQ(mGame->GetLevel()->GetGameField()->GetRopeHighlight(0).I, -1);
    EXPECT_TRUE(Reports().empty()) << Reports().front();
}

TEST_F(LevelStartTest, ALevelThatFailsToLoadLeadsBackToTheWorldMap)
{
    ASSERT_TRUE(mGame->StartLevel(1));
    EXPECT_FALSE(mGame->StartLevel(99));
    EXPECT_EQ(Reports(), (std::vector<std::string>{"lev99.levfile not found! (Level::Load)"}));
    EXPECT_EQ(mMain.GetCurrent(), Main::kMapScreen);
    EXPECT_FALSE(mGame->GetPanel()->IsActive());
    // The frames that follow show the map and raise nothing more.
    for (int frame = 0; frame < 5; ++frame)
    {
        mMain.UpdateList(1.0f / 60.0f);
    }
    EXPECT_EQ(Reports().size(), 1u) << Reports().back();
    // The next start that loads plays as usual.
    ASSERT_TRUE(mGame->StartLevel(2));
    EXPECT_EQ(mMain.GetCurrent(), Main::kGameScreen);
    EXPECT_TRUE(mGame->GetPanel()->IsActive());
}

TEST_F(LevelStartTest, ContinuingALevelThatCannotBeBuiltReadsNoSave)
{
    // The level goes back to the map before its save is read, so the save is neither loaded nor set aside.
    Profile profile;
    profile.levelInPlay = 98;
    EXPECT_EQ(profile.LoadGame(), Profile::LoadGameResult::LevelNotStarted);
    EXPECT_EQ(mMain.GetCurrent(), Main::kMapScreen);
}
