#include "game/Pers/WorkerMagic.h"

#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"

WorkerMagic::WorkerMagic()
{
    Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
    if (particles == nullptr)
    {
        return;
    }
    mEffect = particles->CreateParticleSystem("char_magic.particle", "char_magic");
    for (std::size_t i = 0; i < mEffect->GetEmitterCount(); ++i)
    {
        mEffect->GetBaseParticleSystem(i)->SetActive(false);
    }
}

WorkerMagic::~WorkerMagic()
{
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek(); particles && mEffect)
    {
        particles->DeleteParticleSystem(mEffect);
    }
}

void WorkerMagic::Start(const Korrin::Vector2& position)
{
    if (mEffect != nullptr)
    {
        mEffect->SetPosition(position);
        mEffect->Restart();
    }
}

void WorkerMagic::Update(float dt)
{
    if (mEffect != nullptr)
    {
        mEffect->Update(dt);
    }
}

void WorkerMagic::Draw()
{
    if (mEffect != nullptr)
    {
        mEffect->Draw({0.0f, 0.0f});
    }
}

bool WorkerMagic::IsRunning() const
{
    return mEffect != nullptr && mEffect->HasActiveEmitter();
}
