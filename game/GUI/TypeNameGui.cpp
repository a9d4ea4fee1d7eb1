#include "game/GUI/TypeNameGui.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiEdit.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/PlayerSelectGui.h"
#include "game/GUI/WindowDialog.h"
#include "game/Main.h"
#include "game/Profile.h"

#include <algorithm>

namespace
{

constexpr const char* kEdit = "TYPENAME_PLAYER_EDIT";
constexpr const char* kHint = "TYPENAME_MAXCHAR_TEXT";

bool IsBlanksOnly(const std::u16string& name)
{
    return std::all_of(name.begin(), name.end(), [](char16_t unit) { return unit == u' '; });
}

bool IsListed(const std::u16string& name)
{
    const Profile* profile = Profile::Peek();
    if (profile == nullptr)
    {
        return false;
    }
    const std::vector<Profile::Player>& players = profile->GetPlayers();
    return std::any_of(players.begin(), players.end(),
                       [&name](const Profile::Player& player) { return player.name == name; });
}

} // namespace

TypeNameGui::TypeNameGui()
{
    mActive = false;
}

void TypeNameGui::Init()
{
    if (mFrame == nullptr)
    {
        mFrame = GameWindowFrame::Create("TypeNameGui", "TypeNameGui.gui");
        mFirstRunFrame = GameWindowFrame::Create("TypeNameFirstRunGui", "TypeNameFirstRunGui.gui");
    }
    mLayouts.Adopt(mFrame, mFirstRunFrame);
    mControls = ControlsOf(mFrame, "");
    mFirstRunControls = ControlsOf(mFirstRunFrame, "_FIRST");
    if (const auto* hint = Find<Korrin::GuiText>(kHint))
    {
        mHintCaption = hint->GetCaptionName();
    }
    ReadWrongUserText();
}

TypeNameGui::Controls TypeNameGui::ControlsOf(const GameWindowFrame* frame, const std::string& suffix)
{
    Controls controls;
    if (frame == nullptr)
    {
        return controls;
    }
    controls.edit = dynamic_cast<Korrin::GuiEdit*>(frame->GetByName(kEdit + suffix));
    controls.hint = dynamic_cast<Korrin::GuiText*>(frame->GetByName(kHint + suffix));
    controls.ok = frame->GetByName("TYPENAME_OK" + suffix);
    controls.cancel = frame->GetByName("TYPENAME_CANCEL");
    return controls;
}

void TypeNameGui::ReadWrongUserText()
{
    Korrin::LuaScript script;
    script.LoadFile("TypeNameGui.gui", Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue text = script.GetGlobal("WrongUserText");
    if (text.IsString())
    {
        mWrongUserText = text.ToString();
    }
}

void TypeNameGui::SetActive(bool active)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("TypeNameGui::SetEnabled %s", active ? "true" : "false");
    }
    const Profile* profile = Profile::Peek();
    const bool firstRun = profile == nullptr || profile->GetPlayers().empty();
    mLayouts.Choose(firstRun && mFirstRunFrame != nullptr ? mFirstRunFrame : mFrame);
    if (auto* edit = Find<Korrin::GuiEdit>(kEdit))
    {
        edit->SetText(u"");
    }
    mBack = false;
    Blank::SetActive(active);
    mLayouts.Open(active);
}

bool TypeNameGui::Update(float dt)
{
    if (mLayouts.UpdateUntilClosed(dt, mBack ? PlayerSelectGui::kWindowId : GameGuiManager::kNoWindow))
    {
        return true;
    }
    // Looked up once, by name, when the layouts were made: a frame compares pointers only.
    const Controls& controls = IsFirstRun() ? mFirstRunControls : mControls;
    if (controls.edit == nullptr || controls.hint == nullptr)
    {
        Korrin::ReportAndBreak("PlayerSelectGui access error: null controller.", Korrin::kGameModule,
                               "Source\\GUI\\TypeNameGui", 101);
        return true;
    }
    if (controls.edit->GetText() != mRejectedName)
    {
        controls.hint->SetCaptionName(mHintCaption);
    }
    if (mLayouts.Current()->GetState() == GameWindowFrame::kClosing)
    {
        return true;
    }
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    const Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = manager != nullptr ? manager->GetMessage() : nullptr;
    if ((input != nullptr && input->IsKeyPressed(kEnterKey)) ||
        (clicked != nullptr && clicked == controls.ok))
    {
        Confirm();
    }
    else if (clicked != nullptr && clicked == controls.cancel)
    {
        Cancel();
    }
    return true;
}

void TypeNameGui::Confirm()
{
    WindowDialog::PlayClick();
    const auto* edit = Find<Korrin::GuiEdit>(kEdit);
    Profile* profile = Profile::Peek();
    if (edit == nullptr || profile == nullptr || IsBlanksOnly(edit->GetText()))
    {
        return;
    }
    const std::u16string name = edit->GetText();
    if (IsListed(name))
    {
        mRejectedName = name;
        if (auto* hint = Find<Korrin::GuiText>(kHint))
        {
            hint->SetCaptionName(mWrongUserText);
        }
        return;
    }
    // The profile gives the number: one above every number that has files, so no one's files are lost.
    profile->CreateUser(name);
    Hide();
}

void TypeNameGui::Cancel()
{
    Hide();
    mBack = true;
}

void TypeNameGui::Hide()
{
    GameWindowFrame* current = mLayouts.Current();
    if (current != nullptr && current->GetState() != GameWindowFrame::kClosing)
    {
        current->Hide();
    }
}

void TypeNameGui::Draw()
{
    mLayouts.Draw();
}
