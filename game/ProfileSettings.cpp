// A player's settings: display mode, volumes, cursor and tips.
#include "engine/App/Application.h"
#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/File/DiskFile.h"
#include "engine/File/FileSysManager.h"
#include "engine/Gui/CursorManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/NewCharacterGui.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Map.h"
#include "game/Profile.h"
#include "game/ProfileFiles.h"
#include "game/Util/GameGlobals.h"
#include "game/Util/SaveFormat.h"
#include "platform/Folders.h"
#include "platform/Services.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr float kDefaultVolume = 0.7f;
constexpr std::int32_t kMusicSoundType = 1;
constexpr std::int32_t kEffectSoundType = 0;

// A volume from a file: 0 to 1; what is not a number keeps the default.
float CleanVolume(float volume, float fallback)
{
    if (std::isnan(volume))
    {
        return fallback;
    }
    return std::clamp(volume, 0.0f, 1.0f);
}

float ReadVolume(Korrin::BinaryReader& in, const std::string& path, const char* what, float fallback)
{
    const float volume = in.ReadF32();
    const float clean = CleanVolume(volume, fallback);
    if (!in.Ok() || clean == volume)
    {
        return clean;
    }
    if (std::isnan(volume))
    {
        SaveFormat::Clamped(path, "%s not a number read as %g", what, static_cast<double>(clean));
    }
    else
    {
        SaveFormat::Clamped(path, "%s %g read as %g", what, static_cast<double>(volume),
                            static_cast<double>(clean));
    }
    return clean;
}

// A volume of the configuration's defaults, 0 to 1; a missing key or one that is not a number gives 0.7.
float DefaultVolume(const LuaValue& defaults, const char* key)
{
    Korrin::LuaStackGuard guard(defaults.GetState());
    const LuaValue value = defaults.GetField(key);
    return value.IsNumber() ? CleanVolume(value.ToFloat(), kDefaultVolume) : kDefaultVolume;
}

// The tutorial slot of the screen manager, which holds the tips switch while the game runs.
EducationSlot* TipsSlot()
{
    Main* main = Main::Peek();
    return main != nullptr ? main->GetEducationSlot() : nullptr;
}

} // namespace

bool Profile::SaveSettings()
{
    const std::string path = GetSaveFileName(kSettings, currentPlayer);
    if (path.empty())
    {
        return false;
    }
    TakeLiveVolumes();
    if (const EducationSlot* tips = TipsSlot())
    {
        mSettings.tipsEnabled = tips->IsEnabled() ? 1 : 0;
    }
    const Korrin::Application* application = Korrin::Application::GetCurrent();
    Korrin::BinaryWriter out;
    out.WriteU32(SaveFormat::kVersion);
    out.WriteF32(mSettings.soundVolume);
    out.WriteF32(mSettings.musicVolume);
    out.WriteU8(mSettings.tipsEnabled);
    out.WriteU8(application != nullptr ? static_cast<std::uint8_t>(application->IsWindowed()) : displayMode);
    out.WriteU8(static_cast<std::uint8_t>(GameGlobals::prettyCursor));
    if (!Korrin::DiskFile::WriteReplacing(path, out.Bytes()))
    {
        Korrin::ReportAndBreak("Failed to save settings file", Korrin::kGameModule, "Source\\Profile", 359);
        return false;
    }
    return true;
}

