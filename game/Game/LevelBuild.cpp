#include "engine/App/InputManager.h"
#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Log/ReportFileScope.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Sound/SoundManager.h"
#include "game/Entity/BuyersArrow.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/EntityTaskManager.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/GameInfo.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GamePanelPers.h"
#include "game/Game/Level.h"
#include "game/Game/LevelBackdrop.h"
#include "game/Game/LevelFile.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Main.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersThiefManager.h"
#include "game/Pers/ThiefBag.h"
#include "game/Util/InputLocks.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace
{

constexpr const char* kSource = "Source\\Game\\Level";
constexpr std::uint8_t kBuyerCodeOffset = 138;
constexpr unsigned kMostBuyers = 254;
constexpr std::uint8_t kGardenerCode = 5;
constexpr std::uint16_t kStorehouseCode = 10;
constexpr std::uint16_t kWellCode = 14;
constexpr std::uint16_t kShopCode = 17;
constexpr std::uint16_t kFirstGardenCode = 4;
constexpr std::uint16_t kLastGardenCode = 9;
constexpr std::uint16_t kFirstBuildingCode = 25;
constexpr std::uint16_t kLastBuildingCode = 68;
constexpr int kCellsPerBuilding = 4;

void ReportLevel(const char* text, int line)
{
    Korrin::ReportAndBreak(text, Korrin::kGameModule, kSource, line);
}

} // namespace

void Level::Build(const LevelFile& file)
{
    GamePanel* panel = GamePanel::Peek();
    if (panel != nullptr)
    {
        panel->GetPers().Clear();
    }
    const std::uint8_t background = BackgroundType(file.backgroundType);
    mTaskInfo->backgroundType = background;
    AddMembers(background);
    ReadGoals(file);
    if (panel != nullptr)
    {
        panel->ResetGoalFlags(mTaskInfo->goals.size());
    }
    AddThieves(file);
    OfferStorehouseGoods(file);
    AddBuyers(file);
    FillField(file);
    ScanEntities();
    for (const LevelFile::Scenery& scenery : file.scenery)
    {
        mField->AddAnimatedObject(scenery.table, scenery.x, scenery.y, scenery.kind, scenery.drawOrder);
    }
    mCharacters->GetThiefManager().ClearShelfCells(*mField);
    CheckComplete();
    StartTutorial();
}

std::uint8_t Level::BackgroundType(std::uint8_t type)
{
    if (type <= kLastBackgroundType)
    {
        return type;
    }
    // No tile sheet nor scenery script exists for it; the first background stands in for all of them.
    Korrin::LogManager::GetInstance()->Write("Level: background type %u unknown, background 0 used",
                                             static_cast<unsigned>(type));
    return 0;
}

void Level::StartTutorial()
{
    Main* main = Main::Peek();
    EducationSlot* slot = main != nullptr ? main->GetEducationSlot() : nullptr;
    if (slot == nullptr)
    {
        return;
    }
    const std::uint16_t level = mTaskInfo->level;
    const GameInfo* info = GameInfo::Peek();
    const bool firstPlay = info != nullptr && info->highestLevel + 1 == level;
    static constexpr std::uint16_t kTutorialLevels[] = {1, 2, 3, 4, 8, 21};
    const bool hasTutorial =
        std::find(std::begin(kTutorialLevels), std::end(kTutorialLevels), level) != std::end(kTutorialLevels);
    if (firstPlay && hasTutorial)
    {
        slot->Start("Education" + std::to_string(level) + ".lua", Main::kGameScreen, true);
    }
    else
    {
        // A tutorial of an earlier level must not run on this one.
        slot->Clear();
    }
}

