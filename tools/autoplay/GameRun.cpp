#include "tools/autoplay/GameRun.h"

#include "game/Profile.h"
#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/ScriptedInput.h"
#include "platform/Services.h"
#include "platform/SoundDevice.h"
#include "tools/autoplay/AutoplayApplication.h"
#include "tools/autoplay/AutoplayWindows.h"
#include "tools/autoplay/Hands.h"

#include <memory>

int GameRun::Run()
{
    Platform::Folders::SetDataFolder(dataFolder);
    Platform::Folders::SetSaveFolder(saveFolder);
    Platform::Folders::MakeFolders(saveFolder);

    auto script = std::make_unique<Platform::ScriptedInput>();
    Platform::ScriptedInput& scriptRef = *script;
    Hands hands(scriptRef);
    auto windows = std::make_unique<AutoplayWindows>();
    AutoplayWindows& windowsRef = *windows;
    Platform::Services services(std::move(windows), std::make_unique<Platform::FixedStepClock>());
    services.SetFrameLimit(frameLimit);
    services.SetScriptedInput(std::move(script));
    // One drawing thread: runs go side by side, one per processor.
    services.SetRenderThreads(1);
    for (const std::string& shot : screenshots)
    {
        const std::size_t colon = shot.find(':');
        if (colon != std::string::npos)
        {
            services.AddScreenshot(std::stoull(shot.substr(0, colon)), shot.substr(colon + 1));
        }
    }
    std::uint64_t planned = ~0ull;
    bool closing = false;
    windowsRef.SetBetweenFrames(
        [&]()
        {
            const std::uint64_t done = services.FramesCompleted();
            if (done == planned || closing)
            {
                return;
            }
            planned = done;
            if (!hands.Busy() && brain && !brain(done, hands))
            {
                closing = true;
                windowsRef.RequestClose();
                return;
            }
            hands.PlayInto(done + 1);
        });
    Platform::MessageBox::SetInteractive(false);
    Platform::MessageBox::SetHeadlessAnswer(2);
    Platform::SoundDevice::SetOutputKind(Platform::SoundOutputKind::Clocked);

    Profile profile;
    profile.displayMode = 0;
    profile.RemoveLeftoverTemporaries();
    profile.LoadUserList(false);
    profile.LoadSettings(false);
    profile.ForceDisplayMode(true);
    AutoplayApplication application(draw);
    if (!logFile.empty())
    {
        application.SetLogFile(logFile);
    }
    const int code = application.Run(GameApplication::kCaption, true);
    played = hands.Played();
    if (!services.CheckScreenshotsWritten() && code == 0)
    {
        return 2;
    }
    return code;
}
