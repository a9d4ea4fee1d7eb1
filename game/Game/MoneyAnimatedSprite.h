#pragma once

#include "engine/Util/Colour.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <list>
#include <string>

namespace Korrin
{
class AnimatedSprite;
class Font;
} // namespace Korrin

// Short-lived money figures of a level: a spinning coin with a text beside it that rises 100 pixels a
// second, fading in and out over its 1.4 seconds.
class MoneyAnimatedSprite : public Blank
{
public:
    static constexpr float kLife = 1.4f;
    static constexpr float kRise = 100.0f; // pixels per second
    static constexpr float kFramesPerSecond = 15.0f;

    struct Entry
    {
        float x = 0.0f;
        float y = 0.0f;
        std::string text;
        float t = 0.0f; // seconds; negative while the entry waits
        std::uint16_t frame = 0;
        Korrin::Colour colour;
        std::u16string shown; // the text as drawn, converted once
    };

    MoneyAnimatedSprite() = default;
    // Gives the coin picture back to the sprite manager: a level's drawables go with it.
    ~MoneyAnimatedSprite() override;
    MoneyAnimatedSprite(const MoneyAnimatedSprite&) = delete;
    MoneyAnimatedSprite& operator=(const MoneyAnimatedSprite&) = delete;

    // Loads the coin picture and the font.
    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;

    // A figure that appears after delay seconds at (x, y).
    void Add(float delay, const std::string& text, float x, float y, const Korrin::Colour& colour);

    const std::list<Entry>& GetEntries() const { return mEntries; }
    Korrin::AnimatedSprite* GetCoin() const { return mCoin; }
    // The alpha of a figure u = t / 1.4 of the way through its life.
    static float Alpha(float u);

private:
    void ReleaseCoin();

    std::list<Entry> mEntries;
    Korrin::AnimatedSprite* mCoin = nullptr;
    Korrin::Font* mFont = nullptr;
};
