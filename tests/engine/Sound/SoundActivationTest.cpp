#include "engine/App/Application.h"
#include "engine/File/FileSysManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "platform/FixedStepClock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Services.h"
#include "platform/SoundDevice.h"

#include <functional>
#include <gtest/gtest.h>

namespace
{

using Korrin::SoundManager;
namespace Code = Platform::MessageCode;

class SoundApplication : public Korrin::Application
{
public:
    std::function<bool(int frame)> onUpdate;
    int frames = 0;

    bool Init() override
    {
        Korrin::FileSysManager::GetInstance()->AddDirectory(WF_FIXTURES_DIR "/sound");
        SoundManager::GetInstance()->LoadScript("audiolist.audio", "audiolist");
        return true;
    }
    bool Update() override { return onUpdate(++frames); }
};

struct Volumes
{
    float effects;
    float music;
    float musicSound;
    bool operator==(const Volumes&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Volumes& volumes)
{
    return out << "{" << volumes.effects << ", " << volumes.music << ", " << volumes.musicSound << "}";
}

TEST(SoundActivation, DeactivationSilencesAndReactivationRestoresOnce)
{
    for (const bool windowed : {true, false})
    {
        Platform::SoundDevice::SetOutputKind(Platform::SoundOutputKind::Clocked);
        Platform::Services services(std::make_unique<Platform::HeadlessWindowSystem>(),
                                    std::make_unique<Platform::FixedStepClock>());
        SoundApplication application;
        std::vector<Volumes> seen;
        const auto post = [&](std::uintptr_t activated)
        { services.Window().PostMessage(application.GetWindow(), Code::ActivateApp, activated, 0); };
        const auto record = [&]
        {
            SoundManager* sounds = SoundManager::GetInstance();
            seen.push_back({sounds->GetEffectsVolume(), sounds->GetMusicVolume(),
                            sounds->GetSound("music")->GetTypeVolume()});
        };
        application.onUpdate = [&](int frame)
        {
            SoundManager* sounds = SoundManager::GetInstance();
            switch (frame)
            {
            case 1:
                sounds->SetVolume(0.6f, SoundManager::kEffects);
                sounds->SetVolume(0.9f, SoundManager::kMusic);
                sounds->GetSound("music")->Play(true);
                post(0);
                post(0);
                break;
            case 2:
                record();
                EXPECT_TRUE(sounds->GetSound("music")->IsPlaying()) << "muted, not stopped";
                post(1);
                break;
            case 3:
                record();
                post(1);
                post(0);
                break;
            case 4:
                record();
                post(1);
                break;
            default:
                record();
                return false;
            }
            return true;
        };
        EXPECT_EQ(application.Run("Sound", windowed), 0);
        EXPECT_EQ(seen, (std::vector<Volumes>{
                            {0.0f, 0.0f, 0.0f}, {0.6f, 0.9f, 0.9f}, {0.0f, 0.0f, 0.0f}, {0.6f, 0.9f, 0.9f}}))
            << (windowed ? "windowed" : "full screen");
    }
}

} // namespace
