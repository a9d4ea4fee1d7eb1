#include "engine/Render/SkeletonManager.h"

#include "engine/Render/Skeleton.h"

namespace Korrin
{

SkeletonManager::SkeletonManager() = default;
SkeletonManager::~SkeletonManager() = default;

SkeletonManager* SkeletonManager::GetInstance()
{
    return CheckedInstance("SkeletonManager::mSingleton==NULL", kEngineModule,
                           "Source\\Render\\SkeletonManager", 12);
}

Skeleton* SkeletonManager::AddSkeleton(const std::string& file, const std::string& table)
{
    mSkeletons.push_back(std::make_unique<Skeleton>(file, table));
    return mSkeletons.back().get();
}

} // namespace Korrin
