#include "game/Pers/PersRun.h"

#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleSystem.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Game/GameField.h"
#include "game/Pers/PersRunBuyer.h"
#include "tests/game/Pers/PersLevelFixture.h"

using TestSupport::LevelFileBuilder;
using TestSupport::ReportRecorder;

namespace
{

constexpr float kFrame = 1.0f / 60.0f;
constexpr std::uint16_t kStairs = 71;   // stairs of the first grade (rope kind 2)
constexpr std::uint16_t kTeleport = 69; // a teleport link (rope kind 4)

// A walker of the peasant's look that counts its cycles and remembers where its walks ended.
class Walker : public PersRun
{
public:
    Walker() : PersRun(kBuyer) {}

    void Init() override
    {
        ClearFigures();
        AddFigure(139, "peasantlist.lua");
        PersRun::Init();
    }
    bool OnAnimationEnd() override
    {
        ++cycles;
        return true;
    }
    void OnPathEnd(std::int32_t I, std::int32_t J) override { ends.push_back({I, J}); }

    int cycles = 0;
    std::vector<IJ> ends;
};

class PersRunTest : public TestSupport::PersLevelFixture
{
protected:
    // The complete level (floor on row 22, shop on 7 and 8, storehouse on 12) with a floor on row 10
    // from column 0 to 8 and stairs on column 3 from row 10 down to row 21.
    static LevelFileBuilder Field()
    {
        LevelFileBuilder level = LevelFileBuilder::Complete();
        level.Floor(10, 0, 8);
        for (int j = 10; j < 22; ++j)
        {
            level.Tile(3, j, kStairs);
        }
        return level;
    }

    std::unique_ptr<Walker> NewWalker(std::int32_t I, std::int32_t J)
    {
        auto walker = std::make_unique<Walker>();
        walker->Init();
        walker->SetActive(true);
        walker->SetIJ(I, J);
        return walker;
    }
    static IJ CellOf(const Pers& character)
    {
        IJ cell;
        character.GetIJ(cell.I, cell.J);
        return cell;
    }
};

} // namespace

TEST_F(PersRunTest, AWalkerStandsOffsetUpAboveItsCell)
{
    Build(Field());
    auto walker = NewWalker(0, 0);
    EXPECT_EQ(walker->GetOffsetUp(), 12.0f);
    walker->SetIJ(2, 10);
    EXPECT_EQ(walker->GetPosition(), (Korrin::Vector2{163.0f, 268.0f}));
    EXPECT_EQ(CellOf(*walker), (IJ{2, 10}));
}

TEST_F(PersRunTest, AWalkToTheOwnCellStopsOnlyTheSecondTime)
{
    Build(Field());
    auto walker = NewWalker(2, 10);
    walker->PlayAnimation("run", Pers::kLeft);
    EXPECT_FALSE(walker->GoTo({2, 10, nullptr}, 0));
    EXPECT_TRUE(walker->GetPath().empty());
    EXPECT_EQ(walker->GetAnimationName(), "run") << "the first call only checks the cell";
    EXPECT_TRUE(walker->IsMovedOff());
    walker->SetBusy(true);
    EXPECT_FALSE(walker->GoTo({2, 10, nullptr}, 0));
    EXPECT_EQ(walker->GetAnimationName(), "stand");
    EXPECT_FALSE(walker->GetBusyFlag());
}

TEST_F(PersRunTest, AWalkerOnTheShopsCellWalksOnceToTheNearestFreeCell)
{
    Build(Field());
    auto walker = NewWalker(7, 22);
    EXPECT_FALSE(walker->GoTo({7, 22, nullptr}, 0));
    EXPECT_EQ(walker->GetPath(), (std::vector<IJ>{{7, 22}, {6, 22}}));
    EXPECT_EQ(walker->GetTargetCell(), (IJ{6, 22}));
    EXPECT_EQ(walker->GetAnimationName(), "run");
    EXPECT_EQ(walker->GetFacing(), Pers::kLeft);
    for (int frame = 0; frame < 120 && !walker->GetPath().empty(); ++frame)
    {
        walker->Update(kFrame);
    }
    EXPECT_EQ(walker->ends, (std::vector<IJ>{{6, 22}}));
}

TEST_F(PersRunTest, AStorehouseCellWithNoWayOffEndsTheWalkInsteadOfRecursing)
{
    // Row 5: the storehouse's code on every cell, so no free cell; row 3: the code on one cell with a
    // free cell beside it that has no floor, so it cannot be reached.
    LevelFileBuilder level = Field();
    for (int i = 0; i < 16; ++i)
    {
        level.Object(i, 5, 10);
    }
    level.Floor(3, 6, 6);
    level.Object(6, 3, 10);
    Build(level);
    for (const IJ start : {IJ{4, 5}, IJ{6, 3}})
    {
        auto walker = NewWalker(start.I, start.J);
        walker->PlayAnimation("run", Pers::kLeft);
        EXPECT_FALSE(walker->GoTo({start.I, start.J, nullptr}, 0)) << start.J;
        EXPECT_TRUE(walker->GetPath().empty()) << start.J;
        EXPECT_TRUE(walker->IsMovedOff()) << start.J;
        EXPECT_EQ(CellOf(*walker), start) << start.J;
    }
}

