#include "game/Entity/EntityRope.h"

#include "game/Game/GameField.h"
#include "game/Util/InputLocks.h"
#include "tests/game/Entity/GardenPanelFixture.h"
#include "tests/support/LeftButton.h"

#include <array>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace
{

// Two floors (rows 10 and 12, columns 0 to 8) joined by two links that are not yet bought: columns 3
// and 6 carry object code 1 from the upper floor's cell (tile 66, where the table stands) down to the
// lower floor's cell, with no tile on the cell between.
constexpr std::int32_t kTop = 10;
constexpr std::int32_t kBottom = 12;
constexpr std::array<std::int32_t, 2> kLinks = {3, 6};

void LayLevel(GameField& field)
{
    for (std::int32_t i = 0; i <= 8; ++i)
    {
        field.SetTile(i, kTop, 2);
        field.SetTile(i, kBottom, 2);
    }
    for (const std::int32_t i : kLinks)
    {
        field.SetTile(i, kTop, 66);
        for (std::int32_t j = kTop; j <= kBottom; ++j)
        {
            field.SetObjectCode(i, j, EntityRope::kLinkCode);
        }
    }
}

std::array<std::uint16_t, 4> Column(const GameField& field, std::int32_t i)
{
    return {field.GetTile(i, kTop), field.GetTile(i, kTop + 1), field.GetTile(i, kTop + 2),
            field.GetTile(i, kTop + 3)};
}

class EntityRopeTest : public TestSupport::GardenPanelFixture
{
protected:
    EntityRopeTest()
    {
        mHints.Load();
        LayLevel(mField);
        Prepare(mRope, mField);
    }
    ~EntityRopeTest() override { InputLocks::second = InputLocks::third = false; }

    // A rope as the level makes it: a table on each link's upper cell.
    static void Prepare(EntityRope& rope, GameField& field)
    {
        rope.SetGameField(&field);
        for (const std::int32_t i : kLinks)
        {
            rope.AddPoint(FieldGeometry::CellX(i), FieldGeometry::CellY(kTop) - EntityRope::kTableRise, 0);
        }
        rope.Init();
    }

    void Unlock(std::uint16_t level)
    {
        mTable.GetCostPtr(Entity::kRope)->upgradeLevel = level;
        mRope.Init();
    }

    // A click at the point, through the rope's mouse protocol.
    bool ClickAt(float x, float y)
    {
        mRope.ClearHover();
        mRope.IsPointInside({x, y});
        mButton.Press();
        return mRope.TryClick();
    }

    void ClickTable(std::size_t n)
    {
        const EntityRope::RopeTablePoint table = mRope.GetPoints()[n];
        ASSERT_TRUE(ClickAt(table.x + 10.0f, table.y + 10.0f));
    }

    // The panel's button clicked this frame.
    void Click(const std::string& name)
    {
        Clicked(name);
        mRope.OnGuiEvent();
        mWidgets.RemoveMessage();
    }

    void Buy(std::size_t table)
    {
        ClickTable(table);
        Click("TABROPE_BUY");
    }

    void SelectLink(std::int32_t i) { ASSERT_TRUE(ClickAt(FieldGeometry::CellX(i) + 30.0f, 300.0f)); }

    bool Walks(const IJ& from, const IJ& to)
    {
        std::vector<IJ> path;
        return mField.FindPath(from, to, path);
    }

    std::vector<std::uint8_t> Record()
    {
        Korrin::BinaryWriter out;
        mRope.Save(out);
        return out.Bytes();
    }

    GameField mField;
    EntityRope mRope;
    TestSupport::LeftButton mButton{mRender.Services().Window()};
};

} // namespace

TEST_F(EntityRopeTest, TablesAreHoveredFirstAndTheirBoxesIncludeTheirEdges)
{
    const EntityRope::RopeTablePoint second = mRope.GetPoints()[1];
    struct Case
    {
        Korrin::Vector2 point;
        bool inside;
        std::int32_t hover;
    };
    const Case cases[] = {{{second.x, second.y}, true, 2},
                          {{second.x + 74.0f, second.y + 90.0f}, true, 2},
                          {{second.x + 74.5f, second.y + 20.0f}, false, -1},
                          {{second.x + 20.0f, second.y - 0.5f}, false, -1}};
    for (const Case& test : cases)
    {
        mRope.ClearHover();
        EXPECT_EQ(mRope.IsPointInside(test.point), test.inside) << test.point.x << "," << test.point.y;
        EXPECT_EQ(mRope.GetHover(), test.hover) << test.point.x << "," << test.point.y;
    }
    EXPECT_EQ(mHints.GetByName("BuyTableRopeHint")->pending, 1);
    // The table's own cell is a link cell without a rope yet: nothing but the table answers there.
    mRope.ClearHover();
    EXPECT_FALSE(
        mRope.IsPointInside({FieldGeometry::CellX(3) + 30.0f, FieldGeometry::CellY(kTop + 1) + 5.0f}));
}

