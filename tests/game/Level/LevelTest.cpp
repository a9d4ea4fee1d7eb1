#include "game/Game/Level.h"

#include "engine/File/FileSysManager.h"
#include "game/Entity/BuyersArrow.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Game/GameField.h"
#include "game/Game/GamePanel.h"
#include "game/Game/LevelFile.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersThiefManager.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"
#include "tests/game/Level/LevelFileBuilder.h"
#include "tests/support/ReportRecorder.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <gtest/gtest.h>

using TestSupport::LevelFileBuilder;
using TestSupport::ReportRecorder;

namespace
{

// The descriptions of the reports shown so far, in order.
std::vector<std::string> Reports()
{
    std::vector<std::string> descriptions;
    const std::string head = "DeSrciption:\n  ";
    for (const auto& box : ReportRecorder::Boxes())
    {
        const std::size_t start = box.text.find(head);
        if (start != std::string::npos)
        {
            const std::size_t from = start + head.size();
            descriptions.push_back(box.text.substr(from, box.text.find('\n', from) - from));
        }
    }
    return descriptions;
}

class LevelTest : public testing::Test
{
protected:
    void SetUp() override { ReportRecorder::Clear(); }

    // Builds the level from the fixture and returns the entities of one type code in registration order.
    std::vector<Entity*> Entities(std::uint8_t type) const
    {
        std::vector<Entity*> found;
        const auto [first, last] = mLevel.GetEntityManager()->GetEntities().equal_range(type);
        for (auto it = first; it != last; ++it)
        {
            found.push_back(it->second);
        }
        return found;
    }

    bool InObjectList(const Clickable* object) const
    {
        const auto& objects = mLevel.GetObjects();
        return std::find(objects.begin(), objects.end(), object) != objects.end();
    }

    TestSupport::LogCapture mLog;
    Level mLevel;
};

} // namespace

TEST_F(LevelTest, ACompleteLevelBuildsItsMembersInOrderWithoutReports)
{
    mLevel.Build(LevelFileBuilder::Complete().Parsed());
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << (Reports().empty() ? "" : Reports().front());
    for (const char* name : {"Background", "EntityTaskManager", "GameField", "EntityManager", "PersManager",
                             "MoneyAnimation", "ThiefBagList"})
    {
        EXPECT_NE(mLevel.Find(name), nullptr) << name;
    }
    ASSERT_EQ(mLevel.Count(), 7u);
    EXPECT_EQ(mLevel.GetByIndex(0), mLevel.Find("Background"));
    EXPECT_EQ(mLevel.GetByIndex(2), mLevel.Find("GameField"));
    EXPECT_EQ(mLevel.GetByIndex(5), mLevel.Find("MoneyAnimation"));
    EXPECT_EQ(mLevel.GetByIndex(6), mLevel.Find("ThiefBagList"));
    EXPECT_EQ(mLevel.GetEntityManager()->Count(Entity::kShop), 1u);
    EXPECT_EQ(mLevel.GetEntityManager()->GetEntity(Entity::kShop)->GetWalkI(), 7)
        << "the shop stands at its left cell";
    EXPECT_EQ(mLevel.GetEntityManager()->GetEntity(Entity::kRope), mLevel.GetObjects().back());
}

