#include "game/Game/GameParticleManager.h"

#include "engine/Log/LogManager.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"

#include <string>

namespace
{

constexpr const char* kPrototypes[kParticleKinds] = {
    "Professor",        "DeleteThiefPS",      "BushThief",         "SalePersPS",
    "SalePersPS",       "CompleteOneGoodsPS", "bagblast",          "ShopStoreUpgrade",
    "WaterwellUpgrade", "RopeUpgrade",        "StorehouseUpgrade", "BuildingUpgrade",
};

// Effects made of several emitters laid out around a point: they move as a whole.
bool IsLaidOut(NameParticles kind)
{
    return kind == kParticleCompleteOneGoods || kind == kParticleShopStoreUpgrade ||
           kind == kParticleWaterwellUpgrade || kind == kParticleRopeUpgrade ||
           kind == kParticleStorehouseUpgrade || kind == kParticleBuildingUpgrade;
}

void LogKindError()
{
    Korrin::LogManager::GetInstance()->Write("! Error in GameParticleManager::AddParticleToDQ(NameParticles "
                                             "typeParticle, Vector2 particlePosition)");
}

} // namespace

GameParticleManager::GameParticleManager() : mQueue(std::make_unique<ParticleSystemList>()) {}

GameParticleManager::~GameParticleManager()
{
    Release();
}

void GameParticleManager::Release()
{
    Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
    for (Korrin::ParticleSystem* system : mSystems)
    {
        if (particles != nullptr)
        {
            particles->DeleteParticleSystem(system);
        }
    }
    mSystems.clear();
    if (mQueue != nullptr)
    {
        mQueue->Clear();
    }
}

void GameParticleManager::Load()
{
    Release();
    Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
    if (particles == nullptr)
    {
        return;
    }
    for (const char* name : kPrototypes)
    {
        mSystems.push_back(particles->CreateParticleSystem(std::string(name) + ".particle", name));
    }
}

Korrin::ParticleSystem* GameParticleManager::GetPrototype(std::size_t kind) const
{
    return kind < mSystems.size() ? mSystems.Elements()[kind] : nullptr;
}

bool GameParticleManager::AddParticleToDQ(NameParticles kind, const Korrin::Vector2& place)
{
    Korrin::ParticleSystem* system = GetPrototype(kind);
    if (system == nullptr)
    {
        LogKindError();
        return false;
    }
    if (IsLaidOut(kind))
    {
        if (system->GetEmitterCount() == 0)
        {
            LogKindError();
            return false;
        }
        const Korrin::Vector2 first = system->GetBaseParticleSystem(0)->GetPosition();
        for (std::size_t i = 0; i < system->GetEmitterCount(); ++i)
        {
            BaseParticleSystem* emitter = system->GetBaseParticleSystem(i);
            const Korrin::Vector2 position = emitter->GetPosition();
            emitter->SetPosition({place.x + (position.x - first.x), place.y + (position.y - first.y)});
        }
    }
    else
    {
        system->SetPosition(place);
    }
    if (mQueue != nullptr)
    {
        mQueue->Add(*system);
    }
    return true;
}

bool GameParticleManager::AddParticleToDQ(const Korrin::ParticleSystem* system)
{
    if (system == nullptr)
    {
        Korrin::LogManager::GetInstance()->Write("! Error in GameParticleManager::AddParticleToDQ");
        return false;
    }
    if (mQueue != nullptr)
    {
        mQueue->Add(*system);
    }
    return true;
}

void GameParticleManager::Update()
{
    if (mQueue->GetCount() > 0)
    {
        mQueue->Update();
    }
}

void GameParticleManager::Draw()
{
    mQueue->Draw();
}
