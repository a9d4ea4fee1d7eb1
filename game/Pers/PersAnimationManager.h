#pragma once

#include "engine/Util/Singleton.h"
#include "engine/Util/Vector2.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Korrin
{
class Animation;
class Skeleton;
} // namespace Korrin

// The characters' skeletal animations, kept by the game screen for the whole run: each look's list file
// is read once, under its list id, and the skeletons of figures that went are pooled so that the next
// figure of the same look reuses one.
class PersAnimationManager : public Korrin::Singleton<PersAnimationManager>
{
public:
    // The animations of one look, by name, and the skeleton they are posed against.
    struct AnimationList
    {
        std::map<std::string, std::unique_ptr<Korrin::Animation>> animations;
        std::string skeletonTable;
        std::string skeletonFile;
    };
    // Free skeletons of one look, oldest first.
    using SkeletonPool = std::vector<Korrin::Skeleton*>;

    PersAnimationManager();
    ~PersAnimationManager();
    PersAnimationManager(const PersAnimationManager&) = delete;
    PersAnimationManager& operator=(const PersAnimationManager&) = delete;

    static PersAnimationManager* GetInstance()
    {
        return CheckedInstance("PersAnimationManager::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\Pers\\PersAnimationManager", 141);
    }

    // A skeleton for a new figure of the look: the first figure of a list id loads its list file; later
    // ones take a pooled skeleton or a new one.
    Korrin::Skeleton* GetSkeleton(std::int32_t listId, const std::string& listFile);
    // The animation of that name in the look's list; a missing one is reported.
    bool Get(std::int32_t listId, const std::string& name, Korrin::Animation*& out) const;
    // The same question without a report, for data that must be checked before it is used.
    bool Has(std::int32_t listId, const std::string& name) const;
    Korrin::Skeleton* TakeFromPool(std::int32_t listId);
    void AddToPool(std::int32_t listId, Korrin::Skeleton* skeleton);

    // Poses the skeleton at the state's time + dt between the animation's two key frames around it; the
    // root bone goes to the followed position minus the animation's root offset (plus it, mirrored).
    // Returns the key frame reached, 0 when nothing could be posed.
    static std::uint16_t ApplyAnimation(const Korrin::Animation* animation, Korrin::Animation& state,
                                        const Korrin::Vector2& position, Korrin::Skeleton* skeleton,
                                        float dt);

    const std::map<std::int32_t, std::unique_ptr<AnimationList>>& GetLists() const { return mLists; }
    const std::map<std::int32_t, SkeletonPool>& GetPools() const { return mPools; }

private:
    Korrin::Skeleton* LoadList(std::int32_t listId, const std::string& listFile);
    Korrin::Skeleton* NewSkeleton(std::int32_t listId, const AnimationList& list);

    std::map<std::int32_t, std::unique_ptr<AnimationList>> mLists;
    std::map<std::int32_t, SkeletonPool> mPools;
};