TEST_F(LevelTest, GardensPairUpAndStandAtTheRightCellWithTheirGardener)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    level.Floor(10);
    // Codes 4 to 9 in pairs: 5,5 makes a garden at 3; 4,4 one for sale at 6; a lone 6 nothing; 7,8 no pair.
    level.Object(2, 10, 5);
    level.Object(3, 10, 5);
    level.Object(5, 10, 4);
    level.Object(6, 10, 4);
    level.Object(8, 10, 6);
    level.Object(10, 10, 7);
    level.Object(11, 10, 8);
    level.Object(13, 10, 9);
    level.Object(14, 10, 9);
    level.Object(3, 9, Level::kHireMarker);
    level.Object(13, 11, Level::kSideMarker);
    mLevel.Build(level.Parsed());

    const std::vector<Entity*> gardens = Entities(Entity::kGarden);
    ASSERT_EQ(gardens.size(), 3u);
    EXPECT_EQ(gardens[0]->GetWalkI(), 3);
    EXPECT_EQ(gardens[0]->GetUpgradeLevel(), 0);
    EXPECT_FALSE(dynamic_cast<EntityGarden&>(*gardens[0]).IsForSale());
    EXPECT_EQ(gardens[1]->GetWalkI(), 6);
    EXPECT_TRUE(dynamic_cast<EntityGarden&>(*gardens[1]).IsForSale());
    EXPECT_EQ(gardens[2]->GetWalkI(), 14);
    EXPECT_EQ(gardens[2]->GetUpgradeLevel(), 4);
    EXPECT_EQ(gardens[0]->GetX(), 3.0f * 64.0f);
    EXPECT_EQ(gardens[0]->GetY(), 10.0f * 24.0f + 40.0f);
    EXPECT_EQ(mLevel.GetEntityManager()->GetEntity(Entity::kGarden), gardens[0]) << "the first registered";

    // Each garden has its gardener, linked both ways; a hire marker switches it on and disappears.
    for (Entity* garden : gardens)
    {
        ASSERT_NE(garden->GetWorker(), nullptr);
        EXPECT_EQ(garden->GetWorker()->GetHomeEntity(), garden);
        EXPECT_EQ(garden->GetWorker()->GetType(), Pers::kGardener);
        // The garden joins the object list behind its gardener.
        const auto& objects = mLevel.GetObjects();
        const auto gardener = std::find(objects.begin(), objects.end(), garden->GetWorker());
        EXPECT_EQ(std::find(objects.begin(), objects.end(), garden), gardener + 1);
    }
    EXPECT_TRUE(gardens[0]->GetWorker()->IsActive());
    EXPECT_FALSE(gardens[1]->GetWorker()->IsActive());
    EXPECT_EQ(mLevel.GetGameField()->GetObjectCode(3, 9), 0);
    // A side marker below the garden's left cell gives side 1; none leaves 255.
    EXPECT_EQ(gardens[2]->GetSide(), 1);
    EXPECT_EQ(gardens[0]->GetSide(), Entity::kNoSide);
}

TEST_F(LevelTest, ABuildingStandsAtEveryFourthBuildingCellCountedAcrossRows)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    // Row 4: three mill cells at the end of the row; row 5: the fourth, then four juicer cells.
    level.Object(13, 4, 26);
    level.Object(14, 4, 26);
    level.Object(15, 4, 26);
    level.Object(0, 5, 25);
    for (int i = 3; i < 7; ++i)
    {
        level.Object(i, 5, 31);
    }
    level.Object(2, 6, 29); // a single lot cell starts the next count
    level.Object(6, 4, Level::kHireMarker);
    level.Object(3, 6, Level::kSideMarker);
    mLevel.Build(level.Parsed());

    const std::vector<Entity*> mills = Entities(26);
    ASSERT_EQ(mills.size(), 1u);
    EXPECT_EQ(mills[0]->GetWalkI(), 0);
    EXPECT_EQ(mills[0]->GetWalkJ(), 5);
    EXPECT_TRUE(dynamic_cast<EntityBuilding&>(*mills[0]).IsForSale()) << "code 25 is the mill's lot";
    EXPECT_EQ(mills[0]->GetWorker()->GetType(), Pers::kErrandBoy);
    EXPECT_FALSE(mills[0]->GetWorker()->IsActive());

    const std::vector<Entity*> juicers = Entities(30);
    ASSERT_EQ(juicers.size(), 1u);
    EXPECT_EQ(juicers[0]->GetWalkI(), 6);
    EXPECT_EQ(juicers[0]->GetUpgradeLevel(), 1);
    EXPECT_TRUE(juicers[0]->GetWorker()->IsActive());
    EXPECT_EQ(juicers[0]->GetSide(), 1) << "a marker under the left end column";
    EXPECT_EQ(mLevel.GetEntityManager()->Count(), 2u + 5u)
        << "two buildings besides the complete level's five";
}

