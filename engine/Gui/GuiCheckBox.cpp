#include "engine/Gui/GuiCheckBox.h"

#include "engine/Gui/GuiDrawing.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"

namespace Korrin
{

GuiCheckBox::GuiCheckBox(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue name = table.GetField("Name");
    if (name.IsString())
    {
        mName = name.ToString();
    }
    else
    {
        ReportAndBreak("Teg 'Name' not found. (GuiCheckBox::GuiCheckBox)", kEngineModule,
                       "Source\\Gui\\GuiCheckBox", 20);
    }
    const LuaValue image = table.GetField("Image");
    if (image.IsString())
    {
        mImage = GuiDrawing::CreateSprite(image.ToString());
    }
    table.GetField("Pos").GetVector2(mLocalPosition);
    if (table.GetField("Checked").GetRect(mCheckedRect))
    {
        mHitRect = SizeOf(mCheckedRect);
    }
    if (table.GetField("Unchecked").GetRect(mUncheckedRect))
    {
        mHitRect = SizeOf(mUncheckedRect);
    }
}

GuiCheckBox::~GuiCheckBox() = default;

void GuiCheckBox::Update()
{
    if (!mOver)
    {
        return;
    }
    if (mMouseState == kMouseDown)
    {
        if (!mLatch)
        {
            mLatch = true;
            mChecked = !mChecked;
        }
    }
    else
    {
        mLatch = false;
    }
}

void GuiCheckBox::Draw()
{
    // Drawn whether or not visible: its window decides.
    GuiDrawing::DrawPart(mImage, mChecked ? mCheckedRect : mUncheckedRect, mPosition);
}

void GuiCheckBox::SetColour(const Colour& colour)
{
    GuiDrawing::SetColour(mImage, colour);
}

void GuiCheckBox::SetAlpha(float alpha)
{
    GuiDrawing::SetAlpha(mImage, alpha);
}

} // namespace Korrin