void Level::AddMembers(std::uint8_t backgroundType)
{
    Add("Background", LevelBackdrop::Create(backgroundType), true);
    auto* tasks = new EntityTaskManager();
    Add("EntityTaskManager", tasks, false);
    mField = new GameField();
    mField->LoadTileSheet(backgroundType);
    Add("GameField", mField, true);
    mEntities = new EntityManager();
    Add("EntityManager", mEntities, true);
    AddToDraw(mField);
    AddToDraw(mEntities);
    mCharacters = new PersManager();
    Add("PersManager", mCharacters, true);
    AddToDraw(tasks);
    AddToDraw(mCharacters);
    AddToDraw(mEntities);
    AddToDraw(mCharacters);
    mMoney = new MoneyAnimatedSprite();
    Add("MoneyAnimation", mMoney, true);
    auto* bags = new ThiefBag();
    Add("ThiefBagList", bags, true);
    AddObject(bags);
}

void Level::ReadGoals(const LevelFile& file)
{
    mTaskInfo->goldMinutes = file.goldMinutes;
    mTaskInfo->goldSeconds = file.goldSeconds;
    mTaskInfo->silverMinutes = file.silverMinutes;
    mTaskInfo->silverSeconds = file.silverSeconds;
    // The money is never below 0, and a target beyond the signed range would count as met at once.
    if (file.money < 0)
    {
        Korrin::LogManager::GetInstance()->Write("Level: starting money %d taken as 0",
                                                 static_cast<int>(file.money));
    }
    mTaskInfo->money = std::max(file.money, 0);
    mTaskInfo->ClearGoals();
    for (const LevelFile::Goal& goal : file.goals)
    {
        if (goal.code == 0)
        {
            continue;
        }
        // A goal of an unknown goods code (logged) could never be met and would keep the level from ending.
        const std::uint8_t goods = GoodsFromFileCode(goal.code);
        if (goods != 0)
        {
            const auto target = static_cast<std::int32_t>(std::min<std::uint32_t>(goal.target, INT32_MAX));
            mTaskInfo->AddGoal(goods, target);
        }
    }
}

void Level::AddThieves(const LevelFile& file)
{
    for (const LevelFile::Thief& record : file.thieves)
    {
        Pers* thief = mCharacters->CreatePers(Pers::kThief);
        AddObject(thief);
        mCharacters->GetThiefManager().AddStartShelf(*mEntities, record.I, record.J, record.minutes,
                                                     record.seconds);
        thief->SetIJ(record.I, record.J);
        thief->SetActive(false);
    }
}

void Level::OfferStorehouseGoods(const LevelFile& file)
{
    Main* main = Main::Peek();
    GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr;
    if (windows == nullptr)
    {
        return;
    }
    std::vector<std::uint8_t> offered;
    for (const std::uint8_t code : file.storeGoods)
    {
        // An unknown code (logged) is no goods: it would show an empty row sold at no price.
        if (const std::uint8_t goods = GoodsFromFileCode(code); goods != 0)
        {
            offered.push_back(goods);
        }
    }
    windows->OfferStorehouseGoods(offered);
}

void Level::AddBuyers(const LevelFile& file)
{
    if (file.buyerCount < LevelFile::kMinimumBuyers)
    {
        ReportLevel("Нужно добавить 9 покупателей", 526);
    }
    for (const std::uint8_t code : file.buyers)
    {
        // The companion's errand keeps a buyer's number in a byte, 255 meaning none.
        if (mCharacters->GetBuyers().size() >= kMostBuyers)
        {
            if (Korrin::LogManager* log = Korrin::LogManager::Peek())
            {
                log->Write("The level lists more than %u buyers: the first %u come", kMostBuyers,
                           kMostBuyers);
            }
            break;
        }
        const auto kind = static_cast<std::uint8_t>(code + kBuyerCodeOffset);
        AddObject(mCharacters->CreatePers(kind));
        if (GamePanel* panel = GamePanel::Peek())
        {
            panel->GetPers().AddPers(kind);
        }
        auto& kinds = mTaskInfo->buyerKinds;
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
        {
            kinds.push_back(kind);
        }
    }
}

