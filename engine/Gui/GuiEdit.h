#pragma once

#include "engine/Gui/GuiElement.h"

#include <string>

class LuaValue;

namespace Korrin
{

class Font;
class Sprite;

// A one-line text entry: every visible edit field takes the keys pressed (there is no focus), one key
// a frame, with a blinking caret.
class GuiEdit : public GuiElement
{
public:
    static constexpr float kBlinkSeconds = 0.5f;
    static constexpr int kDefaultMaxChars = 20;

    explicit GuiEdit(const LuaValue& table);
    ~GuiEdit() override;

    void Update() override;
    void Draw() override;
    void SetAlpha(float alpha) override;

    const std::u16string& GetText() const { return mText; }
    // Sets the text and puts the caret at its end.
    void SetText(const std::u16string& text);
    int GetCaret() const { return mCaret; }
    int GetMaxChars() const { return mMaxChars; }
    bool IsCaretShown() const { return mCaretShown; }
    // Where the caret's part of the font picture is drawn, its left edge and top.
    Vector2 GetCaretPosition() const;

private:
    void Blink();
    void HandleKey(std::uint8_t key);
    void InsertTyped(std::uint8_t key);

    Sprite* mImage = nullptr;
    Rect mSrcRect;
    Rect mCursorRect;
    Font* mFont = nullptr;
    int mCaret = 0;
    int mMaxChars = kDefaultMaxChars;
    std::u16string mText;
    bool mCaretShown = true;
    float mBlinkTimer = 0.0f;
};

} // namespace Korrin
