#include "engine/Gui/GuiText.h"

#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"

namespace Korrin
{

GuiText::GuiText(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue name = table.GetField("Name");
    if (name.IsString())
    {
        mName = name.ToString();
    }
    else
    {
        ReportAndBreak("Teg 'Name' not found. (GuiText::GuiText)", kEngineModule, "Source\\Gui\\GuiText", 16);
    }
    ReadScript(table);
    mRelativeArea = mTextArea;
}

GuiText::~GuiText() = default;

void GuiText::Update()
{
    mTextArea = Rect{mRelativeArea.left + mPosition.x, mRelativeArea.top + mPosition.y,
                     mRelativeArea.right + mPosition.x, mRelativeArea.bottom + mPosition.y};
}

void GuiText::Draw()
{
    if (mVisible)
    {
        Text::Draw();
    }
}

void GuiText::SetColour(const Colour& colour)
{
    mColour = colour;
}

void GuiText::SetAlpha(float alpha)
{
    mColour.alpha = alpha;
}

void GuiText::SetColourV(const Colour& colour)
{
    SetColour(colour);
}

} // namespace Korrin