void Level::FillField(const LevelFile& file)
{
    for (std::size_t layer = 0; layer < LevelFile::kDecorationLayers; ++layer)
    {
        for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
        {
            for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
            {
                mField->AddDecoration(layer, i, j, file.decorations[layer][FieldGeometry::Index(i, j)]);
            }
        }
    }
    for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
    {
        for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
        {
            mField->SetTile(i, j, file.tiles[FieldGeometry::Index(i, j)]);
            mField->SetObjectCode(i, j, file.objects[FieldGeometry::Index(i, j)]);
        }
    }
}

void Level::ScanEntities()
{
    auto rope = std::make_unique<EntityRope>();
    int buildingCells = 0;
    for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
    {
        for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
        {
            ScanCell(i, j, *rope, buildingCells);
        }
    }
    AddQueuePlaces();
    if (mCharacters->GetBuyersQueue().size() < kQueuePlaces)
    {
        ReportLevel("Очередь для покупателей не полная", 801);
    }
    mRope = rope.release();
    Register(mRope);
}

bool Level::AddRopePoint(std::int32_t i, std::int32_t j, EntityRope& rope)
{
    if (mField->GetObjectCode(i, j + 1) != kRopeCode || mField->GetWalkKind(i, j) != GameField::kLadder ||
        mField->GetRopeKind(i, j) != 0)
    {
        return false;
    }
    if (mField->GetTile(i, j) != kRopeTile)
    {
        ReportLevel("Веревка - не тот тайл", 600);
    }
    rope.AddPoint(FieldGeometry::CellX(i), FieldGeometry::CellY(j) - 62.0f, 0);
    return true;
}

void Level::ScanCell(std::int32_t i, std::int32_t j, EntityRope& rope, int& buildingCells)
{
    if (AddRopePoint(i, j, rope))
    {
        return;
    }
    const std::uint16_t code = mField->GetObjectCode(i, j);
    if (code == kStorehouseCode)
    {
        AddStorehouse(i, j);
    }
    else if (code >= kFirstGardenCode && code <= kLastGardenCode)
    {
        if (mField->GetObjectCode(i - 1, j) == code)
        {
            AddGarden(i, j, code);
        }
    }
    else if (code >= kFirstBuildingCode && code <= kLastBuildingCode)
    {
        if (++buildingCells >= kCellsPerBuilding)
        {
            AddBuilding(i, j, code);
            buildingCells = 0;
        }
    }
    else if (code == kWellCode)
    {
        AddWell(i, j);
    }
    else if (code == kShopCode)
    {
        if (mField->GetObjectCode(i - 1, j) == kShopCode)
        {
            AddShop(i - 1, j);
        }
    }
    else if (code == Entity::kBuyersEntry || code == Entity::kBuyersExit)
    {
        AddSignpost(i, j, static_cast<std::uint8_t>(code));
    }
}

void Level::AddStorehouse(std::int32_t i, std::int32_t j)
{
    if (mEntities->GetEntity(Entity::kStorehouse) != nullptr)
    {
        return;
    }
    auto* storehouse = new EntityStorehouse();
    Register(storehouse);
    storehouse->Place(i, j);
    mCharacters->GetThiefManager().AddTarget(storehouse);
    SetSideFromMarkers(*storehouse, i, j, i, i + 1);
}

void Level::AddWell(std::int32_t i, std::int32_t j)
{
    auto* well = new EntityWaterWell();
    Register(well);
    well->Place(i, j);
    mCharacters->GetThiefManager().AddTarget(well);
}

void Level::AddShop(std::int32_t i, std::int32_t j)
{
    if (mEntities->GetEntity(Entity::kShop) != nullptr)
    {
        return;
    }
    auto* shop = new EntityShop();
    Register(shop);
    shop->Place(i, j);
    mCharacters->GetThiefManager().AddTarget(shop);
}

