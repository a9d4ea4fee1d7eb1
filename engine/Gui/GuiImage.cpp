#include "engine/Gui/GuiImage.h"

#include "engine/Gui/GuiDrawing.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"

#include <cmath>

namespace Korrin
{

GuiImage::GuiImage(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue name = table.GetField("Name");
    if (name.IsString())
    {
        mName = name.ToString();
    }
    else
    {
        ReportAndBreak("Teg 'Name' not found. (GuiText::GuiText)", kEngineModule, "Source\\Gui\\GuiImage",
                       18);
    }
    mSprite = GuiDrawing::CreateSpriteFromTable(table);
    mLocalPosition = GuiDrawing::GetSpritePosition(mSprite);
}

GuiImage::~GuiImage() = default;

bool GuiImage::CheckMouse()
{
    return false;
}

void GuiImage::Draw()
{
    if (mVisible)
    {
        GuiDrawing::Draw(mSprite, mPosition);
    }
}

void GuiImage::SetColour(const Colour& colour)
{
    GuiDrawing::SetColour(mSprite, colour);
}

void GuiImage::SetAlpha(float alpha)
{
    GuiDrawing::SetAlpha(mSprite, alpha);
}

void GuiImage::SetSrcRect(const Rect& source)
{
    GuiDrawing::SetSourceRect(mSprite, Rect{std::trunc(source.left), std::trunc(source.top),
                                            std::trunc(source.right), std::trunc(source.bottom)});
}

} // namespace Korrin