TEST_F(LevelTest, OnlyTheFirstStorehouseShopAndSignpostOfEachKind)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    level.Floor(10);
    level.Object(2, 10, 10);
    level.Object(4, 10, 17);
    level.Object(5, 10, 17);
    level.Object(7, 10, 2);
    level.Object(8, 10, 3);
    level.Object(10, 10, 14);
    level.Object(12, 10, 14);
    level.Object(3, 11, Level::kSideMarker);
    mLevel.Build(level.Parsed());

    EntityManager& entities = *mLevel.GetEntityManager();
    EXPECT_EQ(entities.Count(Entity::kStorehouse), 1u);
    EXPECT_EQ(entities.GetEntity(Entity::kStorehouse)->GetWalkJ(), 10) << "row 10 is scanned before row 22";
    EXPECT_EQ(entities.GetEntity(Entity::kStorehouse)->GetSide(), 0) << "a marker under the right end column";
    EXPECT_EQ(entities.Count(Entity::kShop), 1u);
    EXPECT_EQ(entities.GetEntity(Entity::kShop)->GetWalkI(), 4);
    EXPECT_EQ(entities.Count(Entity::kBuyersEntry), 1u);
    EXPECT_EQ(entities.Count(Entity::kBuyersExit), 1u);
    EXPECT_EQ(entities.Count(Entity::kWaterWell), 2u);
    // Signposts take no hover nor click.
    EXPECT_FALSE(InObjectList(entities.GetEntity(Entity::kBuyersEntry)));
    EXPECT_TRUE(InObjectList(entities.GetEntity(Entity::kStorehouse)));

    // Thief targets: the storehouse, the shop twice (its two halves), the wells.
    const auto& targets = mLevel.GetPersManager()->GetThiefManager().GetTargets();
    ASSERT_EQ(targets.size(), 5u);
    EXPECT_EQ(targets[0].entity->GetType(), Entity::kStorehouse);
    EXPECT_EQ(targets[1].entity->GetType(), Entity::kShop);
    EXPECT_EQ(targets[1].part, 1);
    EXPECT_EQ(targets[2].part, 2);
    EXPECT_EQ(targets[3].entity->GetType(), Entity::kWaterWell);

    // Save ids follow registration; the rope, registered last, has the last.
    EXPECT_EQ(entities.GetEntityById(0), entities.GetEntity(Entity::kStorehouse));
    EXPECT_EQ(entities.GetEntity(Entity::kRope)->GetSaveId(), entities.GetNextSaveId() - 1);
}

TEST_F(LevelTest, QueuePlacesComeInMarkerOrderOnTheNearestWalkableCell)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    // Move marker 81 off the floor: one above the floor finds the floor below; one with floor only
    // above it finds that; one with no floor near yields no place. Marker 83 twice gives two places.
    level.Object(3, 22, 0);
    level.Object(3, 21, 81);
    level.Floor(15, 9, 9);
    level.Object(9, 16, 82);
    level.Object(4, 22, 0);
    level.Object(12, 5, 83);
    level.Object(14, 22, 83);
    mLevel.Build(level.Parsed());

    const auto& queue = mLevel.GetPersManager()->GetBuyersQueue();
    std::vector<IJ> places;
    for (const PersManager::BuyersQue& place : queue)
    {
        places.push_back({place.I, place.J});
        EXPECT_EQ(place.taken, 0);
    }
    const std::vector<IJ> expected = {{1, 22}, {2, 22}, {3, 22}, {9, 15}, {5, 22}, {14, 22}};
    EXPECT_EQ(places, expected);
    for (int code = 79; code <= 83; ++code)
    {
        for (int i = 0; i < 16; ++i)
        {
            for (int j = 0; j < 26; ++j)
            {
                EXPECT_NE(mLevel.GetGameField()->GetObjectCode(i, j), code) << i << "," << j;
            }
        }
    }
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(LevelTest, RopePointsStandAboveTheCellOverARopeFoot)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    for (int j = 16; j < 22; ++j)
    {
        level.Tile(10, j, 66);
    }
    level.Object(10, 22, 1);
    // A ladder tile over a rope foot is the wrong tile, but still gives a point.
    level.Tile(13, 21, 34);
    level.Object(13, 22, 1);
    mLevel.Build(level.Parsed());

    const auto* rope = static_cast<EntityRope*>(mLevel.GetEntityManager()->GetEntity(Entity::kRope));
    ASSERT_NE(rope, nullptr);
    ASSERT_EQ(rope->GetPoints().size(), 2u);
    EXPECT_EQ(rope->GetPoints()[0].x, 640.0f);
    EXPECT_EQ(rope->GetPoints()[0].y, 21.0f * 24.0f + 40.0f - 62.0f);
    EXPECT_EQ(rope->GetPoints()[1].x, 13.0f * 64.0f);
    EXPECT_EQ(Reports(), (std::vector<std::string>{"Веревка - не тот тайл"}));
}