void Level::AddSignpost(std::int32_t i, std::int32_t j, std::uint8_t type)
{
    if (mEntities->GetEntity(type) != nullptr)
    {
        return;
    }
    // A signpost takes no hover nor click.
    auto* arrow = new BuyersArrow(type);
    mEntities->Register(arrow);
    arrow->Place(i, j);
}

void Level::AddGarden(std::int32_t i, std::int32_t j, std::uint16_t code)
{
    auto* garden = new EntityGarden();
    mEntities->Register(garden);
    garden->Place(i, j);
    mCharacters->GetThiefManager().AddTarget(garden);
    if (code == kFirstGardenCode)
    {
        garden->SetForSale(true);
    }
    else
    {
        garden->SetUpgradeLevel(static_cast<std::uint16_t>(code - 5));
    }
    LinkWorker(*garden, kGardenerCode, i, j);
    SetSideFromMarkers(*garden, i, j, i - 1, i);
    // Behind its gardener in the object list.
    AddObject(garden);
}

void Level::AddBuilding(std::int32_t i, std::int32_t j, std::uint16_t code)
{
    const std::uint16_t base = BuildingBaseCode(static_cast<std::uint8_t>(code));
    auto* building = new EntityBuilding(static_cast<std::uint8_t>(base));
    Register(building);
    building->Place(i, j);
    if (code == base - 1)
    {
        building->SetForSale(true);
    }
    else
    {
        building->SetUpgradeLevel(static_cast<std::uint16_t>(code - base));
    }
    LinkWorker(*building, static_cast<std::uint8_t>(base), i, j);
    SetSideFromMarkers(*building, i, j, i - 3, i);
}

void Level::LinkWorker(Entity& entity, std::uint8_t workerCode, std::int32_t i, std::int32_t j)
{
    Pers* worker = mCharacters->CreatePers(workerCode);
    AddObject(worker);
    worker->SetHomeEntity(&entity);
    entity.SetWorker(worker);
    worker->SetIJ(i, j);
    const bool hired = mField->GetObjectCode(i, j - 1) == kHireMarker;
    worker->SetActive(hired);
    if (hired)
    {
        mField->SetObjectCode(i, j - 1, 0);
    }
}

void Level::SetSideFromMarkers(Entity& entity, std::int32_t i, std::int32_t j, std::int32_t leftColumn,
                               std::int32_t rightColumn) const
{
    const std::int32_t other = i == leftColumn ? rightColumn : leftColumn;
    for (const std::int32_t column : {i, other})
    {
        for (const std::int32_t row : {j + 1, j - 1})
        {
            if (mField->GetObjectCode(column, row) == kSideMarker)
            {
                entity.SetSide(column == leftColumn ? 1 : 0);
                return;
            }
        }
    }
}

void Level::AddQueuePlaces()
{
    auto& queue = mCharacters->GetBuyersQueue();
    for (std::uint16_t place = 0; place < kQueuePlaces; ++place)
    {
        const auto marker = static_cast<std::uint16_t>(kFirstQueueMarker + place);
        for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
        {
            for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
            {
                if (mField->GetObjectCode(i, j) != marker)
                {
                    continue;
                }
                mField->SetObjectCode(i, j, 0);
                for (const std::int32_t row : {j, j + 1, j - 1})
                {
                    if (mField->GetWalkKind(i, row) != GameField::kNotWalkable)
                    {
                        queue.push_back({i, row, 0});
                        break;
                    }
                }
            }
        }
    }
}

void Level::CheckComplete() const
{
    if (mEntities->GetEntity(Entity::kBuyersEntry) == nullptr ||
        mEntities->GetEntity(Entity::kBuyersExit) == nullptr)
    {
        ReportLevel("На уровне не хватает указателей с покупателями", 889);
    }
    if (mEntities->GetEntity(Entity::kStorehouse) == nullptr)
    {
        ReportLevel("На уровне не хватает склада", 894);
    }
    if (mEntities->GetEntity(Entity::kShop) == nullptr)
    {
        ReportLevel("На уровне не хватает магазина", 899);
    }
}
