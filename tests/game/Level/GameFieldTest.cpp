#include "game/Game/GameField.h"

#include "game/Pers/Pers.h"
#include "game/Pers/PersManager.h"
#include "tests/engine/LogCapture.h"

#include <functional>
#include <gtest/gtest.h>

namespace
{

class GameFieldTest : public testing::Test
{
protected:
    TestSupport::LogCapture mLog;
    GameField mField;
};

} // namespace

TEST_F(GameFieldTest, WalkKindsByTileAndStyle)
{
    struct Case
    {
        std::uint16_t tile;
        std::uint8_t style;
        int walk;
    };
    const Case cases[] = {
        {2, 0, 1},   {6, 3, 1},   {7, 0, 0},   {180, 0, 1}, {184, 0, 1}, {180, 1, 0}, {196, 0, 0},
        {196, 1, 1}, {200, 3, 1}, {212, 2, 1}, {216, 2, 1}, {212, 3, 0}, {34, 0, 2},  {38, 2, 2},
        {65, 0, 2},  {66, 1, 2},  {68, 0, 0},  {69, 0, 2},  {72, 0, 2},  {145, 0, 2}, {147, 0, 2},
        {97, 0, 3},  {98, 0, 3},  {0, 0, 0},   {33, 0, 0},
    };
    for (const Case& c : cases)
    {
        mField.SetStyle(c.style);
        mField.SetTile(5, 5, c.tile);
        EXPECT_EQ(mField.GetWalkKind(5, 5), c.walk) << "tile " << c.tile << " style " << int(c.style);
    }
    mField.SetTile(0, 0, 2);
    EXPECT_EQ(mField.GetWalkKind(-1, 0), 0);
    EXPECT_EQ(mField.GetWalkKind(16, 0), 0);
    EXPECT_EQ(mField.GetWalkKind(0, 26), 0);
}

TEST_F(GameFieldTest, RopeKindsByTile)
{
    const std::pair<std::uint16_t, int> cases[] = {
        {40, 1},  {56, 1},  {72, 1},  {88, 1},  {104, 1}, {120, 1}, {71, 2},  {87, 2},
        {103, 2}, {119, 2}, {147, 2}, {70, 3},  {86, 3},  {102, 3}, {118, 3}, {146, 3},
        {69, 4},  {85, 4},  {101, 4}, {145, 4}, {161, 4}, {66, 0},  {34, 0},  {2, 0},
    };
    for (const auto& [tile, kind] : cases)
    {
        mField.SetTile(3, 3, tile);
        EXPECT_EQ(mField.GetRopeKind(3, 3), kind) << "tile " << tile;
    }
    EXPECT_EQ(mField.GetRopeKind(-1, 3), 0);
}

TEST_F(GameFieldTest, FreeCellsAvoidTheShopTheStorehouseAndStandingCharacters)
{
    EXPECT_TRUE(mField.IsCellFree(-4, 40));
    mField.SetObjectCode(4, 10, 17);
    mField.SetObjectCode(5, 10, 10);
    EXPECT_FALSE(mField.IsCellFree(4, 10));
    EXPECT_FALSE(mField.IsCellFree(5, 10));

    IJ cell{4, 10};
    ASSERT_TRUE(mField.FindFreeCellNear(cell));
    EXPECT_EQ(cell, (IJ{3, 10})) << "one step left comes before two steps right";

    PersManager characters;
    Pers* standing = characters.CreatePers(5);
    standing->SetIJ(3, 10);
    standing->SetActive(true);
    cell = {4, 10};
    ASSERT_TRUE(mField.FindFreeCellNear(cell));
    EXPECT_EQ(cell, (IJ{6, 10}));

    // Never onto the last column going right, but onto column 0 going left.
    mField.SetObjectCode(14, 3, 10);
    cell = {14, 3};
    ASSERT_TRUE(mField.FindFreeCellNear(cell));
    EXPECT_EQ(cell, (IJ{13, 3}));
    for (int i = 1; i < 16; ++i)
    {
        mField.SetObjectCode(i, 7, 17);
    }
    cell = {9, 7};
    ASSERT_TRUE(mField.FindFreeCellNear(cell));
    EXPECT_EQ(cell, (IJ{0, 7}));
    mField.SetObjectCode(0, 7, 17);
    cell = {9, 7};
    EXPECT_FALSE(mField.FindFreeCellNear(cell));
    EXPECT_EQ(cell, (IJ{9, 7}));
}

