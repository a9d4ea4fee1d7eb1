#include "game/Pers/PersThiefManager.h"

#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStartShelf.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersManager.h"

PersThiefManager::PersThiefManager()
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
}

void PersThiefManager::AddStartShelf(EntityManager& entities, std::int32_t i, std::int32_t j,
                                     std::uint8_t minutes, std::uint8_t seconds)
{
    auto* shelf = new EntityStartShelf();
    entities.Register(shelf);
    shelf->Place(i, j);
    mShelves.push_back({i, j, minutes, seconds});
    mTargets.push_back({shelf, 0});
}

void PersThiefManager::AddTarget(Entity* entity)
{
    if (entity->GetType() == Entity::kShop)
    {
        mTargets.push_back({entity, 1});
        mTargets.push_back({entity, 2});
        return;
    }
    mTargets.push_back({entity, 0});
}

void PersThiefManager::ClearShelfCells(GameField& field) const
{
    for (const StartShelf& shelf : mShelves)
    {
        if (FieldGeometry::IsInside(shelf.I, shelf.J + 1))
        {
            field.SetObjectCode(shelf.I, shelf.J + 1, 0);
        }
    }
}

void PersThiefManager::StartThief(std::uint8_t /*minutes*/, std::uint8_t /*seconds*/, float /*dt*/)
{
    // The thieves' timing belongs to the thief characters; the stand-ins do not walk.
}

bool PersThiefManager::IsThiefInBush() const
{
    const PersManager* characters = PersManager::Peek();
    if (characters == nullptr)
    {
        return false;
    }
    for (const auto& pers : characters->GetCharacters())
    {
        const std::string& animation = pers->GetAnimationName();
        if (pers->GetType() == Pers::kThief && (animation == "bush" || animation == "bush1"))
        {
            return true;
        }
    }
    return false;
}
