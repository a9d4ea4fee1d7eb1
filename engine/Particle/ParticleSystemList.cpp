#include "engine/Particle/ParticleSystemList.h"

#include "engine/App/TimerManager.h"
#include "engine/Particle/ParticleSystem.h"

ParticleSystemList::ParticleSystemList() = default;
ParticleSystemList::~ParticleSystemList() = default;

Korrin::ParticleSystem* ParticleSystemList::Add(const Korrin::ParticleSystem& prototype)
{
    auto copy = std::make_unique<Korrin::ParticleSystem>();
    copy->CopyFrom(prototype);
    mSystems.push_back(std::move(copy));
    return mSystems.back().get();
}

void ParticleSystemList::Update()
{
    Korrin::TimerManager* timer = Korrin::TimerManager::GetInstance();
    const float dt = timer != nullptr ? timer->GetDelta() : 0.0f;
    for (auto system = mSystems.begin(); system != mSystems.end();)
    {
        if ((*system)->HasActiveEmitter())
        {
            (*system)->Update(dt);
            ++system;
        }
        else
        {
            system = mSystems.erase(system);
        }
    }
}

void ParticleSystemList::Draw()
{
    for (const std::unique_ptr<Korrin::ParticleSystem>& system : mSystems)
    {
        system->Draw(Korrin::Vector2{0.0f, 0.0f});
    }
}

void ParticleSystemList::Clear()
{
    mSystems.clear();
}
