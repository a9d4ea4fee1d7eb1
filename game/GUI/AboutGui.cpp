#include "game/GUI/AboutGui.h"

#include "engine/Gui/GuiSlider.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"
#include "game/GUI/AnimatedSpriteItem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/SpriteItem.h"
#include "game/GUI/TextItem.h"
#include "game/Main.h"

namespace
{

std::unique_ptr<ViewItem> MakeItem(const std::string& type)
{
    if (type == "Sprite")
    {
        return std::make_unique<SpriteItem>();
    }
    if (type == "AnimatedSprite")
    {
        return std::make_unique<AnimatedSpriteItem>();
    }
    if (type == "Text")
    {
        return std::make_unique<TextItem>();
    }
    return nullptr;
}

void ReadArea(const LuaValue& value, Korrin::Rect& area)
{
    Korrin::Rect read;
    if (value.IsTable() && value.GetFloat4(read.left, read.top, read.right, read.bottom))
    {
        area = read;
    }
}

} // namespace

AboutGui::AboutGui() : mDialog("AboutGui", "AboutGui.lua", "ABOUT_OK_BUTTON", "")
{
    mActive = false;
}

void AboutGui::Init()
{
    mDialog.Init();
    Korrin::LuaScript script;
    script.LoadFile("AboutGui.lua", Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    ReadContent(script.GetGlobal("AboutViewData"), script.GetGlobal("ViewClipArea"),
                script.GetGlobal("ObjectsArea"));
}

void AboutGui::ReadContent(const LuaValue& items, const LuaValue& clipArea, const LuaValue& objectsArea)
{
    if (items.IsTable())
    {
        items.ForEachElement(
            [this](int /*position*/, const LuaValue& entry)
            {
                if (!entry.IsTable())
                {
                    return;
                }
                const LuaValue type = entry.GetField("Type");
                std::unique_ptr<ViewItem> item = MakeItem(type.IsString() ? type.ToString() : std::string());
                if (item == nullptr)
                {
                    return;
                }
                if (const LuaValue position = entry.GetField("Pos"); position.IsTable())
                {
                    position.GetFloat2(item->position.x, item->position.y);
                }
                if (const LuaValue data = entry.GetField("Data"); data.IsTable())
                {
                    item->LoadData(data);
                }
                mItems.push_back(std::move(item));
            });
    }
    ReadArea(clipArea, mViewClipArea);
    ReadArea(objectsArea, mObjectsArea);
}

std::uint32_t AboutGui::ScrollRange() const
{
    // An area whose bottom lies above its top would wrap to some four thousand million pixels.
    const float height = mObjectsArea.bottom - mObjectsArea.top;
    return height > 0.0f ? Korrin::CheckedInteger<std::uint32_t>(height) : 0u;
}

void AboutGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool AboutGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}

void AboutGui::Draw()
{
    mDialog.Draw();
    GameWindowFrame* frame = mDialog.GetFrame();
    if (!mDialog.IsShown() || frame == nullptr)
    {
        return;
    }
    const auto* slider = dynamic_cast<Korrin::GuiSlider*>(frame->GetByName("ABOUT_SLIDER"));
    const float value = slider != nullptr ? slider->GetValue() : 0.0f;
    if (!mScrollRange)
    {
        mScrollRange = ScrollRange();
    }
    Korrin::Vector2 anchor;
    frame->GetAnchorPos(anchor);
    const float scroll = static_cast<float>(*mScrollRange) * value;
    for (const std::unique_ptr<ViewItem>& item : mItems)
    {
        const Korrin::Vector2 own = item->position;
        item->position = Korrin::Vector2{anchor.x + own.x, anchor.y - scroll + own.y};
        Korrin::Colour colour;
        item->GetColour(colour);
        colour.alpha = frame->GetProgress();
        item->SetColour(colour);
        item->Draw(mViewClipArea);
        item->position = own;
    }
}
