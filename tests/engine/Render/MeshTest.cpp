#include "engine/Render/Mesh.h"

#include "engine/Render/AnimatedMesh.h"
#include "tests/engine/Render/SpriteFixture.h"

using Korrin::AnimatedMesh;
using Korrin::Mesh;

namespace
{

class MeshTest : public TestSupport::SpriteTest
{
};

const char* const kScript = R"(
Flag = { Image = "sheet.png", NumsCell = { 3, 2 }, MeshSize = { 96, 64 }, SrcRect = { 0, 0, 64, 32 } }
Tiny = { Image = "sheet.png", NumsCell = { 1, 1 } }
Huge = { Image = "sheet.png", NumsCell = { 100000, 100000 } }
Wave = { Image = "sheet.png", NumsCell = { 2, 2 }, MeshSize = { 20, 20 },
         Animation = { FramesList = {
           { 0, 0, 0, 10, 0, 0, 10, 10, 10 },
           { 2, 20, 0, 30, 0, 20, 10, 30, 10 } } } }
Broken = { Image = "sheet.png", NumsCell = { 2, 2 },
           Animation = { FramesList = { { 0, 0, 0, 1, 0, 0, 1, 1, 1 }, { 2, 1, 2, 3, 4, "x", 5 } } } }
Late = { Image = "sheet.png", NumsCell = { 2, 2 }, Animation = { FramesList = { { "late", 1, 1, 2, 2, 3, 3, 4, 4 } } } }
Still = { Image = "sheet.png", NumsCell = { 2, 2 } }
Instant = { Image = "sheet.png", NumsCell = { 2, 2 },
            Animation = { FramesList = { { 0, 0, 0, 1, 0, 0, 1, 1, 1 }, { 0, 5, 5, 6, 5, 5, 6, 6, 6 } } } }
)";

} // namespace

TEST_F(MeshTest, AMadeMeshIsOneCellOfTheGivenSize)
{
    Mesh* mesh = mSprites.CreateMesh("sheet.png", 64, 32);
    EXPECT_EQ(mesh->GetVertexCount(), 4u);
    EXPECT_FLOAT_EQ(mesh->GridVertex(1, 1).x, 64.0f);
    EXPECT_FLOAT_EQ(mesh->GridVertex(1, 1).y, 32.0f);
    EXPECT_FLOAT_EQ(mesh->GridVertex(1, 1).u, 1.0f);
    EXPECT_EQ(QuadsDrawn([&] { mesh->DrawCells(100, 50, 5, 5); }), 1u);
}

TEST_F(MeshTest, LoadsItsGridFromATable)
{
    Script("mesh.lua", kScript);
    Mesh* flag = mSprites.LoadMesh("Flag", "mesh.lua");
    EXPECT_EQ(flag->GetVertexColumns(), 3);
    EXPECT_EQ(flag->GetVertexRows(), 2);
    EXPECT_FLOAT_EQ(flag->GetCellWidth(), 32.0f);
    EXPECT_FLOAT_EQ(flag->GetCellHeight(), 32.0f);
    EXPECT_FLOAT_EQ(flag->GridVertex(0, 1).u, 0.5f);
    EXPECT_FLOAT_EQ(flag->GridVertex(1, 2).v, 1.0f);
    // More cells asked than the grid has: the whole grid once.
    EXPECT_EQ(QuadsDrawn([&] { flag->DrawCells(0, 0, 50, 50); }), 2u);
    flag->SetColour(1.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(flag->GridVertex(1, 2).colour, 0xFFFF0000u);
    flag->OffsetVertexUV(1, 2, 0.25f, 0.0f);
    flag->OffsetVertexUV(7, 2, 0.25f, 0.0f);
    EXPECT_FLOAT_EQ(flag->GridVertex(1, 2).u, 1.25f);

    EXPECT_EQ(mSprites.LoadMesh("Tiny", "mesh.lua")->GetVertexCount(), 4u) << "a grid is at least 2 x 2";
    EXPECT_EQ(mSprites.LoadMesh("Huge", "mesh.lua")->GetVertexCount(), 4u) << "an absurd grid is refused";
}

TEST_F(MeshTest, AnimatedVerticesMoveBetweenKeyFrames)
{
    Script("mesh.lua", kScript);
    AnimatedMesh* wave = mSprites.LoadAnimatedMesh("Wave", "mesh.lua");
    ASSERT_EQ(wave->GetFrames().size(), 2u);
    EXPECT_TRUE(wave->UpdateAnimation(1.0f));
    EXPECT_FLOAT_EQ(wave->GridVertex(0, 0).x, 10.0f);
    EXPECT_FLOAT_EQ(wave->GridVertex(1, 1).x, 20.0f);
    EXPECT_FALSE(wave->UpdateAnimation(1.0f)) << "resting on the last frame";
    EXPECT_FLOAT_EQ(wave->GridVertex(0, 0).x, 20.0f);

    wave->SetLoop(true);
    EXPECT_TRUE(wave->UpdateAnimation(0.5f));
    EXPECT_FLOAT_EQ(wave->GetTime(), 0.0f);
    EXPECT_FLOAT_EQ(wave->GridVertex(0, 0).x, 0.0f) << "a loop starts again on the first frame";
}

TEST_F(MeshTest, BrokenFramesAreLoggedAndNeverMovedTo)
{
    Script("mesh.lua", kScript);
    AnimatedMesh* broken = mSprites.LoadAnimatedMesh("Broken", "mesh.lua");
    ASSERT_EQ(broken->GetFrames().size(), 2u);
    EXPECT_NE(mRender.Log().Text().find("ERROR cr=4,s=2.000000"), std::string::npos);
    const float before = broken->GridVertex(1, 1).x;
    EXPECT_TRUE(broken->UpdateAnimation(0.5f));
    EXPECT_FLOAT_EQ(broken->GridVertex(1, 1).x, before);
    AnimatedMesh* late = mSprites.LoadAnimatedMesh("Late", "mesh.lua");
    ASSERT_EQ(late->GetFrames().size(), 1u);
    EXPECT_FLOAT_EQ(late->GetFrames()[0].time, 0.0f) << "a frame without a time number starts at 0";

    AnimatedMesh* still = mSprites.LoadAnimatedMesh("Still", "mesh.lua");
    EXPECT_TRUE(still->UpdateAnimation(1.0f));
}

TEST_F(MeshTest, ALoopWhoseLastFrameIsAtTimeZeroStops)
{
    Script("mesh.lua", kScript);
    AnimatedMesh* instant = mSprites.LoadAnimatedMesh("Instant", "mesh.lua");
    instant->SetLoop(true);
    EXPECT_FALSE(instant->UpdateAnimation(0.1f));
    EXPECT_FLOAT_EQ(instant->GridVertex(0, 0).x, 5.0f);
}