TEST_F(LevelTest, ThievesBuyersAndGoalsComeFromTheFile)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    level.goals = {{20, 500}, {0, 7}, {13, 4}, {1, 2}};
    level.thieves = {{1, 30, 4, 14}};
    level.Object(4, 15, 9);
    level.buyers = {1, 2, 0, 2, 14, 3, 3, 1, 1};
    mLevel.Build(level.Parsed());

    const LevelTaskInfo& task = *LevelTaskInfo::GetInstance();
    ASSERT_EQ(task.goals.size(), 3u);
    EXPECT_EQ(task.goals[0].goods, 125);
    EXPECT_EQ(task.goals[1].goods, 84);
    EXPECT_EQ(task.goals[2].goods, 110);
    EXPECT_EQ(task.buyerKinds, (std::vector<std::uint8_t>{139, 140, 152, 141}));
    EXPECT_EQ(task.money, 100);

    PersManager& characters = *mLevel.GetPersManager();
    std::size_t buyers = 0;
    std::size_t thieves = 0;
    for (const auto& character : characters.GetCharacters())
    {
        buyers += character->GetType() == Pers::kBuyer ? 1 : 0;
        thieves += character->GetType() == Pers::kThief ? 1 : 0;
        if (character->GetType() != Pers::kGardener)
        {
            EXPECT_FALSE(character->IsActive());
        }
    }
    EXPECT_EQ(buyers, 8u);
    EXPECT_EQ(thieves, 1u);
    // The start shelf comes first among the thief's targets, and clears the code of the cell below it.
    const auto& targets = characters.GetThiefManager().GetTargets();
    ASSERT_FALSE(targets.empty());
    EXPECT_EQ(targets[0].entity->GetType(), Entity::kStartShelf);
    EXPECT_EQ(mLevel.GetGameField()->GetObjectCode(4, 15), 0);
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << "a zero buyer code still counts toward nine";
}

TEST_F(LevelTest, AGoalOfAnUnknownGoodsCodeIsLoggedAndLeftOutSoTheLevelCanEnd)
{
    GamePanel panel;
    LevelFileBuilder level = LevelFileBuilder::Complete();
    level.goals = {{20, 500}, {21, 3}, {1, 2}, {255, 1}};
    mLevel.Build(level.Parsed());
    LevelTaskInfo& task = *LevelTaskInfo::GetInstance();
    ASSERT_EQ(task.goals.size(), 2u);
    EXPECT_EQ(task.goals[0].goods, LevelTaskInfo::kMoneyGoods);
    EXPECT_EQ(task.goals[1].goods, 84);
    EXPECT_EQ(panel.GetGoalDone().size(), 2u) << "one flag per goal kept";
    EXPECT_NE(mLog.Text().find("НЕТ ТАКОГО ТИПА !!!"), std::string::npos);
    task.AddMoney(400);
    task.CountGoods(84, LevelTaskInfo::kCountOne);
    task.CountGoods(84, LevelTaskInfo::kCountOne);
    EXPECT_EQ(task.allGoalsMet, 1) << "the goals the level can meet are all it asks";
}

TEST_F(LevelTest, AChangeOfMoneyRefreshesThePanelPageOfTheSelectedObject)
{
    // Counts its panel refreshes and the money each one saw.
    struct Selected : Clickable
    {
        void ChangeGui() override { seen.push_back(LevelTaskInfo::GetInstance()->money); }
        void OnGuiEvent() override {}
        std::vector<std::int32_t> seen;
    };
    mLevel.Build(LevelFileBuilder::Complete().Parsed());
    LevelTaskInfo& task = *LevelTaskInfo::GetInstance();
    EXPECT_TRUE(task.AddMoney(5)) << "with nothing selected the money still changes";
    Selected selected;
    mLevel.AddObject(&selected);
    mLevel.SetPendingObject(&selected);
    struct Case
    {
        std::int32_t amount;
        bool accepted;
    };
    const Case cases[] = {{50, true}, {-1000, false}, {-155, true}, {0, true}};
    std::vector<std::int32_t> expected;
    for (const Case& c : cases)
    {
        EXPECT_EQ(task.AddMoney(c.amount), c.accepted) << c.amount;
        if (c.accepted)
        {
            expected.push_back(task.money);
        }
    }
    EXPECT_EQ(selected.seen, expected) << "each accepted change, after the money changed";
    EXPECT_EQ(selected.seen, (std::vector<std::int32_t>{155, 0, 0}));
    mLevel.SetPendingObject(nullptr);
}

