#include "engine/Particle/ParticleManager.h"

#include "engine/Particle/ParticleSystem.h"

#include <algorithm>

namespace Korrin
{

ParticleManager::ParticleManager() = default;

ParticleManager::~ParticleManager()
{
    DeleteAll();
}

ParticleManager* ParticleManager::GetInstance()
{
    return CheckedInstance("ParticleManager::mSingleton==NULL", kEngineModule,
                           "Source\\Particle\\ParticleManager", 14);
}

ParticleSystem* ParticleManager::CreateParticleSystem(const std::string& file, const std::string& table)
{
    mSystems.push_back(std::make_unique<ParticleSystem>(file, table));
    return mSystems.back().get();
}

bool ParticleManager::DeleteParticleSystem(ParticleSystem* system)
{
    const auto found =
        std::find_if(mSystems.begin(), mSystems.end(),
                     [system](const std::unique_ptr<ParticleSystem>& kept) { return kept.get() == system; });
    if (found == mSystems.end())
    {
        return false;
    }
    mSystems.erase(found);
    return true;
}

void ParticleManager::DeleteAll()
{
    mSystems.clear();
}

} // namespace Korrin