TEST_F(EntityRopeTest, BuyingWritesTheRopesTilesRemovesTheTableAndOpensTheWay)
{
    EXPECT_FALSE(Walks({0, kBottom}, {0, kTop}));
    Buy(0);
    EXPECT_EQ(Column(mField, 3), (std::array<std::uint16_t, 4>{72, 56, 66, 82}));
    EXPECT_EQ(mTask.money, 1000 - 120);
    ASSERT_EQ(mRope.GetPoints().size(), 1u);
    EXPECT_EQ(mRope.GetPoints()[0].x, FieldGeometry::CellX(6));
    EXPECT_EQ(mField.GetRopeHighlight(1), (IJ{3, kTop})) << "the new rope is selected";
    EXPECT_EQ(mRope.GetEffects().GetCount(), 3u) << "one build effect per cell of the link";
    EXPECT_TRUE(Walks({0, kBottom}, {0, kTop}));
    EXPECT_FALSE(Open("TABROPE_BUY"));
    EXPECT_TRUE(Button("ROPE_UPGRADE")->IsVisible());
}

TEST_F(EntityRopeTest, ABuyThatCannotBePaidChangesNothing)
{
    mTask.money = 119;
    ClickTable(0);
    EXPECT_TRUE(Button("TABROPE_BUY")->IsDisabled());
    Click("TABROPE_BUY");
    EXPECT_EQ(Column(mField, 3), (std::array<std::uint16_t, 4>{66, 0, 2, 0}));
    EXPECT_EQ(mTask.money, 119);
    EXPECT_EQ(mRope.GetPoints().size(), 2u);
}

TEST_F(EntityRopeTest, EachUpgradeLowersTheTilesAndRewritesTheFootUntilTheTeleport)
{
    Unlock(3);
    mTask.money = 5000;
    Buy(0);
    struct Step
    {
        std::array<std::uint16_t, 4> tiles;
        std::int32_t price;
    };
    const Step steps[] = {{{71, 103, 147, 163}, 300}, {{70, 102, 146, 162}, 450}, {{69, 101, 145, 161}, 700}};
    for (const Step& step : steps)
    {
        const std::int32_t money = mTask.money;
        mRope.ChangeGui();
        ASSERT_TRUE(Open("ROPE_UPGRADE")) << step.price;
        Click("ROPE_UPGRADE");
        EXPECT_EQ(Column(mField, 3), step.tiles);
        EXPECT_EQ(mTask.money, money - step.price);
        EXPECT_TRUE(Walks({0, kBottom}, {0, kTop}));
    }
    // At the last kind the button smiles and a click changes nothing.
    EXPECT_EQ(Caption("ROPE_UPGRADE"), u"\u263A");
    EXPECT_FALSE(Open("ROPE_UPGRADE"));
    const std::int32_t money = mTask.money;
    Click("ROPE_UPGRADE");
    EXPECT_EQ(Column(mField, 3), (std::array<std::uint16_t, 4>{69, 101, 145, 161}));
    EXPECT_EQ(mTask.money, money);
}

TEST_F(EntityRopeTest, AnUpgradeNotYetBoughtInTheMapShopTakesNoMoney)
{
    Buy(0);
    const std::int32_t money = mTask.money;
    mRope.ChangeGui();
    EXPECT_FALSE(Open("ROPE_UPGRADE"));
    EXPECT_EQ(Caption("ROPE_UPGRADE"), u"");
    Click("ROPE_UPGRADE");
    EXPECT_EQ(Column(mField, 3), (std::array<std::uint16_t, 4>{72, 56, 66, 82}));
    EXPECT_EQ(mTask.money, money);
}

TEST_F(EntityRopeTest, HoveringALinksMiddleHoversItsTopAndNamesItsKind)
{
    Unlock(1);
    Buy(0);
    SelectLink(3);
    Click("ROPE_UPGRADE");
    mRope.ClearHover();
    ASSERT_TRUE(mRope.IsPointInside({FieldGeometry::CellX(3) + 5.0f, FieldGeometry::CellY(kTop + 1) + 3.0f}));
    EXPECT_EQ(mField.GetRopeHighlight(0), (IJ{3, kTop}));
    EXPECT_EQ(mRope.GetHover(), -1) << "a link leaves the hover state alone";
    EXPECT_EQ(mHints.GetByName("RopeHint2")->pending, 1);
}

