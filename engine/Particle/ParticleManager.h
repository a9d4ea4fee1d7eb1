#pragma once

#include "engine/Util/Singleton.h"

#include <memory>
#include <string>
#include <vector>

namespace Korrin
{

class ParticleSystem;

// Keeps the prototype of every particle effect loaded; game objects run copies of them.
class ParticleManager : public Singleton<ParticleManager>
{
public:
    ParticleManager();
    ~ParticleManager();

    static ParticleManager* GetInstance();

    // Loads a prototype from the global table `table` of the file and keeps it.
    ParticleSystem* CreateParticleSystem(const std::string& file, const std::string& table);
    // Destroys a kept prototype; false when it is not one.
    bool DeleteParticleSystem(ParticleSystem* system);
    void DeleteAll();

    std::size_t GetCount() const { return mSystems.size(); }

private:
    std::vector<std::unique_ptr<ParticleSystem>> mSystems;
};

} // namespace Korrin