bool Profile::LoadSettings(bool apply)
{
    Settings settings;
    settings.displayMode = 0;
    const std::string path = GetSaveFileName(kSettings, currentPlayer);
    std::vector<std::uint8_t> bytes;
    if (!ProfileFiles::Read(path, bytes))
    {
        if (apply)
        {
            mSettings.tipsEnabled = 1;
        }
        ApplyDefaultSettings(apply);
        return true;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, path, "Settings of another program version"))
    {
        return false;
    }
    settings.soundVolume = ReadVolume(in, path, "sound volume", settings.soundVolume);
    settings.musicVolume = ReadVolume(in, path, "music volume", settings.musicVolume);
    settings.tipsEnabled = in.ReadU8() != 0 ? 1 : 0;
    settings.displayMode = in.ReadU8() != 0 ? 1 : 0;
    settings.prettyCursor = in.ReadU8() != 0 ? 1 : 0;
    if (!in.Ok() || !in.AtEnd())
    {
        SaveFormat::Refused(path, "settings");
        return false;
    }
    mSettings = settings;
    GameGlobals::prettyCursor = settings.prettyCursor != 0;
    displayMode = mForcedWindowed ? static_cast<std::uint8_t>(*mForcedWindowed) : settings.displayMode;
    if (apply)
    {
        ApplySettings();
    }
    return true;
}

void Profile::ApplyDefaultSettings(bool apply)
{
    if (!apply)
    {
        return;
    }
    mSettings.soundVolume = kDefaultVolume;
    mSettings.musicVolume = kDefaultVolume;
    if (Korrin::FileSysManager::Peek() != nullptr)
    {
        Korrin::LuaScript config;
        config.LoadFile("config.cfg", Korrin::LuaScript::IfMissing::Report);
        Korrin::LuaStackGuard guard(config.GetState());
        const LuaValue defaults = config.GetGlobal("DefaultSettings");
        if (defaults.IsTable())
        {
            mSettings.musicVolume = DefaultVolume(defaults, "Music");
            mSettings.soundVolume = DefaultVolume(defaults, "Sound");
        }
        else
        {
            config.LogFault("no table \"DefaultSettings\"; the volumes start at 0.7");
        }
    }
    ApplySettings();
}

void Profile::ChangeSettings(const Settings& settings)
{
    mSettings = settings;
    mSettings.soundVolume = CleanVolume(settings.soundVolume, kDefaultVolume);
    mSettings.musicVolume = CleanVolume(settings.musicVolume, kDefaultVolume);
    GameGlobals::prettyCursor = settings.prettyCursor != 0;
    displayMode = settings.displayMode;
    ApplySettings();
}

void Profile::ForceDisplayMode(bool windowed)
{
    mForcedWindowed = windowed;
    displayMode = static_cast<std::uint8_t>(windowed);
}

// The volumes the player set, also while the sound is muted in the background.
void Profile::TakeLiveVolumes()
{
    const Korrin::SoundManager* sound = Korrin::SoundManager::Peek();
    if (sound == nullptr)
    {
        return;
    }
    const bool muted = sound->GetSavedEffectsVolume() >= 0.0f && sound->GetSavedMusicVolume() >= 0.0f;
    mSettings.soundVolume = muted ? sound->GetSavedEffectsVolume() : sound->GetEffectsVolume();
    mSettings.musicVolume = muted ? sound->GetSavedMusicVolume() : sound->GetMusicVolume();
}

void Profile::ApplySettings()
{
    if (EducationSlot* tips = TipsSlot())
    {
        tips->SetEnabled(mSettings.tipsEnabled != 0);
    }
    if (Korrin::SoundManager* sound = Korrin::SoundManager::Peek())
    {
        sound->SetVolume(mSettings.musicVolume, kMusicSoundType);
        sound->SetVolume(mSettings.soundVolume, kEffectSoundType);
    }
    if (Korrin::Application* application = Korrin::Application::GetCurrent();
        application != nullptr && application->GetWindow() != 0)
    {
        application->ResetDevice(displayMode != 0);
    }
    if (Korrin::CursorManager* cursor = Korrin::CursorManager::Peek())
    {
        // The system arrow stands in for the drawn cursor; a set-cursor message makes the change show at
        // once.
        cursor->SetShowSystemCursor(!GameGlobals::prettyCursor);
        if (Platform::Services::Exists())
        {
            Platform::WindowSystem& windows = Platform::Services::Current().Window();
            windows.MoveCursor(windows.Mouse().Position());
        }
    }
}