TEST_F(GameFieldTest, DecorationsGoToTheirLayerAndTheLastRowOnceMoreBelow)
{
    mField.AddDecoration(0, 1, 1, 0);
    mField.AddDecoration(3, 1, 1, 5);
    EXPECT_TRUE(mField.GetLayers().empty());
    mField.AddDecoration(1, 2, 3, 12);
    mField.AddDecoration(2, 4, 25, 17);
    ASSERT_EQ(mField.GetLayers().size(), 3u);
    EXPECT_TRUE(mField.GetLayers()[0].decorations.empty());
    ASSERT_EQ(mField.GetLayers()[1].decorations.size(), 1u);
    EXPECT_EQ(mField.GetLayers()[1].decorations[0].x, 128.0f);
    EXPECT_EQ(mField.GetLayers()[1].decorations[0].y, 3.0f * 24.0f + 40.0f);
    const auto& last = mField.GetLayers()[2].decorations;
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[0].y, 25.0f * 24.0f + 40.0f);
    EXPECT_EQ(last[1].y, 664.0f);
    EXPECT_EQ(last[1].code, 17);
}

TEST_F(GameFieldTest, SceneryIsDrawnAfterTheLayerOfItsOrder)
{
    struct Case
    {
        const char* what;
        bool decorated;
        std::vector<std::int32_t> orders;
        std::vector<std::int32_t> drawn;
    };
    const Case cases[] = {
        {"no decoration: only order 0", false, {0, 1, 0, 3}, {0, 0}},
        {"a negative order sorts first and hides everything", false, {0, -1, 1}, {}},
        {"three layers: orders 0 to 3", true, {3, 0, 2, 1, 1}, {0, 1, 1, 2, 3}},
        {"a missing order is waited out", true, {0, 2, 3}, {0, 2, 3}},
        {"an order past the layers is never drawn", true, {4, 0, 1}, {0, 1}},
    };
    for (const Case& c : cases)
    {
        GameField field;
        if (c.decorated)
        {
            field.AddDecoration(0, 0, 0, 1);
        }
        for (std::size_t n = 0; n < c.orders.size(); ++n)
        {
            field.AddAnimatedObject("Table" + std::to_string(n), 0.0f, 100.0f, 0, c.orders[n]);
        }
        std::vector<std::int32_t> drawn;
        for (const AnimBkObject* object : field.SceneryObjectsInDrawOrder())
        {
            drawn.push_back(object->drawOrder);
        }
        EXPECT_EQ(drawn, c.drawn) << c.what;
    }
}

TEST_F(GameFieldTest, SceneryOfOneTableSharesItsOrderAndStandsAboveTheFileY)
{
    mField.AddAnimatedObject("Flag", 10.0f, 240.0f, 0, 2);
    mField.AddAnimatedObject("Flag", 20.0f, 300.0f, 1, 0);
    ASSERT_EQ(mField.GetAnimatedObjects().size(), 2u);
    EXPECT_EQ(mField.GetAnimatedObjects()[1].drawOrder, 2);
    EXPECT_EQ(mField.GetAnimatedObjects()[1].kind, 1);
    EXPECT_EQ(mField.GetAnimatedObjects()[0].y, 200.0f);
}

TEST_F(GameFieldTest, AWetMarkFadesInTwoSecondsAndIsThenRemoved)
{
    mField.AddCellMark(2, 3);
    ASSERT_EQ(mField.GetWetMarks().size(), 1u);
    EXPECT_EQ(mField.GetWetMarks().front().x, 128.0f);
    EXPECT_EQ(mField.GetWetMarks().front().alpha, 1.0f);
    for (int frame = 0; frame < 60; ++frame)
    {
        mField.Update(1.0f / 60.0f);
    }
    ASSERT_EQ(mField.GetWetMarks().size(), 1u);
    EXPECT_NEAR(mField.GetWetMarks().front().alpha, 0.5f, 1e-4f);
    for (int frame = 0; frame < 62; ++frame)
    {
        mField.Update(1.0f / 60.0f);
    }
    EXPECT_TRUE(mField.GetWetMarks().empty());
    EXPECT_NE(mLog.Text().find(" i=mDrawWaterGroundList.erase(i); "), std::string::npos);
}

