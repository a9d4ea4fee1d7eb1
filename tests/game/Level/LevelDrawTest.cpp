#include "engine/File/FileSysManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/SpriteManager.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Game/Bk01.h"
#include "game/Game/Bk03.h"
#include "game/Game/Game.h"
#include "game/Game/GameField.h"
#include "game/Game/Level.h"
#include "game/Game/LevelBackdrop.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Util/RotateMesh.h"
#include "platform/PngCodec.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/game/Level/LevelFileBuilder.h"
#include "tests/support/ReportRecorder.h"

#include <cmath>
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

TEST_F(LevelDrawTest, TheMillSailsAndTheWaterWheelTurnWithTheTimeThatPassed)
{
    Bk01 mill;
    mill.Init();
    Bk03 river;
    river.Init();
    // Frames of uneven length: the turn follows the time alone, 0.1 radians a second for the sails and
    // -0.125 for the wheel, the same as one turn by the whole time from rest.
    float total = 0.0f;
    for (const float dt : {1.0f / 60.0f, 1.0f / 30.0f, 0.25f, 1.0f, 2.0f, 1.0f / 60.0f})
    {
        mill.Update(dt);
        river.Update(dt);
        total += dt;
    }
    struct Turning
    {
        Korrin::Mesh* mesh;
        const char* image;
        float speed;
    };
    const Turning turning[] = {{mill.GetSails()[0], "Mill01.png", 0.1f},
                               {mill.GetSails()[1], "Mill01.png", 0.1f},
                               {mill.GetSails()[2], "Mill01.png", 0.1f},
                               {river.GetWheel(), "bk03_whell.png", -0.125f}};
    for (const Turning& part : turning)
    {
        ASSERT_NE(part.mesh, nullptr) << part.image;
        Korrin::Mesh* expected = mSprites.CreateMesh(part.image, 96, 96);
        const float restU = expected->GridVertex(0, 0).u;
        RotateMesh(*expected, total, part.speed, 0.5f, 0.5f);
        EXPECT_GT(std::abs(expected->GridVertex(0, 0).u - restU), 0.05f) << part.image << " turns at all";
        for (std::uint16_t row = 0; row < expected->GetVertexRows(); ++row)
        {
            for (std::uint16_t column = 0; column < expected->GetVertexColumns(); ++column)
            {
                const Korrin::Vertex& got = part.mesh->GridVertex(row, column);
                EXPECT_NEAR(got.u, expected->GridVertex(row, column).u, 1e-4f) << part.image;
                EXPECT_NEAR(got.v, expected->GridVertex(row, column).v, 1e-4f) << part.image;
            }
        }
        mSprites.DeleteSprite(expected);
    }
}

TEST_F(LevelDrawTest, ABackgroundTypeAboveThreeIsLoggedAndTheFirstBackgroundStandsInForEverything)
{
    struct Case
    {
        std::uint8_t stored;
        std::uint8_t used;
        const char* backdrop;
    };
    const Case cases[] = {{0, 0, "Bk01"}, {3, 3, "Bk04"}, {4, 0, "Bk01"}, {255, 0, "Bk01"}};
    for (const Case& c : cases)
    {
        ReportRecorder::Clear();
        TestSupport::LevelFileBuilder file = TestSupport::LevelFileBuilder::Complete();
        file.background = c.stored;
        file.scenery = {{"Flag", 100.0f, 300.0f, 0, 0}};
        Level level;
        level.Build(file.Parsed());
        EXPECT_TRUE(ReportRecorder::Boxes().empty())
            << +c.stored << ": " << ReportRecorder::LastDescription();
        EXPECT_EQ(LevelTaskInfo::GetInstance()->backgroundType, c.used) << +c.stored;
        EXPECT_EQ(level.GetGameField()->GetStyle(), c.used) << +c.stored;
        const Blank& backdrop = *level.Find("Background");
        EXPECT_NE(std::string(typeid(backdrop).name()).find(c.backdrop), std::string::npos) << +c.stored;
        ASSERT_EQ(level.GetGameField()->GetAnimatedObjects().size(), 1u);
        EXPECT_NE(level.GetGameField()->GetAnimatedObjects()[0].drawable, nullptr)
            << +c.stored << ": the scenery comes from the used background's script";
    }
    EXPECT_NE(mRender.Log().Text().find("background type 255 unknown, background 0 used"), std::string::npos);
    EXPECT_EQ(mRender.Log().Text().find("background type 3 unknown"), std::string::npos);
}

TEST_F(LevelDrawTest, SceneryThatSharesADrawableRunsAtItsOwnSpeedHoweverManyUseIt)
{
    // The flag shows 6 frames a second; three flags of one table share one drawable.
    GameField field;
    for (const float x : {10.0f, 200.0f, 400.0f})
    {
        field.AddAnimatedObject("Flag", x, 300.0f, 0, 0);
    }
    const auto* flag = static_cast<const Korrin::AnimatedSprite*>(field.GetAnimatedObjects()[0].drawable);
    ASSERT_NE(flag, nullptr);
    for (int frame = 0; frame < 20; ++frame)
    {
        field.Update(1.0f / 60.0f);
    }
    EXPECT_NEAR(flag->GetFramePosition(), 2.0f, 1e-3f) << "a third of a second at 6 frames a second";
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
