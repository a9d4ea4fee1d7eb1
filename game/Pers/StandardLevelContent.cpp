#include "game/Pers/StandardLevelContent.h"

#include "engine/Log/ReportAssert.h"
#include "game/Entity/BuyersArrow.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/EntityTaskManager.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/Level.h"
#include "game/Game/LevelBackdrop.h"
#include "game/Game/LevelFile.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersThiefManager.h"
#include "game/Pers/ThiefBag.h"

#include <memory>

namespace
{

// The level's reports keep the level's source and lines.
constexpr const char* kSource = "Source\\Game\\Level";
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

LevelContent& LevelContent::Standard()
{
    static StandardLevelContent content;
    return content;
}

void StandardLevelContent::AddMembers(Level& level, std::uint8_t backgroundType, Members& members)
{
    level.Add("Background", LevelBackdrop::Create(backgroundType), true);
    auto* tasks = new EntityTaskManager();
    level.Add("EntityTaskManager", tasks, false);
    members.field = new GameField();
    members.field->LoadTileSheet(backgroundType);
    level.Add("GameField", members.field, true);
    members.entities = new EntityManager();
    level.Add("EntityManager", members.entities, true);
    level.AddToDraw(members.field);
    level.AddToDraw(members.entities);
    members.characters = new PersManager();
    level.Add("PersManager", members.characters, true);
    level.AddToDraw(tasks);
    level.AddToDraw(members.characters);
    level.AddToDraw(members.entities);
    level.AddToDraw(members.characters);
    members.money = new MoneyAnimatedSprite();
    level.Add("MoneyAnimation", members.money, true);
    auto* bags = new ThiefBag();
    level.Add("ThiefBagList", bags, true);
    level.AddObject(bags);
}

void StandardLevelContent::AddThieves(Level& level, const LevelFile& file)
{
    PersManager& characters = *level.GetPersManager();
    for (const LevelFile::Thief& record : file.thieves)
    {
        Pers* thief = characters.CreatePers(Pers::kThief);
        level.AddObject(thief);
        characters.GetThiefManager().AddStartShelf(*level.GetEntityManager(), record.I, record.J,
                                                   record.minutes, record.seconds);
        thief->SetIJ(record.I, record.J);
        thief->SetActive(false);
    }
}

void StandardLevelContent::AddBuyer(Level& level, std::uint8_t kind)
{
    level.AddObject(level.GetPersManager()->CreatePers(kind));
}

void StandardLevelContent::AddEntities(Level& level)
{
    auto rope = std::make_unique<EntityRope>();
    int buildingCells = 0;
    for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
    {
        for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
        {
            ScanCell(level, i, j, *rope, buildingCells);
        }
    }
    AddQueuePlaces(level);
    if (level.GetPersManager()->GetBuyersQueue().size() < Level::kQueuePlaces)
    {
        ReportLevel("Очередь для покупателей не полная", 801);
    }
    Register(level, rope.release());
}

void StandardLevelContent::Finish(Level& level)
{
    level.GetPersManager()->GetThiefManager().ClearShelfCells(*level.GetGameField());
    const EntityManager& entities = *level.GetEntityManager();
    if (entities.GetEntity(Entity::kBuyersEntry) == nullptr ||
        entities.GetEntity(Entity::kBuyersExit) == nullptr)
    {
        ReportLevel("На уровне не хватает указателей с покупателями", 889);
    }
    if (entities.GetEntity(Entity::kStorehouse) == nullptr)
    {
        ReportLevel("На уровне не хватает склада", 894);
    }
    if (entities.GetEntity(Entity::kShop) == nullptr)
    {
        ReportLevel("На уровне не хватает магазина", 899);
    }
}

void StandardLevelContent::DrawOverlays(Level& level)
{
    if (const EntityManager* entities = level.GetEntityManager())
    {
        for (const auto& [type, entity] : entities->GetEntities())
        {
            entity->DrawOverlay();
        }
    }
    if (PersManager* characters = level.GetPersManager())
    {
        characters->LiftOverlappingDreams();
        for (const auto& character : characters->GetCharacters())
        {
            if (character->IsActive())
            {
                character->DrawDream();
            }
        }
    }
}

WatchedEntity StandardLevelContent::Watch(const Level& level, std::uint8_t type) const
{
    WatchedEntity watched;
    const EntityManager* entities = level.GetEntityManager();
    Entity* entity = entities != nullptr ? entities->GetEntity(type) : nullptr;
    if (entity == nullptr)
    {
        return watched;
    }
    watched.object = entity;
    watched.tasks = entity->GetTaskCount();
    const Pers* worker = entity->GetWorker();
    watched.workerActive = worker != nullptr && worker->IsActive();
    if (const auto* garden = dynamic_cast<const EntityGarden*>(entity))
    {
        watched.known = true;
        watched.forSale = garden->IsForSale();
    }
    else if (const auto* building = dynamic_cast<const EntityBuilding*>(entity))
    {
        watched.known = true;
        watched.forSale = building->IsForSale();
    }
    else if (const auto* rope = dynamic_cast<const EntityRope*>(entity))
    {
        watched.known = true;
        watched.ropePoints = static_cast<std::int32_t>(rope->GetPoints().size());
    }
    else if (const auto* storehouse = dynamic_cast<const EntityStorehouse*>(entity))
    {
        watched.known = true;
        watched.holdsGoods = !storehouse->GetCells().IsEmpty();
    }
    else if (const auto* shop = dynamic_cast<const EntityShop*>(entity))
    {
        watched.known = true;
        watched.holdsGoods = !shop->GetCells().IsEmpty();
    }
    return watched;
}

bool StandardLevelContent::AddRopePoint(Level& level, std::int32_t i, std::int32_t j, EntityRope& rope)
{
    const GameField& field = *level.GetGameField();
    if (field.GetObjectCode(i, j + 1) != Level::kRopeCode || field.GetWalkKind(i, j) != GameField::kLadder ||
        field.GetRopeKind(i, j) != 0)
    {
        return false;
    }
    if (field.GetTile(i, j) != Level::kRopeTile)
    {
        ReportLevel("Веревка - не тот тайл", 600);
    }
    rope.AddPoint(FieldGeometry::CellX(i), FieldGeometry::CellY(j) - 62.0f, 0);
    return true;
}

void StandardLevelContent::ScanCell(Level& level, std::int32_t i, std::int32_t j, EntityRope& rope,
                                    int& buildingCells)
{
    if (AddRopePoint(level, i, j, rope))
    {
        return;
    }
    const GameField& field = *level.GetGameField();
    const std::uint16_t code = field.GetObjectCode(i, j);
    if (code == kStorehouseCode)
    {
        AddStorehouse(level, i, j);
    }
    else if (code >= kFirstGardenCode && code <= kLastGardenCode)
    {
        if (field.GetObjectCode(i - 1, j) == code)
        {
            AddGarden(level, i, j, code);
        }
    }
    else if (code >= kFirstBuildingCode && code <= kLastBuildingCode)
    {
        if (++buildingCells >= kCellsPerBuilding)
        {
            AddBuilding(level, i, j, code);
            buildingCells = 0;
        }
    }
    else if (code == kWellCode)
    {
        AddWell(level, i, j);
    }
    else if (code == kShopCode)
    {
        if (field.GetObjectCode(i - 1, j) == kShopCode)
        {
            AddShop(level, i - 1, j);
        }
    }
    else if (code == Entity::kBuyersEntry || code == Entity::kBuyersExit)
    {
        AddSignpost(level, i, j, static_cast<std::uint8_t>(code));
    }
}

void StandardLevelContent::AddStorehouse(Level& level, std::int32_t i, std::int32_t j)
{
    if (level.GetEntityManager()->GetEntity(Entity::kStorehouse) != nullptr)
    {
        return;
    }
    auto* storehouse = new EntityStorehouse();
    Register(level, storehouse);
    storehouse->Place(i, j);
    level.GetPersManager()->GetThiefManager().AddTarget(storehouse);
    SetSideFromMarkers(level, *storehouse, i, j, i, i + 1);
}

void StandardLevelContent::AddWell(Level& level, std::int32_t i, std::int32_t j)
{
    auto* well = new EntityWaterWell();
    Register(level, well);
    well->Place(i, j);
    level.GetPersManager()->GetThiefManager().AddTarget(well);
}

void StandardLevelContent::AddShop(Level& level, std::int32_t i, std::int32_t j)
{
    if (level.GetEntityManager()->GetEntity(Entity::kShop) != nullptr)
    {
        return;
    }
    auto* shop = new EntityShop();
    Register(level, shop);
    shop->Place(i, j);
    level.GetPersManager()->GetThiefManager().AddTarget(shop);
}

void StandardLevelContent::AddSignpost(Level& level, std::int32_t i, std::int32_t j, std::uint8_t type)
{
    EntityManager& entities = *level.GetEntityManager();
    if (entities.GetEntity(type) != nullptr)
    {
        return;
    }
    // A signpost takes no hover nor click.
    auto* arrow = new BuyersArrow(type);
    entities.Register(arrow);
    arrow->Place(i, j);
}

void StandardLevelContent::AddGarden(Level& level, std::int32_t i, std::int32_t j, std::uint16_t code)
{
    auto* garden = new EntityGarden();
    level.GetEntityManager()->Register(garden);
    garden->Place(i, j);
    level.GetPersManager()->GetThiefManager().AddTarget(garden);
    if (code == kFirstGardenCode)
    {
        garden->SetForSale(true);
    }
    else
    {
        garden->SetUpgradeLevel(static_cast<std::uint16_t>(code - 5));
    }
    LinkWorker(level, *garden, kGardenerCode, i, j);
    SetSideFromMarkers(level, *garden, i, j, i - 1, i);
    // Behind its gardener in the object list.
    level.AddObject(garden);
}

void StandardLevelContent::AddBuilding(Level& level, std::int32_t i, std::int32_t j, std::uint16_t code)
{
    const std::uint16_t base = Level::BuildingBaseCode(static_cast<std::uint8_t>(code));
    auto* building = new EntityBuilding(static_cast<std::uint8_t>(base));
    Register(level, building);
    building->Place(i, j);
    if (code == base - 1)
    {
        building->SetForSale(true);
    }
    else
    {
        building->SetUpgradeLevel(static_cast<std::uint16_t>(code - base));
    }
    LinkWorker(level, *building, static_cast<std::uint8_t>(base), i, j);
    SetSideFromMarkers(level, *building, i, j, i - 3, i);
}

void StandardLevelContent::Register(Level& level, Entity* entity)
{
    level.AddObject(entity);
    level.GetEntityManager()->Register(entity);
}

void StandardLevelContent::LinkWorker(Level& level, Entity& entity, std::uint8_t workerCode, std::int32_t i,
                                      std::int32_t j)
{
    Pers* worker = level.GetPersManager()->CreatePers(workerCode);
    level.AddObject(worker);
    worker->SetHomeEntity(&entity);
    entity.SetWorker(worker);
    worker->SetIJ(i, j);
    GameField& field = *level.GetGameField();
    const bool hired = field.GetObjectCode(i, j - 1) == Level::kHireMarker;
    worker->SetActive(hired);
    if (hired)
    {
        field.SetObjectCode(i, j - 1, 0);
    }
}

void StandardLevelContent::SetSideFromMarkers(const Level& level, Entity& entity, std::int32_t i,
                                              std::int32_t j, std::int32_t leftColumn,
                                              std::int32_t rightColumn) const
{
    const GameField& field = *level.GetGameField();
    const std::int32_t other = i == leftColumn ? rightColumn : leftColumn;
    for (const std::int32_t column : {i, other})
    {
        for (const std::int32_t row : {j + 1, j - 1})
        {
            if (field.GetObjectCode(column, row) == Level::kSideMarker)
            {
                entity.SetSide(column == leftColumn ? 1 : 0);
                return;
            }
        }
    }
}

void StandardLevelContent::AddQueuePlaces(Level& level)
{
    GameField& field = *level.GetGameField();
    auto& queue = level.GetPersManager()->GetBuyersQueue();
    for (std::uint16_t place = 0; place < Level::kQueuePlaces; ++place)
    {
        const auto marker = static_cast<std::uint16_t>(Level::kFirstQueueMarker + place);
        for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
        {
            for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
            {
                if (field.GetObjectCode(i, j) != marker)
                {
                    continue;
                }
                field.SetObjectCode(i, j, 0);
                for (const std::int32_t row : {j, j + 1, j - 1})
                {
                    if (field.GetWalkKind(i, row) != GameField::kNotWalkable)
                    {
                        queue.push_back({i, row, 0});
                        break;
                    }
                }
            }
        }
    }
}
