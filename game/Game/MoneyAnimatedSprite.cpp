#include "game/Game/MoneyAnimatedSprite.h"

#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "game/Util/TextFormat.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kFadeIn = 0.3f;
constexpr float kFadeOut = 0.7f;
constexpr float kTextWidth = 25.0f;
constexpr float kTextHeight = 50.0f;
constexpr std::uint32_t kTextFlags = 24;
constexpr float kTextRatioX = 0.9f;
constexpr float kTextRatioY = 0.7f;
} // namespace

MoneyAnimatedSprite::~MoneyAnimatedSprite()
{
    ReleaseCoin();
}

void MoneyAnimatedSprite::ReleaseCoin()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites != nullptr && mCoin != nullptr)
    {
        sprites->DeleteSprite(mCoin);
    }
    mCoin = nullptr;
}

void MoneyAnimatedSprite::Init()
{
    ReleaseCoin();
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mCoin = sprites->LoadAnimatedSprite("MoneyAnimatedSprite", "shop.lua");
    }
    if (Korrin::FontManager* fonts = Korrin::FontManager::Peek())
    {
        mFont = fonts->GetFont("font02.fnt");
    }
}

void MoneyAnimatedSprite::Add(float delay, const std::string& text, float x, float y,
                              const Korrin::Colour& colour)
{
    Entry entry;
    entry.x = x;
    entry.y = y;
    entry.text = text;
    entry.t = -delay;
    entry.colour = colour;
    entry.shown = AnsiToWide(text);
    mEntries.push_back(std::move(entry));
}

float MoneyAnimatedSprite::Alpha(float u)
{
    if (u < kFadeIn)
    {
        return u / kFadeIn;
    }
    if (u <= kFadeOut)
    {
        return 1.0f;
    }
    return (1.0f - u) / kFadeIn;
}

bool MoneyAnimatedSprite::Update(float dt)
{
    const std::size_t frames = mCoin != nullptr ? mCoin->GetFrameCount() : 0;
    for (Entry& entry : mEntries)
    {
        entry.t += dt;
        if (entry.t < 0.0f)
        {
            continue;
        }
        const auto step = static_cast<std::uint64_t>(entry.t * kFramesPerSecond);
        entry.frame = frames > 0 ? static_cast<std::uint16_t>(step % frames) : 0;
        entry.colour.alpha = Alpha(entry.t / kLife);
    }
    mEntries.remove_if([](const Entry& entry) { return entry.t > kLife; });
    return true;
}

void MoneyAnimatedSprite::Draw()
{
    for (const Entry& entry : mEntries)
    {
        if (entry.t < 0.0f)
        {
            continue;
        }
        const float top = std::floor(entry.y - kRise * entry.t);
        float textLeft = std::floor(entry.x);
        if (mCoin != nullptr && mCoin->GetFrameCount() > 0)
        {
            const std::uint16_t last = static_cast<std::uint16_t>(mCoin->GetFrameCount() - 1);
            const std::uint16_t frame = std::min(entry.frame, last);
            mCoin->SetColour(1.0f, 1.0f, 1.0f, entry.colour.alpha);
            mCoin->DrawFrame(frame, static_cast<int>(std::floor(entry.x)), static_cast<int>(top));
            const Korrin::Rect& rect = mCoin->GetFrameRect(frame);
            textLeft += rect.right - rect.left;
        }
        if (mFont != nullptr)
        {
            const Korrin::Rect area{textLeft, top, textLeft + kTextWidth, top + kTextHeight};
            mFont->DrawWrapped(area, entry.shown, 1.0f, 1.0f, kTextFlags, entry.colour, kTextRatioX,
                               kTextRatioY);
        }
    }
    if (mCoin != nullptr)
    {
        mCoin->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    }
}
