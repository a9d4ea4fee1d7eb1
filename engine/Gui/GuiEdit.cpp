#include "engine/Gui/GuiEdit.h"

#include "engine/App/InputManager.h"
#include "engine/App/TimerManager.h"
#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiDrawing.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"
#include "platform/Services.h"
#include "platform/VirtualKey.h"

#include <algorithm>
#include <cmath>

namespace Korrin
{

namespace
{

constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kBlank = 32;
constexpr std::uint8_t kEnd = 35;
constexpr std::uint8_t kHome = 36;
constexpr std::uint8_t kLeft = 37;
constexpr std::uint8_t kRight = 39;
constexpr std::uint8_t kDelete = 46;

// Shift, Control and Alt, and their left and right keys.
bool IsModifier(std::uint8_t key)
{
    return (key >= 16 && key <= 18) || (key >= 160 && key <= 165);
}

float Width(const Rect& rect)
{
    return rect.right - rect.left;
}

float Height(const Rect& rect)
{
    return rect.bottom - rect.top;
}

} // namespace

GuiEdit::GuiEdit(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue name = table.GetField("Name");
    if (name.IsString())
    {
        mName = name.ToString();
    }
    else
    {
        ReportAndBreak("Teg 'Name' not found. (GuiButton::GuiButton)", kEngineModule, "Source\\Gui\\GuiEdit",
                       22);
    }
    const LuaValue image = table.GetField("Image");
    if (image.IsString())
    {
        mImage = GuiDrawing::CreateSprite(image.ToString());
        mSrcRect = GuiDrawing::GetSourceRect(mImage);
    }
    table.GetField("Pos").GetVector2(mLocalPosition);
    table.GetField("SrcRect").GetRect(mSrcRect);
    mHitRect = SizeOf(mSrcRect);
    table.GetField("CursorRect").GetRect(mCursorRect);
    const LuaValue font = table.GetField("Font");
    if (font.IsString())
    {
        if (FontManager* fonts = FontManager::GetInstance())
        {
            mFont = fonts->GetFont(font.ToString());
        }
    }
    const LuaValue maxChars = table.GetField("MaxChars");
    if (maxChars.IsNumber())
    {
        mMaxChars = std::clamp(CheckedInteger<int>(maxChars.ToFloat(), mMaxChars), -1, 100000);
    }
}

GuiEdit::~GuiEdit() = default;

void GuiEdit::SetText(const std::u16string& text)
{
    mText = text;
    mCaret = static_cast<int>(mText.size());
}

void GuiEdit::Blink()
{
    const TimerManager* timer = TimerManager::Peek();
    mBlinkTimer += timer != nullptr ? timer->GetDelta() : 0.0f;
    if (mBlinkTimer > kBlinkSeconds)
    {
        mBlinkTimer = 0.0f;
        mCaretShown = !mCaretShown;
    }
}

void GuiEdit::Update()
{
    if (!mVisible)
    {
        return;
    }
    Blink();
    const InputManager* input = InputManager::Peek();
    if (input == nullptr)
    {
        return;
    }
    // Shift, Ctrl and Alt have lower codes than the letters: pressed in the same frame as a letter (as a
    // quick hand or a script types a capital) they must not take the letter's place.
    int modifier = -1;
    for (int key = 0; key < 256; ++key)
    {
        if (!input->IsKeyPressed(static_cast<std::uint8_t>(key)))
        {
            continue;
        }
        if (IsModifier(static_cast<std::uint8_t>(key)))
        {
            modifier = modifier < 0 ? key : modifier;
            continue;
        }
        HandleKey(static_cast<std::uint8_t>(key));
        return;
    }
    if (modifier >= 0)
    {
        HandleKey(static_cast<std::uint8_t>(modifier));
    }
}

void GuiEdit::HandleKey(std::uint8_t key)
{
    mCaretShown = true;
    mBlinkTimer = 0.0f;
    // A caret set from outside may lie past the text; keys work from where it can be.
    mCaret = std::clamp(mCaret, 0, static_cast<int>(mText.size()));
    const int length = static_cast<int>(mText.size());
    switch (key)
    {
    case kBlank:
        break;
    case kBackspace:
        if (mCaret > 0)
        {
            mText.erase(static_cast<std::size_t>(mCaret - 1), 1);
            --mCaret;
        }
        break;
    case kDelete:
        if (mCaret < length)
        {
            mText.erase(static_cast<std::size_t>(mCaret), 1);
        }
        break;
    case kLeft:
        mCaret = std::max(0, mCaret - 1);
        break;
    case kRight:
        mCaret = std::min(length, mCaret + 1);
        break;
    case kHome:
        mCaret = 0;
        break;
    case kEnd:
        mCaret = length;
        break;
    default:
        InsertTyped(key);
        break;
    }
}

void GuiEdit::InsertTyped(std::uint8_t key)
{
    if (mFont == nullptr || static_cast<int>(mText.size()) >= mMaxChars)
    {
        return;
    }
    const InputManager* input = InputManager::Peek();
    if (input == nullptr)
    {
        return;
    }
    const char16_t character = Platform::Services::Current().Window().CharacterForKey(key, input->GetKeys());
    if (character == 0 || mFont->FindGlyph(character) == nullptr)
    {
        return;
    }
    mText.insert(static_cast<std::size_t>(mCaret), 1, character);
    ++mCaret;
}

Vector2 GuiEdit::GetCaretPosition() const
{
    if (mFont == nullptr)
    {
        return mPosition;
    }
    const Rect field{mHitRect.left + mPosition.x, mHitRect.top + mPosition.y, mHitRect.right + mPosition.x,
                     mHitRect.bottom + mPosition.y};
    Vector2 whole;
    mFont->GetTextSize(mText, whole, 1.0f, 1.0f, 1.0f, 1.0f);
    // The width of the text before the caret, as measuring it would give.
    float before = 0.0f;
    const int caret = std::clamp(mCaret, 0, static_cast<int>(mText.size()));
    for (int index = 0; index < caret; ++index)
    {
        const char16_t code = mText[static_cast<std::size_t>(index)];
        const Font::Glyph* glyph = mFont->FindGlyph(code);
        before += (glyph != nullptr && code != u'\n') ? glyph->w : 0.0f;
    }
    // The text's left edge as the centred line puts it.
    const float textLeft =
        (field.left + field.right) * 0.5f - static_cast<float>(CheckedInteger<int>(whole.x) / 2);
    return Vector2{textLeft + before - Width(mCursorRect) * 0.5f,
                   (field.top + field.bottom) * 0.5f - Height(mCursorRect) * 0.5f};
}

void GuiEdit::Draw()
{
    if (!mVisible)
    {
        return;
    }
    GuiDrawing::DrawPart(mImage, mSrcRect, mPosition);
    if (mFont == nullptr)
    {
        return;
    }
    const Rect field{mHitRect.left + mPosition.x, mHitRect.top + mPosition.y, mHitRect.right + mPosition.x,
                     mHitRect.bottom + mPosition.y};
    mFont->DrawAligned(field, mText, Font::kAlignCentreX | Font::kAlignCentreY,
                       Colour{1.0f, 1.0f, 1.0f, 1.0f}, 1.0f);
    if (mCaretShown)
    {
        mFont->DrawPart(mCursorRect, GetCaretPosition());
    }
}

void GuiEdit::SetAlpha(float alpha)
{
    GuiDrawing::SetAlpha(mImage, alpha);
}

} // namespace Korrin
