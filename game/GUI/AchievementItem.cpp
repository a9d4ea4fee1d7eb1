#include "game/GUI/AchievementItem.h"

#include "engine/Gui/Text.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"
#include "game/GUI/AchievementSystem.h"

#include <algorithm>

namespace
{

constexpr Korrin::Vector2 kImageOffset{20.0f, 12.0f};
constexpr Korrin::Vector2 kQuadOffset{10.0f, 6.0f};
constexpr Korrin::Vector2 kBarOffset{295.0f, 99.0f};
constexpr std::uint32_t kThousand = 1000;

Korrin::Sprite* LoadImage(const LuaValue& images, const char* key)
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    Korrin::LuaStackGuard guard(images.GetState());
    const LuaValue table = images.GetField(key);
    return sprites != nullptr && table.IsTable() ? sprites->CreateSpriteFromTable(table) : nullptr;
}

std::u16string Widen(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace

AchievementItem::AchievementItem(const SharedSprites& shared)
    : mEnabledMount(shared.enabledMount), mDisabledMount(shared.disabledMount),
      mDisabledQuad(shared.disabledQuad), mProgressSprite(shared.progress),
      mBackProgressSprite(shared.backProgress)
{
}

bool AchievementItem::Load(const LuaValue& entry)
{
    Korrin::LuaStackGuard guard(entry.GetState());
    const LuaValue images = entry.GetField("Image");
    mEnabledImage = LoadImage(images, "Enabled");
    mDisabledImage = LoadImage(images, "Disabled");
    const LuaValue progress = entry.GetField("useProgress");
    if (progress.IsNumber() && progress.ToFloat() == 0.0f)
    {
        useProgress = 0;
    }
    const LuaValue id = entry.GetField("Id");
    if (!id.IsNumber())
    {
        return false;
    }
    const AchievementSystem* achievements = AchievementSystem::Peek();
    const std::uint32_t number =
        Korrin::CheckedInteger<std::uint32_t>(lua_tonumber(id.GetState(), id.GetIndex()));
    mData = achievements != nullptr ? achievements->GetData(number) : nullptr;
    return true;
}

const AchievementData* AchievementItem::GetDataSource() const
{
    if (mData == nullptr)
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("AchievementItem::GetDataSource() mData == NULL ");
        }
    }
    return mData;
}

bool AchievementItem::IsComplete() const
{
    const AchievementData* data = GetDataSource();
    return data != nullptr && data->IsComplete();
}

std::string AchievementItem::FormatCount(std::uint32_t count)
{
    return count > kThousand ? std::to_string(count / kThousand) + "K" : std::to_string(count);
}

float AchievementItem::BarFill(std::uint32_t progress, std::uint32_t target, bool complete)
{
    // A target of 0 has no fraction to show: full once complete, empty before.
    if (target == 0)
    {
        return complete ? kBarWidth : 0.0f;
    }
    const float fraction = static_cast<float>(progress) / static_cast<float>(target);
    return std::clamp(fraction, 0.0f, 1.0f) * kBarWidth;
}

void AchievementItem::DrawSprite(Korrin::Sprite* sprite, float alpha, const Korrin::Rect& clip, float x,
                                 float y) const
{
    if (sprite == nullptr)
    {
        return;
    }
    sprite->SetColour(1.0f, 1.0f, 1.0f, alpha);
    sprite->DrawInRectRestoring(clip, x, y);
}

void AchievementItem::DrawText(Korrin::Text* font, const std::string& name, const std::u16string& text,
                               float alpha, const Korrin::Rect& clip) const
{
    if (font == nullptr)
    {
        return;
    }
    const Korrin::Rect area = font->mTextArea;
    const Korrin::Colour colour = font->mColour;
    font->mTextArea =
        Korrin::Rect{area.left + mPos.x, area.top + mPos.y, area.right + mPos.x, area.bottom + mPos.y};
    font->mColour.alpha = colour.alpha * alpha;
    font->mClipRect = clip;
    font->SetCaptionName(name);
    font->mCaption = text;
    font->Draw();
    font->mTextArea = area;
    font->mColour = colour;
}

void AchievementItem::DrawBar(float alpha, const Korrin::Rect& clip) const
{
    const float x = mPos.x + kBarOffset.x;
    const float y = mPos.y + kBarOffset.y;
    DrawSprite(mBackProgressSprite, alpha, clip, x, y);
    if (mProgressSprite == nullptr || mData == nullptr)
    {
        return;
    }
    const Korrin::Rect source = mProgressSprite->GetSrcRect();
    const float fill = BarFill(mData->mProgress, mData->mMaxProgress, mData->IsComplete());
    if (fill <= 0.0f)
    {
        return;
    }
    mProgressSprite->SetColour(1.0f, 1.0f, 1.0f, alpha);
    mProgressSprite->DrawInRect(Korrin::Rect{source.left, source.top, source.left + fill, source.bottom},
                                clip, x, y);
    mProgressSprite->SetSrcRectF(source);
}

void AchievementItem::Draw(float alpha, const Fonts& fonts, const Korrin::Rect& clip)
{
    const AchievementData* data = GetDataSource();
    const bool complete = data != nullptr && data->IsComplete();
    DrawSprite(mEnabledMount, alpha, clip, mPos.x, mPos.y);
    if (complete)
    {
        DrawSprite(mEnabledImage, alpha, clip, mPos.x + kImageOffset.x, mPos.y + kImageOffset.y);
    }
    if (data != nullptr)
    {
        DrawText(fonts.header, data->GetHeader(), {}, alpha, clip);
        DrawText(fonts.description, data->GetDescription(), {}, alpha, clip);
        if (useProgress != 0)
        {
            const std::string counts = FormatCount(data->mProgress) + "/" + FormatCount(data->mMaxProgress);
            DrawText(fonts.progress, {}, Widen(counts), alpha, clip);
            DrawBar(alpha, clip);
        }
        DrawText(fonts.prize, {}, Widen(std::to_string(data->mPrize)), alpha, clip);
    }
    if (!complete)
    {
        DrawSprite(mDisabledQuad, alpha, clip, mPos.x + kQuadOffset.x, mPos.y + kQuadOffset.y);
        DrawSprite(mDisabledImage, alpha, clip, mPos.x + kImageOffset.x, mPos.y + kImageOffset.y);
        DrawSprite(mDisabledMount, alpha, clip, mPos.x, mPos.y);
    }
}
