#pragma once

#include "engine/Util/Singleton.h"

#include <list>
#include <memory>
#include <string>

namespace Korrin
{

class Skeleton;

// Keeps every skeleton made through it until it goes; callers keep the pointers (there is no look-up).
class SkeletonManager : public Singleton<SkeletonManager>
{
public:
    SkeletonManager();
    ~SkeletonManager();

    static SkeletonManager* GetInstance();

    Skeleton* AddSkeleton(const std::string& file, const std::string& table);
    // Removes a skeleton made here from the list and deletes it; false (nothing done) for any other.
    bool DeleteSkeleton(Skeleton* skeleton);
    std::size_t GetCount() const { return mSkeletons.size(); }

private:
    std::list<std::unique_ptr<Skeleton>> mSkeletons;
};

} // namespace Korrin