TEST_F(PersRunTest, ComingFromTheRightTheWalkStopsOneCellShortOfTheStorehouse)
{
    Build(Field());
    Entity* storehouse = mLevel.GetEntityManager()->GetEntity(Entity::kStorehouse);
    auto walker = NewWalker(14, 22);
    EXPECT_TRUE(walker->GoTo({12, 22, storehouse}, 0));
    EXPECT_EQ(walker->GetPath().back(), (IJ{13, 22}));
    EXPECT_EQ(walker->GetWalkTarget(), storehouse);
    auto fromLeft = NewWalker(10, 22);
    EXPECT_TRUE(fromLeft->GoTo({12, 22, storehouse}, 0));
    EXPECT_EQ(fromLeft->GetPath().back(), (IJ{12, 22}));
}

TEST_F(PersRunTest, AWalkAcrossFloorAndStairsTakesOneCycleACellAndRepeatsExactly)
{
    Build(Field());
    const std::vector<IJ> expected = {{5, 22}, {4, 22}, {3, 22}, {3, 21}, {3, 20}, {3, 19},
                                      {3, 18}, {3, 17}, {3, 16}, {3, 15}, {3, 14}, {3, 13},
                                      {3, 12}, {3, 11}, {3, 10}, {2, 10}, {1, 10}};
    std::vector<std::vector<Korrin::Vector2>> runs;
    for (int run = 0; run < 2; ++run)
    {
        auto walker = NewWalker(6, 22);
        ASSERT_TRUE(walker->GoTo({1, 10, nullptr}, 0));
        std::vector<Korrin::Vector2> positions;
        std::vector<IJ> visited;
        for (int frame = 0; frame < 1200 && walker->ends.empty(); ++frame)
        {
            walker->Update(kFrame);
            positions.push_back(walker->GetPosition());
            const IJ cell = CellOf(*walker);
            if (cell != (visited.empty() ? IJ{6, 22} : visited.back()))
            {
                visited.push_back(cell);
            }
            // Root motion: the position only ever jumps from one cell's standing point to the next.
            EXPECT_EQ(walker->GetPosition(),
                      (Korrin::Vector2{cell.I * 64.0f + 35.0f, cell.J * 24.0f + 28.0f}));
        }
        EXPECT_EQ(visited, expected);
        EXPECT_EQ(walker->ends, (std::vector<IJ>{{1, 10}}));
        EXPECT_EQ(walker->cycles, static_cast<int>(expected.size())) << "one cycle of its animation a cell";
        runs.push_back(positions);
    }
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(PersRunTest, ClimbingPicksTheAnimationAndSpeedOfTheLinkAtHand)
{
    LevelFileBuilder level = Field();
    for (int j = 10; j < 22; ++j)
    {
        level.Tile(5, j, 72); // a rope
        level.Tile(6, j, 70); // better stairs
    }
    Build(level);
    auto* heavy = Make<PersRunBuyer>(147);
    auto* light = Make<PersRunBuyer>(139);
    struct Case
    {
        PersRun* walker;
        std::int32_t I;
        const char* name;
        float factor;
    } cases[] = {// A heavy buyer dislikes the rope it climbs on stairs: it complains at walking pace.
                 {heavy, 3, "moveup_rope", 1.0f},
                 {light, 3, "moveup_ladder", 0.9f},
                 {light, 5, "moveup_rope", 0.6f},
                 {light, 6, "moveup_ladder", 1.2f},
                 {heavy, 6, "moveup_ladder", 1.2f}};
    for (const Case& c : cases)
    {
        c.walker->SetActive(true);
        c.walker->SetIJ(c.I, 15);
        c.walker->PlayAnimation("moveup", Pers::kUp);
        EXPECT_EQ(c.walker->GetAnimationName(), c.name) << c.walker->GetKind() << " " << c.I;
        EXPECT_EQ(c.walker->GetAnimationSpeed(), c.walker->GetWalkSpeed() * c.factor) << c.I;
        EXPECT_EQ(c.walker->GetFacing(), Pers::kUp);
    }
    light->SetIJ(3, 22);
    light->PlayAnimation("movedown", Pers::kDown);
    EXPECT_EQ(light->GetAnimationName(), "moveup_ladder") << "no link under the floor: the climb goes on";
}

TEST_F(PersRunTest, ATeleportLinkIsCrossedInOneFrame)
{
    LevelFileBuilder level = Field();
    for (int j = 18; j <= 21; ++j)
    {
        level.Tile(10, j, kTeleport);
    }
    level.Floor(18, 9, 11);
    Build(level);
    for (int j = 19; j <= 21; ++j)
    {
        mLevel.GetGameField()->SetObjectCode(10, j, 1);
    }
    auto walker = NewWalker(10, 22);
    ASSERT_TRUE(walker->GoTo({11, 18, nullptr}, 0));
    const std::size_t before = walker->GetPath().size();
    walker->Update(kFrame);
    EXPECT_EQ(CellOf(*walker), (IJ{10, 19}));
    EXPECT_EQ(walker->GetPath().size(), before - 1 - 3) << "its own cell and the three cells crossed";
    EXPECT_EQ(walker->GetAnimationName(), "stand");

    // A jump never takes more cells than the path holds.
    auto shortPath = NewWalker(10, 22);
    shortPath->PlayAnimation("moveup", Pers::kUp);
    EXPECT_EQ(CellOf(*shortPath), (IJ{10, 19}));
    EXPECT_TRUE(shortPath->GetPath().empty());
}

TEST_F(PersRunTest, ThePreviewRunsAlongTheRouteAndFlagsTheRopeTables)
{
    Build(Field());
    auto* rope = dynamic_cast<EntityRope*>(mLevel.GetEntityManager()->GetEntity(Entity::kRope));
    ASSERT_NE(rope, nullptr);
    rope->AddPoint(3 * 64.0f, 16 * 24.0f + 40.0f - 62.0f, 0); // a table in cell (3, 16), on the route
    rope->AddPoint(9 * 64.0f, 16 * 24.0f + 40.0f - 62.0f, 0); // and one off it
    auto walker = NewWalker(6, 22);
    walker->GoTo({1, 10, nullptr}, 0);
    walker->ShowPath();
    EXPECT_TRUE(walker->GetPreviewPath().empty()) << "no preview while walking";
    walker->SetActive(true);
    walker->ShowPath();
    ASSERT_EQ(walker->GetPreviewPath().size(), 18u);
    EXPECT_EQ(walker->GetPreviewPath().back(), (IJ{1, 10}));
    EXPECT_EQ(rope->GetPoints()[rope->GetPoints().size() - 2].flagged, 1);
    EXPECT_EQ(rope->GetPoints().back().flagged, 0);

    // The marker turns at each change of row: along row 22, up column 3, along row 10.
    const Korrin::Moveable& marker = walker->GetPathEffects()[0]->GetBaseParticleSystem(0)->GetPath();
    const std::vector<Korrin::Vector2> corners = {{416, 558}, {224, 558}, {224, 534}, {224, 534}, {224, 510}};
    for (std::size_t k = 0; k < corners.size(); ++k)
    {
        EXPECT_EQ(marker.GetValue(k), corners[k]) << k;
    }
    EXPECT_EQ(marker.GetValue(marker.GetCount() - 1), (Korrin::Vector2{96, 270}));
    EXPECT_EQ(marker.GetVelocity(), PersRun::kMarkerSpeed);
    EXPECT_TRUE(walker->GetPathEffects()[0]->HasActiveEmitter());
    walker->ShowPath();
    EXPECT_EQ(marker.GetValue(0), corners[0]) << "a second click while the marker runs changes nothing";
}

TEST_F(PersRunTest, TheWalkingRecordReadsBackTheSameAndRefusesLongPaths)
{
    Build(Field());
    Entity* shop = mLevel.GetEntityManager()->GetEntity(Entity::kShop);
    auto walker = NewWalker(6, 22);
    walker->GoTo({1, 10, shop}, 0);
    walker->Update(0.3f);
    walker->SetHold(true);
    Korrin::BinaryWriter out;
    walker->Save(out);
    const std::size_t pathBytes = 4 + walker->GetPath().size() * 8 + 4;
    ASSERT_EQ(out.Bytes().size(), Pers::kRecordBytes + 7 + pathBytes);

    auto copy = NewWalker(0, 0);
    Korrin::BinaryReader in(out.Bytes());
    copy->Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_EQ(copy->GetPath(), walker->GetPath());
    EXPECT_EQ(copy->GetWalkTarget(), shop);
    EXPECT_TRUE(copy->IsHeld());
    Korrin::BinaryWriter again;
    copy->Save(again);
    EXPECT_EQ(again.Bytes(), out.Bytes());

    struct Case
    {
        const char* what;
        std::uint32_t count;
        std::int32_t I;
    } cases[] = {{"a path longer than the field", 417, 1}, {"a cell outside the field", 1, 16}};
    for (const Case& c : cases)
    {
        std::vector<std::uint8_t> bytes(out.Bytes().begin(), out.Bytes().begin() + Pers::kRecordBytes + 7);
        Korrin::BinaryWriter tail;
        tail.WriteU32(c.count);
        for (std::uint32_t k = 0; k < c.count; ++k)
        {
            tail.WriteI32(c.I);
            tail.WriteI32(3);
        }
        tail.WriteU32(0);
        bytes.insert(bytes.end(), tail.Bytes().begin(), tail.Bytes().end());
        Korrin::BinaryReader hostile(bytes);
        copy->Load(hostile);
        EXPECT_FALSE(hostile.Ok()) << c.what;
    }
}
