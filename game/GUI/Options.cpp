#include "game/GUI/Options.h"

#include "engine/App/Application.h"
#include "engine/Gui/GuiCheckBox.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiSlider.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameMenu.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/WindowDialog.h"
#include "game/Main.h"
#include "game/Profile.h"
#include "game/Util/GameGlobals.h"

namespace
{

constexpr const char* kMusicSlider = "OPT_MUSIC_SLIDER";
constexpr const char* kSoundSlider = "OPT_SOUND_SLIDER";
constexpr const char* kTipsBox = "OPT_EDUCATION_CHECKBOX";
constexpr const char* kFullScreenBox = "OPT_FULLSCREEN_CHECKBOX";
constexpr const char* kCursorBox = "OPT_PRETTYCURSOR_CHECKBOX";
constexpr const char* kOkButton = "OPT_OK_BUTTON";

template <typename T>
T* FindIn(GameWindowFrame* frame, const char* name)
{
    return frame != nullptr ? dynamic_cast<T*>(frame->GetByName(name)) : nullptr;
}

} // namespace

Options::Options()
{
    mActive = false;
}

void Options::Init()
{
    if (mFrame == nullptr)
    {
        mFrame = GameWindowFrame::Create("Options", "Options.gui");
    }
    if (mFrame != nullptr)
    {
        mFrame->SetDisabled(true);
    }
    if (const auto* music = FindIn<Korrin::GuiSlider>(mFrame, kMusicSlider))
    {
        mMusicApplied = music->GetValue();
    }
    if (const auto* effects = FindIn<Korrin::GuiSlider>(mFrame, kSoundSlider))
    {
        mSoundApplied = effects->GetValue();
    }
}

void Options::Reset()
{
    Update(0.0f);
    if (mFrame != nullptr)
    {
        ShowCurrentValues();
    }
}

void Options::SetActive(bool active)
{
    Blank::SetActive(active);
    mReturnToGameMenu = false;
    if (mFrame == nullptr)
    {
        return;
    }
    mFrame->SetDisabled(!active);
    if (active)
    {
        mFrame->Show();
        mShown = true;
        ShowCurrentValues();
    }
}

void Options::ShowCurrentValues()
{
    const Korrin::SoundManager* sound = Korrin::SoundManager::Peek();
    if (auto* music = FindIn<Korrin::GuiSlider>(mFrame, kMusicSlider); music != nullptr && sound != nullptr)
    {
        music->SetValue(sound->GetMusicVolume());
        mMusicApplied = music->GetValue();
    }
    if (auto* effects = FindIn<Korrin::GuiSlider>(mFrame, kSoundSlider);
        effects != nullptr && sound != nullptr)
    {
        effects->SetValue(sound->GetEffectsVolume());
        mSoundApplied = effects->GetValue();
    }
    const Profile* profile = Profile::Peek();
    if (auto* tips = FindIn<Korrin::GuiCheckBox>(mFrame, kTipsBox); tips != nullptr && profile != nullptr)
    {
        tips->SetChecked(profile->GetSettings().tipsEnabled != 0);
    }
    if (auto* fullScreen = FindIn<Korrin::GuiCheckBox>(mFrame, kFullScreenBox))
    {
        const Korrin::Application* application = Korrin::Application::GetCurrent();
        fullScreen->SetChecked(application != nullptr && !application->IsWindowed());
    }
    if (auto* cursor = FindIn<Korrin::GuiCheckBox>(mFrame, kCursorBox))
    {
        cursor->SetChecked(GameGlobals::prettyCursor);
    }
}

bool Options::Update(float dt)
{
    if (mFrame == nullptr)
    {
        return true;
    }
    mFrame->UpdateAnimation(dt);
    if (mFrame->HasClosed())
    {
        if (mShown)
        {
            mFrame->SetDisabled(true);
            mShown = false;
            _GetMain().GetGameGuiManager()->Show(mReturnToGameMenu ? GameMenu::kWindowId
                                                                   : GameGuiManager::kNoWindow);
        }
        return true;
    }
    mShown = true;
    ApplyMovedSliders();
    const Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    if (const Korrin::GuiElement* clicked = manager != nullptr ? manager->GetMessage() : nullptr)
    {
        HandleClick(clicked->GetName());
    }
    return true;
}

void Options::ApplyMovedSliders()
{
    Korrin::SoundManager* sound = Korrin::SoundManager::Peek();
    if (sound == nullptr)
    {
        return;
    }
    if (auto* music = FindIn<Korrin::GuiSlider>(mFrame, kMusicSlider);
        music != nullptr && music->GetValue() != mMusicApplied)
    {
        mMusicApplied = music->GetValue();
        sound->SetVolume(mMusicApplied, Korrin::SoundManager::kMusic);
    }
    if (auto* effects = FindIn<Korrin::GuiSlider>(mFrame, kSoundSlider);
        effects != nullptr && effects->GetValue() != mSoundApplied)
    {
        mSoundApplied = effects->GetValue();
        sound->SetVolume(mSoundApplied, Korrin::SoundManager::kEffects);
    }
}

void Options::HandleClick(const std::string& name)
{
    if (name != kOkButton || mFrame == nullptr || mFrame->GetState() == GameWindowFrame::kClosing)
    {
        return;
    }
    WindowDialog::PlayClick();
    ApplyAndSave();
    mFrame->Hide();
}

void Options::ApplyAndSave()
{
    Profile* profile = Profile::Peek();
    if (profile == nullptr)
    {
        return;
    }
    Profile::Settings settings = profile->GetSettings();
    if (const Korrin::SoundManager* sound = Korrin::SoundManager::Peek())
    {
        settings.musicVolume = sound->GetMusicVolume();
        settings.soundVolume = sound->GetEffectsVolume();
    }
    if (const auto* tips = FindIn<Korrin::GuiCheckBox>(mFrame, kTipsBox))
    {
        settings.tipsEnabled = tips->IsChecked() ? 1 : 0;
    }
    if (const auto* fullScreen = FindIn<Korrin::GuiCheckBox>(mFrame, kFullScreenBox))
    {
        settings.displayMode = fullScreen->IsChecked() ? 0 : 1;
    }
    if (const auto* cursor = FindIn<Korrin::GuiCheckBox>(mFrame, kCursorBox))
    {
        settings.prettyCursor = cursor->IsChecked() ? 1 : 0;
    }
    // Applies the display mode (the device is reset on every OK), the cursor and the volumes.
    profile->ChangeSettings(settings);
    profile->SaveSettings();
}

void Options::Draw()
{
    if (mShown && mFrame != nullptr)
    {
        mFrame->Draw();
    }
}
