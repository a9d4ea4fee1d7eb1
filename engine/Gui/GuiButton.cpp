#include "engine/Gui/GuiButton.h"

#include "engine/Gui/GuiDrawing.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"

namespace Korrin
{

namespace
{

constexpr const char* kAnimationKeys[GuiButton::kStateCount] = {"AniSprNormal", "AniSprOver", "AniSprPressed",
                                                                "AniSprDisabled"};
constexpr const char* kStateKeys[GuiButton::kStateCount] = {"Normal", "Over", "Pressed", "Disabled"};
constexpr const char* kTextKeys[GuiButton::kStateCount] = {"TextNormal", "TextOver", "TextPressed",
                                                           "TextDisabled"};
constexpr const char* kSpriteKeys[GuiButton::kStateCount] = {"SprNormal", "SprOver", "SprPressed",
                                                             "SprDisabled"};

Rect Moved(const Rect& rect, const Vector2& by)
{
    return Rect{rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y};
}

} // namespace

GuiButton::GuiButton(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue name = table.GetField("Name");
    if (name.IsString())
    {
        mName = name.ToString();
    }
    else
    {
        ReportAndBreak("Teg 'Name' not found. (GuiButton::GuiButton)", kEngineModule,
                       "Source\\Gui\\GuiButton", 41);
    }
    const LuaValue image = table.GetField("Image");
    if (image.IsString())
    {
        mImage = GuiDrawing::CreateSprite(image.ToString());
    }
    table.GetField("Pos").GetVector2(mLocalPosition);
    for (int state = 0; state < kStateCount; ++state)
    {
        if (table.GetField(kStateKeys[state]).GetRect(mSources[state]) && state == kNormal)
        {
            mHitRect = SizeOf(mSources[kNormal]);
        }
    }
    ReadTexts(table);
    ReadSprites(table);
    mHoverSound = FindSound(table, "SoundHover");
    mPressedSound = FindSound(table, "SoundPressed");
}

GuiButton::~GuiButton() = default;

void GuiButton::ReadTexts(const LuaValue& table)
{
    const LuaValue caption = table.GetField("Caption");
    if (!caption.IsString())
    {
        return;
    }
    mHasTexts = true;
    const std::string captionName = caption.ToString();
    for (int state = 0; state < kStateCount; ++state)
    {
        const LuaValue textTable = table.GetField(kTextKeys[state]);
        if (!textTable.IsTable())
        {
            continue;
        }
        StateText& text = mTexts[state];
        text.text.ReadScript(textTable);
        text.text.SetCaptionName(captionName);
        text.relativeArea = text.text.mTextArea;
    }
}

void GuiButton::ReadSprites(const LuaValue& table)
{
    for (int state = 0; state < kStateCount; ++state)
    {
        const LuaValue spriteTable = table.GetField(kSpriteKeys[state]);
        if (!spriteTable.IsTable())
        {
            continue;
        }
        mSprites[state].sprite = GuiDrawing::CreateSpriteFromTable(spriteTable);
        mSprites[state].relativePosition = GuiDrawing::GetSpritePosition(mSprites[state].sprite);
    }
    for (int state = 0; state < kStateCount; ++state)
    {
        const LuaValue animationTable = table.GetField(kAnimationKeys[state]);
        if (!animationTable.IsTable())
        {
            continue;
        }
        mAnimations[state].sprite = GuiDrawing::CreateAnimatedSpriteFromTable(animationTable);
        mAnimations[state].relativePosition = GuiDrawing::GetSpritePosition(mAnimations[state].sprite);
    }
}

void GuiButton::SetFrame(std::uint16_t frame)
{
    for (StateAnimation& animation : mAnimations)
    {
        if (animation.sprite != nullptr && GuiDrawing::GetFrameCount(animation.sprite) > frame)
        {
            animation.frame = frame;
        }
    }
}

Sound* GuiButton::FindSound(const LuaValue& table, const char* key)
{
    const LuaValue name = table.GetField(key);
    SoundManager* sounds = SoundManager::Peek();
    if (!name.IsString() || sounds == nullptr)
    {
        return nullptr;
    }
    return sounds->GetSound(name.ToString());
}

void GuiButton::PlayPressedSound()
{
    mPressedSound->Play(false);
}

void GuiButton::Update()
{
    if (!mVisible)
    {
        return;
    }
    if (mHasTexts)
    {
        for (StateText& text : mTexts)
        {
            text.text.mTextArea = Moved(
                text.relativeArea, Vector2{mPosition.x + mCaptionOffset.x, mPosition.y + mCaptionOffset.y});
        }
    }
    GuiManager* manager = GuiManager::Peek();
    if (manager != nullptr && manager->GetMessage() == this && mPressedSound != nullptr)
    {
        PlayPressedSound();
    }
}

GuiButton::State GuiButton::GetShownState() const
{
    if (mDisabled)
    {
        return kDisabled;
    }
    if (!mOver)
    {
        return kNormal;
    }
    return mMouseState == kMouseDown ? kPressed : kOver;
}

void GuiButton::Draw()
{
    if (!mVisible)
    {
        return;
    }
    const State state = GetShownState();
    GuiDrawing::DrawPart(mImage, mSources[state], mPosition);
    const StateSprite& sprite = mSprites[state];
    GuiDrawing::Draw(sprite.sprite, Vector2{sprite.relativePosition.x + mPosition.x,
                                            sprite.relativePosition.y + mPosition.y});
    const StateAnimation& animation = mAnimations[state];
    GuiDrawing::DrawFrame(
        animation.sprite, animation.frame,
        Vector2{animation.relativePosition.x + mPosition.x, animation.relativePosition.y + mPosition.y});
    // A disabled look without a caption of its own shows the normal one.
    const bool ownDisabledText = !(mTexts[kDisabled].relativeArea == Rect{});
    StateText& text = (state == kDisabled && !ownDisabledText) ? mTexts[kNormal] : mTexts[state];
    if (mHasTexts)
    {
        text.text.Draw();
    }
}

void GuiButton::SetColour(const Colour& colour)
{
    GuiDrawing::SetColour(mImage, colour);
    for (StateText& text : mTexts)
    {
        text.text.SetColourV(colour);
    }
    for (StateSprite& sprite : mSprites)
    {
        GuiDrawing::SetColour(sprite.sprite, colour);
    }
    for (StateAnimation& animation : mAnimations)
    {
        GuiDrawing::SetColour(animation.sprite, colour);
    }
}

void GuiButton::SetAlpha(float alpha)
{
    GuiDrawing::SetAlpha(mImage, alpha);
    for (StateText& text : mTexts)
    {
        text.text.mColour.alpha = alpha;
    }
    for (StateSprite& sprite : mSprites)
    {
        GuiDrawing::SetAlpha(sprite.sprite, alpha);
    }
    for (StateAnimation& animation : mAnimations)
    {
        GuiDrawing::SetAlpha(animation.sprite, alpha);
    }
}

void GuiButton::SetCaption(const std::string& name)
{
    for (StateText& text : mTexts)
    {
        text.text.SetCaptionName(name);
    }
}

void GuiButton::SetCaptionW(const std::u16string& text)
{
    for (StateText& each : mTexts)
    {
        each.text.mCaption = text;
    }
}

} // namespace Korrin
