#include "game/GUI/NewCharacterGui.h"

#include "engine/Gui/GuiImage.h"
#include "engine/Gui/GuiText.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/TaskLevelGui.h"
#include "game/Main.h"

namespace
{

void ReadRect(const LuaValue& table, const char* key, Korrin::Rect& rect)
{
    Korrin::Rect read;
    if (const LuaValue value = table.GetField(key); value.IsTable() && value.GetRect(read))
    {
        rect = read;
    }
}

} // namespace

NewCharacterGui::NewCharacterGui() : mDialog("NewCharacterGui", "NewCharacterGui.gui", "NC_OK_BUTTON", "")
{
    mActive = false;
}

void NewCharacterGui::Init()
{
    mDialog.Init();
    Korrin::LuaScript script;
    script.LoadFile("MapSettings.lua", Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    ReadDescriptions(script.GetGlobal("MapSettings"));
}

void NewCharacterGui::ReadDescriptions(const LuaValue& levels)
{
    mDescriptions.clear();
    if (!levels.IsTable())
    {
        return;
    }
    levels.ForEachElement(
        [this](int /*position*/, const LuaValue& level)
        {
            if (!level.IsTable())
            {
                return;
            }
            const LuaValue character = level.GetField("newCharacter");
            if (!character.IsTable())
            {
                mDescriptions.push_back(nullptr);
                return;
            }
            auto description = std::make_unique<NewCharacterDescription>();
            if (const LuaValue text = character.GetField("description"); text.IsString())
            {
                description->description = text.ToString();
            }
            ReadRect(character, "iconRect", description->iconRect);
            ReadRect(character, "walkTypeRect", description->walkTypeRect);
            ReadRect(character, "maxStuffRect", description->maxStuffRect);
            mDescriptions.push_back(std::move(description));
        });
}

void NewCharacterGui::SetCharacter(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= mDescriptions.size())
    {
        return;
    }
    const NewCharacterDescription* description = mDescriptions[static_cast<std::size_t>(index)].get();
    if (description == nullptr)
    {
        GameGuiManager::ShowCurrent(TaskLevelGui::kWindowId);
        return;
    }
    GameWindowFrame* frame = mDialog.GetFrame();
    if (frame == nullptr)
    {
        return;
    }
    if (auto* text = dynamic_cast<Korrin::GuiText*>(frame->GetByName("NC_DESCRIPTION_TEXT")))
    {
        const Korrin::LocaleManager* locale = Korrin::LocaleManager::Peek();
        text->SetCaptionName(description->description);
        text->mCaption = locale != nullptr
                             ? std::u16string(locale->getStringByNameAsUtf16(description->description))
                             : std::u16string();
    }
    const std::pair<const char*, const Korrin::Rect*> images[] = {
        {"NC_CHARACTER", &description->iconRect},
        {"NC_MAXSTUFF", &description->maxStuffRect},
        {"NC_WALK_TYPE", &description->walkTypeRect}};
    for (const auto& [name, rect] : images)
    {
        if (auto* image = dynamic_cast<Korrin::GuiImage*>(frame->GetByName(name)))
        {
            image->SetSrcRect(*rect);
        }
    }
}

void NewCharacterGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool NewCharacterGui::Update(float dt)
{
    // The level's goals follow the card.
    if (mDialog.Update(dt))
    {
        GameGuiManager::ShowCurrent(TaskLevelGui::kWindowId);
    }
    return true;
}
