#include "game/Game/GamePanelPers.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "game/Util/HintManager.h"
#include "game/Util/VirtualMouse.h"

#include <algorithm>

namespace
{
constexpr GamePanelPers::PortraitSlot kRow[GamePanelPers::kSlots] = {{86.0f, 0.0f, 1.5f, 1.5f},
                                                                     {86.0f, 52.0f, 1.0f, 1.0f},
                                                                     {49.0f, 50.0f, 0.8f, 0.8f},
                                                                     {18.0f, 48.0f, 0.7f, 0.7f},
                                                                     {-10.0f, 45.0f, 0.5f, 0.5f}};
constexpr float kHintShift = 15.0f;
constexpr std::uint32_t kPortraitPriority = 1;
} // namespace

void GamePanelPers::Load()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mSprite = sprites->LoadAnimatedSprite("PersPanelAnimSprite", "panel.gui");
    }
}

void GamePanelPers::Reset()
{
    mProgress = 0.0f;
    mFade = 1.0f;
    mAnimating = 0;
    mHead = 0;
    mHoveredBefore = 0;
    mSlots.assign(std::begin(kRow), std::end(kRow));
}

void GamePanelPers::Clear()
{
    mQueue.clear();
    mItems.clear();
    mHead = 0;
}

void GamePanelPers::PlaceItem(std::size_t k, std::uint32_t id, const PortraitSlot& slot)
{
    PortraitItem& item = mItems[k];
    item.id = id;
    item.x = slot.x;
    item.y = slot.y;
    item.scaleX = slot.scaleX;
    item.scaleY = slot.scaleY;
}

void GamePanelPers::AddPers(std::uint8_t type)
{
    mQueue.push_back(static_cast<std::int32_t>(type) - kFirstBuyerType);
    if (mQueue.size() == kShown)
    {
        mItems.assign(kShown, PortraitItem{});
        for (std::size_t k = 0; k < kShown; ++k)
        {
            PlaceItem(k, static_cast<std::uint32_t>(mQueue[k]), kRow[k + 1]);
        }
    }
}

void GamePanelPers::Advance()
{
    if (mQueue.empty() || mItems.size() < kShown)
    {
        return;
    }
    mHead = mHead + 1 >= mQueue.size() ? 0 : mHead + 1;
    for (std::size_t k = 0; k < kShown; ++k)
    {
        PlaceItem(k, static_cast<std::uint32_t>(mQueue[(mHead + k) % mQueue.size()]), kRow[k + 1]);
    }
}

std::uint32_t GamePanelPers::GetPlace() const
{
    if (mAnimating == 0 || mQueue.empty() || mItems.size() < kShown)
    {
        return mHead;
    }
    return mHead + 1 >= mQueue.size() ? 0 : mHead + 1;
}

bool GamePanelPers::IsPlace(std::uint32_t place) const
{
    // Advance never moves a queue that fills no row.
    if (mQueue.empty() || mItems.size() < kShown)
    {
        return place == 0;
    }
    return place < mQueue.size();
}

void GamePanelPers::SetPlace(std::uint32_t place)
{
    if (!IsPlace(place))
    {
        return;
    }
    mProgress = 0.0f;
    mFade = 1.0f;
    mAnimating = 0;
    mHead = place;
    for (std::size_t k = 0; k < mItems.size(); ++k)
    {
        PlaceItem(k, static_cast<std::uint32_t>(mQueue[(mHead + k) % mQueue.size()]), kRow[k + 1]);
    }
}

void GamePanelPers::Update(float dt)
{
    if (mQueue.size() < kShown || mItems.size() < kShown)
    {
        // With no row on show there is nothing to hover or slide.
        Korrin::ReportAndBreak("queue's size is less than 4!.", Korrin::kGameModule,
                               "Source\\Game\\GamePanelPers", 112);
        return;
    }
    Hover();
    if (mAnimating != 0)
    {
        Slide(dt);
    }
}

void GamePanelPers::Hover()
{
    Korrin::Vector2 mouse;
    if (!VirtualMousePosition(mouse))
    {
        return;
    }
    for (std::uint32_t n = 1; n <= 3; ++n)
    {
        const PortraitSlot& slot = mSlots[n];
        if (mouse.x < slot.x - kHoverHalf || mouse.x > slot.x + kHoverHalf || mouse.y < slot.y - kHoverHalf ||
            mouse.y > slot.y + kHoverHalf)
        {
            continue;
        }
        HintManager* hints = HintManager::Peek();
        if (n != mHoveredBefore)
        {
            Korrin::LogManager::GetInstance()->Write("!!! GamePanelPers::Update(Real eltime)");
            if (hints != nullptr)
            {
                hints->DropCurrent();
            }
        }
        const std::uint32_t id = mItems[n - 1].id & 0xFFFFu;
        if (hints != nullptr && id < hints->GetCharacterNames().size())
        {
            hints->Show(hints->GetCharacterNames()[id], kPortraitPriority,
                        {slot.x + kHintShift, slot.y + kHintShift});
        }
        mHoveredBefore = n;
        break;
    }
}

void GamePanelPers::Slide(float dt)
{
    mProgress += dt;
    mFade = std::max(mFade - 2.0f * dt, 0.0f);
    if (mProgress <= kSlideTime)
    {
        const float u = mProgress / kSlideTime;
        for (std::size_t k = 0; k < kShown; ++k)
        {
            const PortraitSlot& to = mSlots[k];
            const PortraitSlot& from = mSlots[k + 1];
            PortraitItem& item = mItems[k];
            item.x = u * to.x + (1.0f - u) * from.x;
            item.y = u * to.y + (1.0f - u) * from.y;
            item.scaleX = u * to.scaleX + (1.0f - u) * from.scaleX;
            item.scaleY = u * to.scaleY + (1.0f - u) * from.scaleY;
        }
        return;
    }
    Advance();
    mProgress = 0.0f;
    mAnimating = 0;
    mFade = 1.0f;
}

void GamePanelPers::DrawItem(const PortraitItem& item)
{
    const std::size_t count = mSprite->GetFrameCount();
    const auto frame = static_cast<std::uint16_t>(std::min<std::size_t>(item.id & 0xFFFFu, count - 1));
    mSprite->SetSrcRectF(mSprite->GetFrameRect(frame));
    mSprite->DrawEx(item.x, item.y, item.scaleX, item.scaleY, 0.0f, 0.0f, 0.0f);
}

void GamePanelPers::Draw()
{
    if (mSprite == nullptr || mSprite->GetFrameCount() == 0 || mItems.size() < kShown)
    {
        return;
    }
    const Korrin::Colour own = mSprite->GetColour();
    DrawItem(mItems[1]);
    DrawItem(mItems[2]);
    mSprite->SetColour(mFade, mFade, mFade, mFade);
    DrawItem(mItems[0]);
    mSprite->SetColour(own.red, own.green, own.blue, 1.0f - mFade);
    DrawItem(mItems[3]);
    mSprite->SetColourV(own);
}
