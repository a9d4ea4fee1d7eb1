#include "engine/Render/SkeletonManager.h"

#include "engine/Render/Skeleton.h"

#include <algorithm>

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

bool SkeletonManager::DeleteSkeleton(Skeleton* skeleton)
{
    const auto found =
        std::find_if(mSkeletons.begin(), mSkeletons.end(),
                     [skeleton](const std::unique_ptr<Skeleton>& kept) { return kept.get() == skeleton; });
    if (found == mSkeletons.end())
    {
        return false;
    }
    mSkeletons.erase(found);
    return true;
}

} // namespace Korrin
