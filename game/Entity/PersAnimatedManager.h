#pragma once

#include "engine/Util/Vector2.h"
#include "game/Game/SaveLoadObject.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Korrin
{
class Animation;
class Skeleton;
} // namespace Korrin

// One skeletal figure of a character (or of the shop's companion): its own skeleton, the shared
// animation it plays with its own playing state, and the owner's position, which the figure moves to
// where the root bone went at the end of each cycle (root motion).
class PersAnimatedManager : public SaveLoadObject
{
public:
    // The figure record: the animation's name in 50 bytes, the followed position and the time.
    static constexpr std::size_t kNameBytes = 50;
    static constexpr std::size_t kRecordBytes = kNameBytes + 12;

    // position: the owner's position, which must outlive the figure.
    PersAnimatedManager(std::int32_t listId, const std::string& listFile, Korrin::Vector2* position);
    ~PersAnimatedManager() override;
    PersAnimatedManager(const PersAnimatedManager&) = delete;
    PersAnimatedManager& operator=(const PersAnimatedManager&) = delete;

    // The current animation's name, empty when there is none.
    const std::string& GetAnimationName() const;
    // Switches to the named animation from its first frame; false when it already plays (it goes on
    // untouched) or is not in the look's list (the figure then plays nothing).
    bool SetAnimation(const std::string& name);
    // Plays dt seconds; true when the cycle completed, and the followed position then took the root
    // bone's x (facing 0 or 1) or y (facing up or down).
    bool Advance(float dt, std::uint8_t facing);
    void DrawSkeleton() const;

    void Save(Korrin::BinaryWriter& out) override;
    // Starts the named animation again at the saved time and takes the saved position. Fails the reader
    // on a name without its terminator, a name the look's list lacks or a position or time that is not a
    // finite number.
    void Load(Korrin::BinaryReader& in) override;

    Korrin::Skeleton* GetSkeleton() const { return mSkeleton; }
    const Korrin::Animation* GetCurrent() const { return mCurrent; }
    Korrin::Animation& GetState() { return *mState; }
    const Korrin::Animation& GetState() const { return *mState; }
    std::uint8_t GetMirror() const { return mMirror; }
    // Also the state's, while an animation plays.
    void SetMirror(std::uint8_t mirror);
    std::int32_t GetListId() const { return mListId; }
    const Korrin::Vector2* GetFollowedPosition() const { return mPosition; }

private:
    Korrin::Skeleton* mSkeleton = nullptr;
    Korrin::Vector2* mPosition = nullptr;
    Korrin::Animation* mCurrent = nullptr;
    std::unique_ptr<Korrin::Animation> mState;
    std::uint8_t mMirror = 0;
    std::int32_t mListId = 0;
};
