#include "game/WinMain.h"

#include "engine/Log/LogManager.h"
#include "game/CrashDumpFilter.h"
#include "game/GameApplication.h"
#include "game/Profile.h"
#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/MessageBox.h"
#include "platform/ScriptedInput.h"
#include "platform/SdlWindowSystem.h"
#include "platform/Services.h"
#include "platform/SingleInstance.h"
#include "platform/SoundDevice.h"
#include "platform/SteadyClock.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace
{

constexpr int kNoDisplayExitCode = 1;
constexpr int kBadInputScriptExitCode = 2;
constexpr int kScreenshotNotWrittenExitCode = 2;
constexpr int kNoSaveFolderExitCode = 3;

// A screenshot into a folder that does not exist can never be written: said before the game starts.
bool ScreenshotFoldersExist(const CommandLine& line)
{
    bool exist = true;
    for (const CommandLine::Screenshot& shot : line.screenshots)
    {
        const std::filesystem::path folder = std::filesystem::path(shot.path).parent_path();
        std::error_code error;
        if (!folder.empty() && !std::filesystem::is_directory(folder, error))
        {
            std::fprintf(stderr, "wrenfold: cannot write the screenshot '%s': there is no folder '%s'\n",
                         shot.path.c_str(), folder.string().c_str());
            exist = false;
        }
    }
    return exist;
}

std::unique_ptr<Platform::WindowSystem> MakeWindowSystem(bool headless, bool fixedStep,
                                                         Platform::RendererChoice renderer)
{
    if (headless)
    {
        return std::make_unique<Platform::HeadlessWindowSystem>();
    }
    try
    {
        auto windows =
            std::make_unique<Platform::SdlWindowSystem>(renderer != Platform::RendererChoice::Software);
        windows->SetSyncToDisplay(!fixedStep);
        return windows;
    }
    catch (const Platform::SdlWindowSystem::NoDisplay& error)
    {
        std::fprintf(stderr, "wrenfold: no display to open a window on (%s); --headless runs without one\n",
                     error.what());
        return nullptr;
    }
}

std::unique_ptr<Platform::Clock> MakeClock(bool fixedStep)
{
    if (fixedStep)
    {
        return std::make_unique<Platform::FixedStepClock>();
    }
    return std::make_unique<Platform::SteadyClock>();
}

// A game that cannot write its save folder would lose every save it makes: it says why (on the standard
// error and in the log, which is otherwise opened only once the game runs) and does not start.
bool SetUpFolders(const CommandLine& line)
{
    if (!line.dataDir.empty())
    {
        Platform::Folders::SetDataFolder(line.dataDir);
    }
    if (!line.saveDir.empty())
    {
        Platform::Folders::SetSaveFolder(line.saveDir);
    }
    const std::string saveFolder = Platform::Folders::SaveFolder();
    std::string reason;
    if (Platform::Folders::MakeWritableFolder(saveFolder, reason))
    {
        return true;
    }
    const std::string message =
        "cannot keep players and saves in the save folder '" + saveFolder + "': " + reason;
    std::fprintf(stderr, "wrenfold: %s\n", message.c_str());
    Korrin::LogManager log;
    if (log.Open(Korrin::LogManager::kDefaultLog, Korrin::LogManager::kDefaultLog))
    {
        log.Write("%s", message.c_str());
    }
    return false;
}

} // namespace

int WinMain(const CommandLine& line)
{
    Platform::CrashHandler::Install(CrashDumpFilter);
    if (line.testCrash)
    {
        Platform::CrashHandler::TriggerTestCrash();
    }
    if (!ScreenshotFoldersExist(line))
    {
        return kScreenshotNotWrittenExitCode;
    }
    if (!SetUpFolders(line))
    {
        return kNoSaveFolderExitCode;
    }

    std::unique_ptr<Platform::ScriptedInput> script;
    if (!line.inputFile.empty())
    {
        script = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        if (!script->LoadFile(line.inputFile, error))
        {
            std::fprintf(stderr, "wrenfold: %s\n", error.c_str());
            return kBadInputScriptExitCode;
        }
    }

    Platform::SingleInstance instance(Platform::Folders::SaveFolder());
    if (instance.GetResult() == Platform::SingleInstance::Result::AlreadyRunning)
    {
        std::fprintf(stderr, "wrenfold: already running with save folder %s; asked it to come to the front\n",
                     Platform::Folders::SaveFolder().c_str());
        return 0;
    }

    std::unique_ptr<Platform::WindowSystem> windows =
        MakeWindowSystem(line.headless, line.fixedStep, line.renderer);
    if (!windows)
    {
        return kNoDisplayExitCode;
    }
    Platform::Services services(std::move(windows), MakeClock(line.fixedStep));
    services.SetFrameLimit(line.frames);
    services.SetRenderer(line.renderer);
    services.SetScriptedInput(std::move(script));
    for (const CommandLine::Screenshot& shot : line.screenshots)
    {
        services.AddScreenshot(shot.frame, shot.path);
    }
    Platform::Services::CatchTerminationSignals();
    Platform::MessageBox::SetInteractive(!line.headless);
    Platform::MessageBox::SetHeadlessAnswer(line.reportAnswer);
    Platform::SoundDevice::SetOutputKind(line.headless ? Platform::SoundOutputKind::Clocked
                                                       : Platform::SoundOutputKind::Speakers);

    // The player's display mode is needed before the window opens; the command line overrides it.
    Profile profile;
    profile.displayMode = 0;
    profile.RemoveLeftoverTemporaries();
    profile.LoadUserList(false);
    profile.LoadSettings(false);
    if (line.windowed)
    {
        profile.ForceDisplayMode(*line.windowed);
    }
    int result = 0;
    {
        GameApplication application;
        result = application.Run(GameApplication::kCaption, profile.displayMode != 0);
    }
    // The game has saved by now: a missing screenshot fails the run without costing the player anything.
    if (!services.CheckScreenshotsWritten() && result == 0)
    {
        result = kScreenshotNotWrittenExitCode;
    }
    return result;
}
