#include "game/Entity/EntityManager.h"

#include "engine/Log/LogManager.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Particle/ParticleSystemList.h"
#include "game/Entity/Entity.h"
#include "game/Game/GameParticleManager.h"

namespace
{
// A finished building's puff rises from this offset of its anchor.
constexpr float kBuildingUpLeft = 196.0f;
constexpr float kBuildingUpDown = 20.0f;

void ShowEffect(const Korrin::ParticleSystem* effect)
{
    if (GameParticleManager* effects = GameParticleManager::Peek())
    {
        effects->AddParticleToDQ(effect);
    }
}

Korrin::ParticleSystem* CreateEffect(Korrin::ParticleManager& particles, const char* name)
{
    return particles.CreateParticleSystem(std::string(name) + ".particle", name);
}
} // namespace

EntityManager::EntityManager() : mParticles(std::make_unique<ParticleSystemList>()) {}

EntityManager::~EntityManager()
{
    for (auto& [type, entity] : mEntities)
    {
        delete entity;
    }
    mEntities.clear();
    mParticles.reset();
    ReleaseEffects();
}

void EntityManager::ReleaseEffects()
{
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek())
    {
        for (Korrin::ParticleSystem* effect : {mStealing, mBuildingUp, mUpgrade})
        {
            if (effect != nullptr)
            {
                particles->DeleteParticleSystem(effect);
            }
        }
    }
    mStealing = mBuildingUp = mUpgrade = nullptr;
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

void EntityManager::AddBuildingUpPS(float x, float y)
{
    if (mBuildingUp != nullptr)
    {
        mBuildingUp->SetPosition({x - kBuildingUpLeft, y + kBuildingUpDown});
    }
    ShowEffect(mBuildingUp);
}

void EntityManager::AddUpgradePS(float x, float y)
{
    if (mUpgrade == nullptr || mUpgrade->GetEmitterCount() == 0)
    {
        Korrin::LogManager::GetInstance()->Write("! Error in EntityManager::AddUpgradePS");
        return;
    }
    // Only the emitters the effect holds move, each by the first one's offset.
    BaseParticleSystem* first = mUpgrade->GetBaseParticleSystem(0);
    const Korrin::Vector2 offset{x - first->GetPosition().x, y - first->GetPosition().y};
    for (std::size_t index = 0; index < mUpgrade->GetEmitterCount(); ++index)
    {
        BaseParticleSystem* emitter = mUpgrade->GetBaseParticleSystem(index);
        const Korrin::Vector2 at = emitter->GetPosition();
        emitter->SetPosition({at.x + offset.x, at.y + offset.y});
    }
    ShowEffect(mUpgrade);
}

void EntityManager::Init()
{
    ReleaseEffects();
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek())
    {
        mStealing = CreateEffect(*particles, "stealing");
        mBuildingUp = CreateEffect(*particles, "BuildingUp");
        mUpgrade = CreateEffect(*particles, "BuildingUpgrade");
    }
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
    if (mParticles->GetCount() > 0)
    {
        mParticles->Update();
    }
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
    mParticles->Draw();
}
