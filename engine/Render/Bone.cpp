#include "engine/Render/Bone.h"

#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/CheckedInteger.h"

#include <algorithm>
#include <cmath>

namespace Korrin
{

Bone::Bone(std::string name) : mName(std::move(name)) {}

Bone::~Bone()
{
    if (SpriteManager* sprites = SpriteManager::Peek(); sprites != nullptr && mSprite != nullptr)
    {
        sprites->DeleteSprite(mSprite);
    }
}

void Bone::Draw()
{
    if (mSprite == nullptr)
    {
        return;
    }
    mSprite->SetMirrorH(mMirrorHorizontal);
    mSprite->SetMirrorV(mMirrorVertical);
    mSprite->SetSrcRectF(mSprite->GetSrcRect());
    Vector2 pivot{mPivot.x * mScale.x, mPivot.y * mScale.y};
    if (mMirrorHorizontal)
    {
        pivot.x = -pivot.x;
    }
    if (mMirrorVertical)
    {
        pivot.y = -pivot.y;
    }
    if (mSprite->GetFrameCount() == 0)
    {
        mSprite->DrawEx(mWorldPosition.x, mWorldPosition.y, mScale.x, mScale.y, mAngle, pivot.x, pivot.y);
        return;
    }
    // A frame from an animation's key may be anything: the sprite clamps it to its last frame.
    mSprite->DrawFrameEx(CheckedInteger<std::uint16_t>(mFrame), mWorldPosition.x, mWorldPosition.y, mScale.x,
                         mScale.y, mAngle, pivot.x, pivot.y);
}

void Bone::UpdatePosition(bool recursive)
{
    if (mParent != nullptr)
    {
        Vector2 offset{mOffset.x * mScale.x, mOffset.y * mScale.y};
        if (mMirrorHorizontal)
        {
            offset.x = -offset.x;
        }
        if (mMirrorVertical)
        {
            offset.y = -offset.y;
        }
        const float c = std::cos(mAngle);
        const float s = std::sin(mAngle);
        mWorldPosition.x = offset.x * c - offset.y * s + mParent->mWorldPosition.x;
        mWorldPosition.y = offset.y * c + offset.x * s + mParent->mWorldPosition.y;
    }
    if (recursive)
    {
        for (const auto& [name, child] : mChildren)
        {
            child->UpdatePosition(true);
        }
    }
}

} // namespace Korrin
