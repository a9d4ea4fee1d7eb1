#include "game/Entity/PersAnimatedManager.h"

#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "game/Pers/PersAnimationManager.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

PersAnimatedManager::PersAnimatedManager(std::int32_t listId, const std::string& listFile,
                                         Korrin::Vector2* position)
    : mPosition(position), mState(std::make_unique<Korrin::Animation>()), mListId(listId)
{
    if (PersAnimationManager* animations = PersAnimationManager::Peek())
    {
        mSkeleton = animations->GetSkeleton(listId, listFile);
    }
}

PersAnimatedManager::~PersAnimatedManager()
{
    if (PersAnimationManager* animations = PersAnimationManager::Peek(); animations != nullptr && mSkeleton)
    {
        animations->AddToPool(mListId, mSkeleton);
    }
}

const std::string& PersAnimatedManager::GetAnimationName() const
{
    static const std::string kNone;
    return mCurrent != nullptr ? mCurrent->GetName() : kNone;
}

void PersAnimatedManager::SetMirror(std::uint8_t mirror)
{
    mMirror = mirror;
    if (mCurrent != nullptr)
    {
        mState->mMirror = mirror;
    }
}

bool PersAnimatedManager::SetAnimation(const std::string& name)
{
    const PersAnimationManager* animations = PersAnimationManager::Peek();
    Korrin::Animation* found = nullptr;
    // A figure made without the skeleton manager has no bones to pose and plays nothing.
    if (animations == nullptr || mSkeleton == nullptr || !animations->Get(mListId, name, found))
    {
        mCurrent = nullptr;
        return false;
    }
    if (found == mCurrent)
    {
        return false;
    }
    mCurrent = found;
    mState->mTime = 0.0f;
    mState->mMirror = mMirror;
    PersAnimationManager::ApplyAnimation(mCurrent, *mState, *mPosition, mSkeleton, 0.0f);
    return true;
}

bool PersAnimatedManager::Advance(float dt, std::uint8_t facing)
{
    if (mCurrent == nullptr)
    {
        return false;
    }
    const std::uint16_t reached =
        PersAnimationManager::ApplyAnimation(mCurrent, *mState, *mPosition, mSkeleton, dt);
    if (reached + 1u != mCurrent->GetFrameCount())
    {
        return false;
    }
    if (mSkeleton != nullptr && mSkeleton->GetRoot() != nullptr)
    {
        const Korrin::Vector2 root = mSkeleton->GetRoot()->mWorldPosition;
        if (facing == 0 || facing == 1)
        {
            mPosition->x = root.x;
        }
        else
        {
            mPosition->y = root.y;
        }
    }
    mState->mTime = 0.0f;
    return true;
}

void PersAnimatedManager::DrawSkeleton() const
{
    if (mSkeleton == nullptr)
    {
        return;
    }
    for (std::size_t i = 0; i < mSkeleton->GetBoneCount(); ++i)
    {
        mSkeleton->GetDrawBone(static_cast<std::uint16_t>(i))->Draw();
    }
}

void PersAnimatedManager::Save(Korrin::BinaryWriter& out)
{
    std::array<char, kNameBytes> name{};
    const std::string& current = GetAnimationName();
    std::memcpy(name.data(), current.data(), std::min(current.size(), kNameBytes - 1));
    for (const char byte : name)
    {
        out.WriteU8(static_cast<std::uint8_t>(byte));
    }
    out.WriteF32(mPosition->x);
    out.WriteF32(mPosition->y);
    out.WriteF32(mState->mTime);
}

void PersAnimatedManager::Load(Korrin::BinaryReader& in)
{
    std::array<char, kNameBytes> bytes{};
    for (char& byte : bytes)
    {
        byte = static_cast<char>(in.ReadU8());
    }
    const Korrin::Vector2 position{in.ReadF32(), in.ReadF32()};
    const float time = in.ReadF32();
    const auto terminator = std::find(bytes.begin(), bytes.end(), '\0');
    const std::string name(bytes.begin(), terminator);
    const PersAnimationManager* animations = PersAnimationManager::Peek();
    // An empty name is a figure that played nothing; any other must be one of the look's animations, so
    // that a damaged record never reaches the report of a missing animation.
    const bool known = name.empty() || (animations != nullptr && animations->Has(mListId, name));
    if (!in.Ok() || terminator == bytes.end() || !known || !std::isfinite(position.x) ||
        !std::isfinite(position.y) || !std::isfinite(time))
    {
        in.Fail();
        return;
    }
    mCurrent = nullptr;
    if (!name.empty())
    {
        SetAnimation(name);
        // The cycle goes on where it was, so that a record read back is written again unchanged.
        mState->mTime = time;
    }
    *mPosition = position;
}