TEST_F(LevelTest, NegativeMoneyAndHugeTargetsAreKeptInRange)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    level.money = -500;
    level.goals = {{1, 0xFFFFFFF0u}, {2, 0x80000000u}};
    mLevel.Build(level.Parsed());
    const LevelTaskInfo& task = *LevelTaskInfo::GetInstance();
    EXPECT_EQ(task.money, 0);
    ASSERT_EQ(task.goals.size(), 2u);
    for (const LevelTaskInfo::Obj& goal : task.goals)
    {
        EXPECT_EQ(goal.target, INT32_MAX);
        EXPECT_EQ(goal.remaining, INT32_MAX) << "an open goal";
    }
    EXPECT_EQ(task.allGoalsMet, 0);
}

TEST_F(LevelTest, AnIncompleteLevelIsReportedAndStillBuilt)
{
    LevelFileBuilder level;
    level.buyers = {1, 2, 3};
    level.Floor(22);
    level.Object(3, 22, 2);
    mLevel.Build(level.Parsed());
    EXPECT_EQ(Reports(),
              (std::vector<std::string>{"Нужно добавить 9 покупателей", "Очередь для покупателей не полная",
                                        "На уровне не хватает указателей с покупателями",
                                        "На уровне не хватает склада", "На уровне не хватает магазина"}));
    EXPECT_NE(mLevel.GetEntityManager()->GetEntity(Entity::kBuyersEntry), nullptr);
}

TEST_F(LevelTest, ObjectsSortByTheirTopWithTheStorehouseLast)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    level.Floor(5);
    level.Object(3, 5, 14);
    mLevel.Build(level.Parsed());
    mLevel.ResetLevel();
    const auto& objects = mLevel.GetObjects();
    ASSERT_GE(objects.size(), 3u);
    EXPECT_EQ(objects.back()->GetType(), Entity::kStorehouse);
    for (std::size_t n = 1; n + 1 < objects.size(); ++n)
    {
        EXPECT_LE(objects[n - 1]->GetRect().top, objects[n]->GetRect().top) << n;
    }
    EXPECT_EQ(LevelTaskInfo::GetInstance()->levelTime, 0.0f);
}

TEST(LevelLoad, MissingAndDamagedFilesAreReportedAndLeaveAnEmptyLevel)
{
    TestSupport::LogCapture log;
    TestSupport::TempFolder folder("levels");
    Korrin::FileSysManager files(folder.Path());
    const std::vector<std::uint8_t> bytes = LevelFileBuilder::Complete().Bytes();
    folder.Write("lev07.lev", std::string(bytes.begin(), bytes.begin() + 1000));
    ReportRecorder::Clear();
    {
        Level level;
        EXPECT_FALSE(level.Load(3));
        EXPECT_EQ(ReportRecorder::LastDescription(), "lev03.levfile not found! (Level::Load)");
        EXPECT_EQ(level.Count(), 0u);
    }
    {
        Level level;
        EXPECT_FALSE(level.Load(7));
        EXPECT_NE(ReportRecorder::LastDescription().find("lev07.lev"), std::string::npos);
        EXPECT_EQ(level.Count(), 0u);
        EXPECT_EQ(LevelTaskInfo::GetInstance()->level, 7);
    }
}

