#include "engine/File/FileSysManager.h"
#include "engine/Render/SpriteManager.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Game/Game.h"
#include "game/Game/GameField.h"
#include "game/Game/Level.h"
#include "game/Game/LevelBackdrop.h"
#include "platform/PngCodec.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <typeinfo>

using TestSupport::ReportRecorder;

namespace
{

// The game screen over the sample data, drawn by the software device.
class LevelDrawTest : public testing::Test
{
protected:
    LevelDrawTest() { mFiles.AddDirectory("media"); }

    Platform::Image DrawFrame()
    {
        Korrin::RenderSystem& render = mRender.Render();
        render.BeginFrame();
        render.BeginScene(nullptr);
        mGame.Draw();
        render.EndScene();
        return mRender.BackBuffer();
    }

    static std::uint32_t Rgb(const Platform::Image& image, int x, int y)
    {
        return image.At(x, y) & 0xFFFFFFu;
    }

    TestSupport::RenderFixture mRender;
    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
    Korrin::SpriteManager mSprites;
    Game mGame;
};

} // namespace

TEST_F(LevelDrawTest, TheFirstLevelShowsItsBackdropTilesAndEntities)
{
    ReportRecorder::Clear();
    mGame.Init();
    mGame.StartLevel(1);
    ASSERT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();
    const Platform::Image frame = DrawFrame();
    Platform::PngCodec::Write(frame, "level1.png");

    // The floor of the bottom row (row 22: y 568 to 592) is grass over earth, not the clear colour.
    const std::uint32_t clear = Rgb(frame, 0, 0);
    EXPECT_NE(Rgb(frame, 600, 580), clear);
    // The shop's placeholder (columns 7 and 8, 96 pixels tall above the bottom of row 22) is red.
    const Entity* shop = mGame.GetLevel()->GetEntityManager()->GetEntity(Entity::kShop);
    ASSERT_NE(shop, nullptr);
    const std::uint32_t shopPixel =
        frame.At(static_cast<int>(shop->GetRect().left) + 20, static_cast<int>(shop->GetRect().top) + 10);
    EXPECT_GT((shopPixel >> 16) & 0xFF, (shopPixel >> 8) & 0xFF) << std::hex << shopPixel;
}

TEST_F(LevelDrawTest, EverySampleLevelDrawsWithoutReports)
{
    mGame.Init();
    for (std::uint16_t number = 1; number <= 3; ++number)
    {
        ReportRecorder::Clear();
        mGame.StartLevel(number);
        // A frame of updates first, so that the animations have chosen their frames.
        mGame.Update(1.0f / 60.0f);
        const Platform::Image frame = DrawFrame();
        Platform::PngCodec::Write(frame, "level" + std::to_string(number) + ".png");
        EXPECT_TRUE(ReportRecorder::Boxes().empty()) << number << ": " << ReportRecorder::LastDescription();
        EXPECT_EQ(mGame.GetLevel()->GetGameField()->GetStyle(), number - 1);
    }
}

TEST_F(LevelDrawTest, ALevelStartedAgainLeavesNoDrawablesBehind)
{
    mGame.Init();
    mGame.StartLevel(1);
    const std::size_t afterFirst = mSprites.GetCount();
    for (std::uint16_t number : {3, 2, 1})
    {
        mGame.StartLevel(number);
    }
    EXPECT_EQ(mSprites.GetCount(), afterFirst);
}

TEST_F(LevelDrawTest, BackdropsByTypeWithBirdsThatStartTheirFramesAgain)
{
    const std::pair<std::uint32_t, const char*> types[] = {{0, "Bk01"}, {1, "Bk02"}, {2, "Bk03"},
                                                           {3, "Bk04"}, {4, "Bk01"}, {255, "Bk01"}};
    for (const auto& [type, name] : types)
    {
        std::unique_ptr<LevelBackdrop> backdrop(LevelBackdrop::Create(type));
        EXPECT_NE(std::string(typeid(*backdrop).name()).find(name), std::string::npos) << type;
    }
    std::unique_ptr<LevelBackdrop> backdrop(LevelBackdrop::Create(0));
    backdrop->Init();
    ASSERT_EQ(backdrop->GetBirds().size(), 2u);
    // The first bird shows 10 frames a second and the sheet has 4: at 0.35 s it shows frame 3.5, and the
    // step that reaches 4 starts it again at 0.
    for (int step = 0; step < 7; ++step)
    {
        backdrop->Update(0.05f);
    }
    EXPECT_NEAR(backdrop->GetBirds()[0].frame, 3.5f, 1e-4f);
    backdrop->Update(0.05f);
    EXPECT_EQ(backdrop->GetBirds()[0].frame, 0.0f);
    EXPECT_GT(backdrop->GetBirds()[0].position.x, -60.0f) << "the bird flies along its path";
}

TEST_F(LevelDrawTest, AFieldOfAnUnknownStyleHasNoTileSheetButDrawsSafely)
{
    GameField field;
    field.LoadTileSheet(7);
    EXPECT_EQ(field.GetStyle(), 7);
    field.SetTile(0, 0, 2);
    field.SetTile(1, 1, 60000);
    field.AddDecoration(0, 2, 25, 65535);
    field.AddCellMark(3, 3);
    field.SetRopeHighlight(0, {4, 4});
    const Platform::Image frame = [&]
    {
        Korrin::RenderSystem& render = mRender.Render();
        render.BeginFrame();
        render.BeginScene(nullptr);
        field.Draw();
        field.CountDraw();
        field.Draw();
        render.EndScene();
        return mRender.BackBuffer();
    }();
    EXPECT_EQ(frame.width, 1024);
}
