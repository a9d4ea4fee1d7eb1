#pragma once

#include "engine/Gui/GuiElement.h"
#include "engine/Gui/Text.h"

#include <array>
#include <cstdint>
#include <string>

class LuaValue;

namespace Korrin
{

class AnimatedSprite;
class Sound;
class Sprite;

// A button with a look per state (normal, over, pressed, disabled): a part of one picture, optional
// sprites and captions, and a sound played with its click.
class GuiButton : public GuiElement
{
public:
    enum State
    {
        kNormal,
        kOver,
        kPressed,
        kDisabled,
        kStateCount
    };

    explicit GuiButton(const LuaValue& table);
    ~GuiButton() override;

    void Update() override;
    void Draw() override;
    void SetColour(const Colour& colour) override;
    void SetAlpha(float alpha) override;

    // The translated text, or the text itself, of every state's caption.
    void SetCaption(const std::string& name);
    void SetCaptionW(const std::u16string& text);
    void SetDisabled(bool disabled) { mDisabled = disabled; }
    // Shows that frame of each state's animated sprite that has it; the button never animates them.
    void SetFrame(std::uint16_t frame);
    // Moves every state's caption by an offset from where the layout put it.
    void SetCaptionOffset(const Vector2& offset) { mCaptionOffset = offset; }
    // Where the disabled look's animated sprite sits, relative to the button.
    void SetDisabledSpritePosition(const Vector2& position)
    {
        mAnimations[kDisabled].relativePosition = position;
    }
    const Vector2& GetDisabledSpritePosition() const { return mAnimations[kDisabled].relativePosition; }

    // The look the button shows now.
    State GetShownState() const;
    Text& GetText(State state) { return mTexts[state].text; }
    bool HasTexts() const { return mHasTexts; }
    Sound* GetPressedSound() const { return mPressedSound; }
    Sound* GetHoverSound() const { return mHoverSound; }

private:
    struct StateText
    {
        Rect relativeArea;
        Text text;
    };
    struct StateSprite
    {
        Vector2 relativePosition;
        Sprite* sprite = nullptr;
    };
    struct StateAnimation
    {
        Vector2 relativePosition;
        AnimatedSprite* sprite = nullptr;
        std::uint16_t frame = 0;
    };

    void ReadTexts(const LuaValue& table);
    void ReadSprites(const LuaValue& table);
    static Sound* FindSound(const LuaValue& table, const char* key);
    void PlayPressedSound();

    Sprite* mImage = nullptr;
    std::array<Rect, kStateCount> mSources{};
    std::array<StateText, kStateCount> mTexts{};
    bool mHasTexts = false;
    std::array<StateSprite, kStateCount> mSprites{};
    std::array<StateAnimation, kStateCount> mAnimations{};
    Sound* mHoverSound = nullptr;
    Sound* mPressedSound = nullptr;
    Vector2 mCaptionOffset;
};

} // namespace Korrin
