#include "engine/Gui/Text.h"

#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"

namespace Korrin
{

namespace
{

float NumberOr(const LuaValue& table, const char* key, float fallback)
{
    const LuaValue value = table.GetField(key);
    return value.IsNumber() ? value.ToFloat() : fallback;
}

Rect RectOrZero(const LuaValue& table, const char* key)
{
    Rect rect;
    if (!table.GetField(key).GetRect(rect))
    {
        rect = Rect{};
    }
    return rect;
}

} // namespace

Text::Text() = default;

Text::Text(const std::string& tableName, const std::string& fileName)
{
    LuaScript script;
    script.LoadFile(fileName, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());
    const LuaValue table = script.GetGlobal(tableName.c_str());
    if (!table.IsTable())
    {
        script.LogFault("no text table \"" + tableName + "\"");
        ReportAndBreak(tableName + " not found: " + fileName + " (GuiManager::CreateContainer)",
                       kEngineModule, "Source\\Gui\\Text", 20);
    }
    ReadScript(table);
}

Text::~Text() = default;

void Text::SetColour(float red, float green, float blue, float alpha)
{
    SetColourV(Colour{red, green, blue, alpha});
}

void Text::SetColourV(const Colour& colour)
{
    mColour = colour;
}

std::uint32_t Text::HorizontalFlag(const std::string& word)
{
    if (word == "center")
    {
        return kAlignCentreX;
    }
    if (word == "left")
    {
        return kAlignLeft;
    }
    return word == "right" ? kAlignRight : 0;
}

std::uint32_t Text::VerticalFlag(const std::string& word)
{
    if (word == "center")
    {
        return kAlignCentreY;
    }
    if (word == "top")
    {
        return kAlignTop;
    }
    return word == "bottom" ? kAlignBottom : 0;
}

void Text::ReadScript(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue font = table.GetField("Font");
    if (font.IsString())
    {
        if (FontManager* fonts = FontManager::GetInstance())
        {
            mFont = fonts->GetFont(font.ToString());
        }
    }
    const LuaValue caption = table.GetField("Caption");
    mCaptionName = caption.IsString() ? caption.ToString() : std::string();
    mTextArea = RectOrZero(table, "TextArea");
    if (!table.GetField("Colour").GetColour(mColour))
    {
        mColour = Colour{1.0f, 1.0f, 1.0f, 1.0f};
    }
    mFlags = 0;
    const LuaValue horizontal = table.GetField("HAlign");
    if (horizontal.IsString())
    {
        mFlags |= HorizontalFlag(horizontal.ToString());
    }
    const LuaValue vertical = table.GetField("VAlign");
    if (vertical.IsString())
    {
        mFlags |= VerticalFlag(vertical.ToString());
    }
    mRatioX = NumberOr(table, "SRatio", 1.0f);
    mRatioY = NumberOr(table, "HRatio", 1.0f);
    mScaleX = NumberOr(table, "SizeW", 1.0f);
    mScaleY = NumberOr(table, "SizeH", 1.0f);
    mClipRect = RectOrZero(table, "ClipRect");
}

void Text::Draw()
{
    if (mFont == nullptr)
    {
        return;
    }
    const bool clipped = !(mClipRect == Rect{});
    if (!mCaption.empty())
    {
        if (clipped)
        {
            mFont->DrawWrappedClipped(mTextArea, mCaption, mClipRect, mFlags, mColour, mRatioX, mRatioY);
        }
        else
        {
            mFont->DrawWrapped(mTextArea, mCaption, mScaleX, mScaleY, mFlags, mColour, mRatioX, mRatioY);
        }
    }
    else if (clipped)
    {
        mFont->DrawWrappedClippedNamed(mTextArea, mCaptionName, mClipRect, mFlags, mColour, mRatioX, mRatioY);
    }
    else
    {
        mFont->DrawWrappedNamed(mTextArea, mCaptionName, mScaleX, mScaleY, mFlags, mColour, mRatioX, mRatioY);
    }
}

} // namespace Korrin
