#include "game/Entity/EntityManager.h"

#include "game/Entity/Entity.h"

EntityManager::~EntityManager()
{
    for (auto& [type, entity] : mEntities)
    {
        delete entity;
    }
    mEntities.clear();
}

void EntityManager::Register(Entity* entity)
{
    entity->SetSaveId(mNextSaveId++);
    mEntities.emplace(entity->GetType(), entity);
}

Entity* EntityManager::GetEntity(std::uint8_t type) const
{
    const auto found = mEntities.find(type);
    return found != mEntities.end() ? found->second : nullptr;
}

Entity* EntityManager::GetEntityById(std::uint32_t id) const
{
    for (const auto& [type, entity] : mEntities)
    {
        if (entity->GetSaveId() == id)
        {
            return entity;
        }
    }
    return nullptr;
}

void EntityManager::Init()
{
    for (auto& [type, entity] : mEntities)
    {
        entity->Init();
    }
}

void EntityManager::Reset()
{
    for (auto& [type, entity] : mEntities)
    {
        entity->Reset();
    }
}

bool EntityManager::Update(float dt)
{
    for (auto& [type, entity] : mEntities)
    {
        entity->Update(dt);
    }
    return true;
}

void EntityManager::Draw()
{
    if (mDrawCount == 0)
    {
        const auto [first, last] = mEntities.equal_range(Entity::kGarden);
        for (auto it = first; it != last; ++it)
        {
            it->second->ClearDrawCount();
            it->second->Draw();
        }
        return;
    }
    if (mDrawCount == 1)
    {
        for (auto& [type, entity] : mEntities)
        {
            if (type != Entity::kStorehouse)
            {
                entity->CountDraw();
                entity->Draw();
            }
        }
        return;
    }
    const auto [first, last] = mEntities.equal_range(Entity::kStorehouse);
    for (auto it = first; it != last; ++it)
    {
        it->second->Draw();
    }
}