TEST(LevelLoad, TheSampleLevelsLoadCompleteAndTheLevelFileNameHasTwoDigits)
{
    TestSupport::LogCapture log;
    Korrin::FileSysManager files(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
    files.AddDirectory("media");
    EXPECT_EQ(Level::FileName(1), "lev01.lev");
    EXPECT_EQ(Level::FileName(21), "lev21.lev");
    EXPECT_EQ(Level::FileName(100), "lev100.lev");
    for (std::uint16_t number = 1; number <= 3; ++number)
    {
        ReportRecorder::Clear();
        Level level;
        ASSERT_TRUE(level.Load(number)) << number;
        EXPECT_TRUE(ReportRecorder::Boxes().empty()) << number << ": " << ReportRecorder::LastDescription();
        EXPECT_EQ(level.GetPersManager()->GetBuyersQueue().size(), 5u) << number;
        EXPECT_NE(level.GetEntityManager()->GetEntity(Entity::kGarden), nullptr) << number;
    }
}

TEST(LevelDestruction, MembersAreDestroyedWhileTheGoalsAndTheSaveManagerStillExist)
{
    struct Witness : Blank
    {
        explicit Witness(int& seen) : mSeen(seen) {}
        ~Witness() override
        {
            mSeen = (LevelTaskInfo::Peek() != nullptr ? 1 : 0) +
                    (SaveLoadManager::Peek() != nullptr ? 2 : 0) + (Level::Peek() != nullptr ? 4 : 0);
        }
        void Init() override {}
        void Reset() override {}
        bool Update(float) override { return true; }
        void Draw() override {}
        int& mSeen;
    };
    TestSupport::LogCapture log;
    int seen = -1;
    {
        Level level;
        level.Add("Witness", new Witness(seen), false);
    }
    EXPECT_EQ(seen, 7);
    EXPECT_EQ(LevelTaskInfo::Peek(), nullptr);
    EXPECT_EQ(SaveLoadManager::Peek(), nullptr);
}

TEST(LevelCodes, GoodsAndBuildingKinds)
{
    TestSupport::LogCapture log;
    const std::pair<std::uint8_t, std::uint8_t> goods[] = {{1, 84},   {6, 89},   {7, 92},   {14, 113},
                                                           {15, 114}, {16, 115}, {17, 118}, {18, 119},
                                                           {19, 122}, {20, 125}, {0, 0},    {21, 0}};
    for (const auto& [code, id] : goods)
    {
        EXPECT_EQ(Level::GoodsFromFileCode(code), id) << int(code);
    }
    EXPECT_NE(log.Text().find("НЕТ ТАКОГО ТИПА !!!"), std::string::npos);
    const std::pair<std::uint8_t, std::uint16_t> kinds[] = {{25, 26}, {28, 26}, {29, 30},
                                                            {64, 62}, {65, 66}, {68, 66}};
    for (const auto& [code, base] : kinds)
    {
        EXPECT_EQ(Level::BuildingBaseCode(code), base) << int(code);
    }
}

TEST_F(LevelTest, AResetKeepsTheUpgradeLevelsTheLevelFileGave)
{
    LevelFileBuilder level = LevelFileBuilder::Complete();
    level.Floor(10);
    level.Object(2, 10, 8); // a garden bed at level 3
    level.Object(3, 10, 8);
    for (int i = 6; i <= 9; ++i)
    {
        level.Object(i, 10, 32); // the juicer (30) at level 2
    }
    mLevel.Build(level.Parsed());
    for (int start = 0; start < 2; ++start)
    {
        mLevel.Reset();
        EXPECT_EQ(mLevel.GetEntityManager()->GetEntity(Entity::kGarden)->GetUpgradeLevel(), 3) << start;
        EXPECT_EQ(mLevel.GetEntityManager()->GetEntity(30)->GetUpgradeLevel(), 2) << start;
    }
}

TEST(LevelSave, EveryRecordOfASampleLevelReadsBackToTheSameBytes)
{
    TestSupport::LogCapture log;
    Korrin::FileSysManager files(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
    files.AddDirectory("media");
    for (std::uint16_t number = 1; number <= 3; ++number)
    {
        Korrin::BinaryWriter saved;
        {
            Level played;
            ASSERT_TRUE(played.Load(number)) << number;
            played.ResetLevel();
            LevelTaskInfo::GetInstance()->money = 500;
            EntityManager& entities = *played.GetEntityManager();
            entities.GetEntity(Entity::kGarden)->AddTask(84);
            entities.GetEntity(Entity::kGarden)->SetSide(1);
            dynamic_cast<EntityStorehouse&>(*entities.GetEntity(Entity::kStorehouse)).GetCells().PutGoods(85);
            dynamic_cast<EntityShop&>(*entities.GetEntity(Entity::kShop)).GetCells().PutGoodsInstant(84);
            SaveLoadManager::GetInstance()->SaveAll(saved);
        }
        Level restarted;
        ASSERT_TRUE(restarted.Load(number));
        restarted.ResetLevel();
        Korrin::BinaryReader in(saved.Bytes());
        ASSERT_TRUE(SaveLoadManager::GetInstance()->LoadAll(in)) << number;
        EXPECT_TRUE(in.AtEnd()) << number;
        EXPECT_EQ(restarted.GetEntityManager()->GetEntity(Entity::kGarden)->GetTask(0), 84) << number;
        Korrin::BinaryWriter again;
        SaveLoadManager::GetInstance()->SaveAll(again);
        EXPECT_EQ(again.Bytes(), saved.Bytes()) << number;
    }
}