TEST_F(GameFieldTest, WalkingPathsUseRopesOnlyOnTheirTiles)
{
    // Two floors joined by a ladder column at I = 3 (tile 34) and, at I = 8, a rope foot marker (object
    // code 1) without a rope tile above it.
    for (int i = 0; i < 16; ++i)
    {
        mField.SetTile(i, 5, 2);
        mField.SetTile(i, 10, 2);
    }
    for (int j = 6; j < 10; ++j)
    {
        mField.SetTile(3, j, 34);
        mField.SetObjectCode(8, j, 1);
    }
    std::vector<IJ> path;
    mField.FindPath({8, 5}, {8, 10}, path);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.size(), 5u + 5u + 5u + 1u) << "round by the ladder";
    // Buyers walk over any cell that holds an object code.
    mField.FindPathIgnoringRopes({8, 5}, {8, 10}, path);
    EXPECT_EQ(path.size(), 6u);
    EXPECT_NE(mLog.Text().find("ffff"), std::string::npos);
    // Rope tiles of a rope kind open the cells of code 1 to the walkers as well, once the rope entity says
    // that ropes changed.
    for (int j = 6; j < 10; ++j)
    {
        mField.SetTile(8, j, 72);
    }
    mField.MarkGridAStale();
    mField.FindPath({8, 5}, {8, 10}, path);
    EXPECT_EQ(path.size(), 6u);
}

TEST_F(GameFieldTest, OnlyARopeChangeRebuildsTheWalkingGridAndTheBuyersGridStaysAsBuilt)
{
    // Two floors joined by a ladder column at I = 3, rope foot markers without rope tiles at I = 8.
    for (int i = 0; i < 16; ++i)
    {
        mField.SetTile(i, 5, 2);
        mField.SetTile(i, 10, 2);
    }
    for (int j = 6; j < 10; ++j)
    {
        mField.SetTile(3, j, 34);
        mField.SetObjectCode(8, j, 1);
    }
    struct Stage
    {
        const char* what;
        std::function<void()> change;
        std::size_t downTheRopeColumn; // walking, (8, 5) to (8, 10)
        std::size_t alongTheFloor;     // walking, (0, 5) to (4, 5)
        std::size_t buyersAlongTheFloor;
    };
    const Stage stages[] = {
        {"as loaded", [] {}, 16, 5, 5},
        {"a floor cell goes in play", [&] { mField.SetTile(2, 5, 0); }, 16, 5, 5},
        {"a rope is built",
         [&]
         {
             for (int j = 6; j < 10; ++j)
             {
                 mField.SetTile(8, j, 72);
             }
             mField.MarkGridAStale();
         },
         6, 0, 5},
    };
    std::vector<IJ> path;
    for (const Stage& stage : stages)
    {
        stage.change();
        mField.FindPath({8, 5}, {8, 10}, path);
        EXPECT_EQ(path.size(), stage.downTheRopeColumn) << stage.what;
        mField.FindPath({0, 5}, {4, 5}, path);
        EXPECT_EQ(path.size(), stage.alongTheFloor) << stage.what;
        mField.FindPathIgnoringRopes({0, 5}, {4, 5}, path);
        EXPECT_EQ(path.size(), stage.buyersAlongTheFloor) << stage.what;
    }
    const std::string log = mLog.Text();
    EXPECT_NE(log.find("ffff"), std::string::npos);
    EXPECT_EQ(log.find("ffff"), log.rfind("ffff")) << "the buyers' grid is built once";
}

TEST_F(GameFieldTest, AStartOrGoalOffTheFieldHasNoPathWhateverTheSearchBefore)
{
    for (int i = 0; i < 16; ++i)
    {
        mField.SetTile(i, 5, 2);
    }
    std::vector<IJ> path;
    EXPECT_TRUE(mField.FindPath({0, 5}, {4, 5}, path));
    ASSERT_EQ(path.size(), 5u);
    const IJ outside[] = {{-1, 5}, {16, 5}, {3, -1}, {3, 26}};
    for (const IJ& cell : outside)
    {
        EXPECT_FALSE(mField.FindPath(cell, {4, 5}, path));
        EXPECT_TRUE(path.empty()) << cell.I << "," << cell.J;
        EXPECT_FALSE(mField.FindPath({0, 5}, cell, path));
        EXPECT_TRUE(path.empty()) << cell.I << "," << cell.J;
        EXPECT_FALSE(mField.FindPathIgnoringRopes({0, 5}, cell, path));
        EXPECT_TRUE(path.empty()) << cell.I << "," << cell.J;
    }
}
