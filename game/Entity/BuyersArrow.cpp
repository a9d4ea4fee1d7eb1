#include "game/Entity/BuyersArrow.h"

#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "game/Game/LevelTaskInfo.h"

#include <algorithm>

namespace
{
// The arrow's foot stands this far above its cell's top.
constexpr float kRise = 49.0f;
} // namespace

BuyersArrow::~BuyersArrow()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        sprites->DeleteSprite(mSprite);
    }
}

void BuyersArrow::Init()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    sprites->DeleteSprite(mSprite);
    mSprite = sprites->LoadAnimatedSprite("BuyersArrow", "BuyersArrow.lua");
}

bool BuyersArrow::IsMirrored() const
{
    return (mType == kBuyersEntry && mX > kScreenMiddle) || (mType == kBuyersExit && mX < kScreenMiddle);
}

std::uint16_t BuyersArrow::FrameFor(std::uint32_t backgroundType, std::size_t frameCount)
{
    return static_cast<std::uint16_t>(std::min<std::size_t>(backgroundType, frameCount - 1));
}

void BuyersArrow::Draw()
{
    if (mSprite == nullptr || mSprite->GetFrameCount() == 0)
    {
        return;
    }
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    const std::uint32_t background = task != nullptr ? task->backgroundType : 0;
    mSprite->SetMirrorH(IsMirrored());
    mSprite->DrawFrame(FrameFor(background, mSprite->GetFrameCount()), static_cast<int>(mX),
                       static_cast<int>(mY - kRise));
    mSprite->SetMirrorH(false);
}
