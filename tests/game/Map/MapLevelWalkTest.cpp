#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Render/SpriteManager.h"
#include "game/Game/Game.h"
#include "game/Game/GameField.h"
#include "game/Game/Level.h"
#include "game/Game/LevelFile.h"
#include "game/Game/LevelTaskInfo.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using TestSupport::ReportRecorder;

namespace
{

struct LevelRange
{
    std::uint16_t first;
    std::uint16_t last;
};

// Every level of the sample data started through the game screen, updated and drawn once; the walk is
// cut into groups that CTest runs side by side. (The map's own test clicks every button and starts a
// few levels inside the running game, whose loading screen plays some 170 frames per start.)
class MapLevelWalk : public testing::TestWithParam<LevelRange>
{
protected:
    MapLevelWalk() { mFiles.AddDirectory("media"); }

    LevelFile ReadFile(std::uint16_t level)
    {
        Korrin::FileData data;
        LevelFile file;
        const std::string name = Level::FileName(level);
        EXPECT_TRUE(mFiles.FindFileData(name, data) && file.Parse({data.GetData(), data.GetSize()}, name))
            << name;
        return file;
    }

    void DrawFrame()
    {
        Korrin::RenderSystem& render = mRender.Render();
        render.BeginFrame();
        render.BeginScene(nullptr);
        mGame.Draw();
        render.EndScene();
    }

    TestSupport::RenderFixture mRender;
    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
    Korrin::SpriteManager mSprites;
    Game mGame;
};

std::string GroupName(const testing::TestParamInfo<LevelRange>& info)
{
    char name[32];
    std::snprintf(name, sizeof name, "Levels%02dTo%02d", info.param.first, info.param.last);
    return name;
}

} // namespace

TEST_P(MapLevelWalk, EachLevelStartsWithItsBackdropAndGoalsWithoutAReport)
{
    mGame.Init();
    for (std::uint16_t level = GetParam().first; level <= GetParam().last; ++level)
    {
        const LevelFile file = ReadFile(level);
        ReportRecorder::Clear();
        ASSERT_TRUE(mGame.StartLevel(level)) << level;
        mGame.Update(1.0f / 60.0f);
        DrawFrame();
        for (const ReportRecorder::Box& box : ReportRecorder::Boxes())
        {
            ADD_FAILURE() << "level " << level << ": " << box.text;
        }
        const LevelTaskInfo& task = *LevelTaskInfo::GetInstance();
        EXPECT_EQ(task.level, level);
        EXPECT_EQ(mGame.GetLevel()->GetGameField()->GetStyle(), file.backgroundType) << level;
        std::size_t goals = 0;
        for (const LevelFile::Goal& goal : file.goals)
        {
            goals += goal.code != 0 ? 1 : 0;
        }
        EXPECT_EQ(task.goals.size(), goals) << level;
    }
}

INSTANTIATE_TEST_SUITE_P(AllLevels, MapLevelWalk,
                         testing::Values(LevelRange{1, 17}, LevelRange{18, 34}, LevelRange{35, 51},
                                         LevelRange{52, 67}),
                         GroupName);
