#pragma once

#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

#include <cstdint>
#include <string>

class AchievementData;
class LuaValue;

namespace Korrin
{
class Sprite;
class Text;
} // namespace Korrin

// One row of the achievements window: the achievement's picture, header, description, progress and
// prize over a shared background.
class AchievementItem
{
public:
    // The row pictures every row shares (the sprite manager's).
    struct SharedSprites
    {
        Korrin::Sprite* enabledMount = nullptr;
        Korrin::Sprite* disabledMount = nullptr;
        Korrin::Sprite* disabledQuad = nullptr;
        Korrin::Sprite* progress = nullptr;
        Korrin::Sprite* backProgress = nullptr;
    };
    // The text styles of a row (the window's).
    struct Fonts
    {
        Korrin::Text* header = nullptr;
        Korrin::Text* description = nullptr;
        Korrin::Text* progress = nullptr;
        Korrin::Text* prize = nullptr;
    };

    static constexpr float kBarWidth = 170.0f;

    explicit AchievementItem(const SharedSprites& shared);
    virtual ~AchievementItem() = default;

    // Reads the row's pictures and "useProgress" from its definition; false when the entry has no
    // numeric "Id" (the row is then not shown).
    bool Load(const LuaValue& entry);
    void Draw(float alpha, const Fonts& fonts, const Korrin::Rect& clip);

    // The achievement; logs when the row has none.
    const AchievementData* GetDataSource() const;
    bool IsComplete() const;

    // A count as the rows show it: in full up to 1000, above that its thousands and "K".
    static std::string FormatCount(std::uint32_t count);
    // The width of the progress bar's filled part.
    static float BarFill(std::uint32_t progress, std::uint32_t target, bool complete);

    Korrin::Sprite* mEnabledImage = nullptr;
    Korrin::Sprite* mDisabledImage = nullptr;
    Korrin::Sprite* mEnabledMount = nullptr;
    Korrin::Sprite* mDisabledMount = nullptr;
    Korrin::Sprite* mDisabledQuad = nullptr;
    Korrin::Sprite* mProgressSprite = nullptr;
    Korrin::Sprite* mBackProgressSprite = nullptr;
    Korrin::Vector2 mPos;
    std::uint8_t useProgress = 1;
    AchievementData* mData = nullptr;

private:
    void DrawSprite(Korrin::Sprite* sprite, float alpha, const Korrin::Rect& clip, float x, float y) const;
    void DrawText(Korrin::Text* font, const std::string& name, const std::u16string& text, float alpha,
                  const Korrin::Rect& clip) const;
    void DrawBar(float alpha, const Korrin::Rect& clip) const;
};