TEST_F(EntityRopeTest, OnlyTheThirdLockKeepsAClickFromARope)
{
    Buy(0);
    const Korrin::Vector2 middle{FieldGeometry::CellX(3) + 5.0f, FieldGeometry::CellY(kTop + 1) + 3.0f};
    mRope.ClearPressed();
    InputLocks::second = true;
    EXPECT_TRUE(ClickAt(middle.x, middle.y)) << "the rope ignores the second lock";
    EXPECT_EQ(mField.GetRopeHighlight(1), (IJ{3, kTop}));
    InputLocks::second = false;
    InputLocks::third = true;
    mRope.ClearPressed();
    EXPECT_FALSE(ClickAt(middle.x, middle.y));
    EXPECT_EQ(mField.GetRopeHighlight(1), (IJ{-1, -1}));
}

TEST_F(EntityRopeTest, FlaggedTablesAreTheOnesInTheMarkedCellUntilTheSelectionEnds)
{
    mRope.MarkPointAtCell(6, kTop);
    EXPECT_EQ(mRope.GetPoints()[0].flagged, 0);
    EXPECT_EQ(mRope.GetPoints()[1].flagged, 1);
    EXPECT_TRUE(mRope.HasPointAtCell(6, kTop));
    EXPECT_FALSE(mRope.HasPointAtCell(6, kTop + 1));
    mRope.ClearPressed();
    EXPECT_EQ(mRope.GetPoints()[1].flagged, 0);
}

TEST_F(EntityRopeTest, SavedStairsAndTeleportLinksComeBackWithTheirTilesAndCanBeWalked)
{
    Unlock(3);
    mTask.money = 5000;
    Buy(0);
    Click("ROPE_UPGRADE");
    Buy(0);
    for (int k = 0; k < 3; ++k)
    {
        Click("ROPE_UPGRADE");
    }
    ASSERT_EQ(mField.GetRopeKind(3, kTop), 2);
    ASSERT_EQ(mField.GetRopeKind(6, kTop), EntityRope::kTeleport);
    const std::vector<std::uint8_t> saved = Record();

    GameField field;
    LayLevel(field);
    EntityRope rope;
    Prepare(rope, field);
    Korrin::BinaryReader in(saved);
    rope.Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_TRUE(in.AtEnd());
    EXPECT_TRUE(rope.GetPoints().empty());
    for (const std::int32_t i : kLinks)
    {
        EXPECT_EQ(Column(field, i), Column(mField, i)) << i;
    }
    std::vector<IJ> path;
    EXPECT_TRUE(field.FindPath({0, kBottom}, {0, kTop}, path)) << "the walking grid was rebuilt";
    EXPECT_TRUE(field.FindPath({8, kTop}, {8, kBottom}, path));
    Korrin::BinaryWriter again;
    rope.Save(again);
    EXPECT_EQ(again.Bytes(), saved);
}

TEST_F(EntityRopeTest, HostileRecordsAreRefused)
{
    Buy(0);
    const std::vector<std::uint8_t> saved = Record();
    // The rope's part after the entity record: the table count, one table, the link count, two links.
    const std::size_t tables = saved.size() - (4 + 9 + 4 + 2 * 12);
    const std::size_t links = tables + 4 + 9;
    const auto put32 = [](std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
    { std::memcpy(bytes.data() + at, &value, 4); };
    const auto putFloat = [](std::vector<std::uint8_t>& bytes, std::size_t at, float value)
    { std::memcpy(bytes.data() + at, &value, 4); };
    struct Case
    {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
    };
    const Case cases[] = {
        {"more tables than the level has", [&](auto& b) { put32(b, tables, 3); }},
        {"a table where the level has none", [&](auto& b) { putFloat(b, tables + 5, 900.0f); }},
        {"a table at no number",
         [&](auto& b) { putFloat(b, tables + 9, std::numeric_limits<float>::quiet_NaN()); }},
        {"a table far past any int cell", [&](auto& b) { putFloat(b, tables + 5, 9.2e18f); }},
        {"a flag other than 0 or 1", [&](auto& b) { b[tables + 4] = 2; }},
        {"more links than a field holds", [&](auto& b) { put32(b, links, 16 * 13 + 1); }},
        {"a link off the field", [&](auto& b) { put32(b, links + 4, 16); }},
        {"a link that is no link's top", [&](auto& b) { put32(b, links + 8, kTop + 1); }},
        {"a kind past the teleport", [&](auto& b) { put32(b, links + 12, 5); }},
        {"a negative kind", [&](auto& b) { put32(b, links + 24, 0xFFFFFFFFu); }},
        {"a cut record", [&](auto& b) { b.pop_back(); }},
    };
    for (const Case& test : cases)
    {
        std::vector<std::uint8_t> bytes = saved;
        test.spoil(bytes);
        GameField field;
        LayLevel(field);
        EntityRope rope;
        Prepare(rope, field);
        Korrin::BinaryReader in(bytes);
        rope.Load(in);
        EXPECT_FALSE(in.Ok()) << test.what;
        EXPECT_EQ(Column(field, 3), (std::array<std::uint16_t, 4>{66, 0, 2, 0})) << test.what;
    }
}
