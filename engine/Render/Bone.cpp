#include "engine/Render/Bone.h"

#include <cmath>

namespace Korrin
{

Bone::Bone(std::string name) : mName(std::move(name)) {}

Bone::~Bone() = default;

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
