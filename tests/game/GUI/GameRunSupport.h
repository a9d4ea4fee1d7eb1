#pragma once

#include "game/GUI/GameGuiManager.h"
#include "game/GameApplication.h"
#include "game/Main.h"
#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ScriptedInput.h"
#include "platform/Services.h"
#include "tests/game/ProfileTestSupport.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace GameRunSupport
{

// One step of a run through the game's windows: it acts in the first frame in which it is ready.
struct Step
{
    std::function<bool()> ready;
    std::function<void()> act;
};

// The game's own application, running its steps one after another from the first menu frame and
// closing when they are done (or after a frame limit, so that a step never met fails the test).
class SteppedGame : public GameApplication
{
public:
    // Clicks at frames 1 and 3 skip the two sample logos; frame 4 shows the main menu.
    static constexpr int kFirstMenuFrame = 4;
    static constexpr int kFrameLimit = 400;

    std::vector<Step> steps;
    std::size_t done = 0;
    int frames = 0;
    int lastAct = 0;

    bool Update() override
    {
        ++frames;
        if (frames > kFirstMenuFrame && done < steps.size() && steps[done].ready())
        {
            steps[done].act();
            ++done;
            lastAct = frames;
        }
        const bool result = GameApplication::Update();
        if (done == steps.size() || frames >= kFrameLimit)
        {
            Platform::Services::Current().Window().RequestClose();
        }
        return result;
    }

    GameGuiManager& Windows() { return *GetMain()->GetGameGuiManager(); }
    template <typename T>
    T& Window()
    {
        return *static_cast<T*>(Windows().Get(T::kWindowId));
    }
    bool Showing(std::uint8_t id) { return Windows().GetShown() == id; }
    // Half a second after the last step: a window shown then has slid in.
    bool Settled() const { return frames - lastAct >= 30; }
};

// A save folder of its own, the sample data the build made, and the game with its player profile.
class GameRunTest : public ProfileTestSupport::SaveFolderTest
{
protected:
    GameRunTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>())
    {
        auto script = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        EXPECT_TRUE(script->Parse("1 click left\n3 click left\n", error)) << error;
        mServices.SetScriptedInput(std::move(script));
        Platform::Folders::SetDataFolder(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
    }
    ~GameRunTest() override { Platform::Folders::SetDataFolder(""); }

    void Run()
    {
        mGame.Run(GameApplication::kCaption, true);
        EXPECT_EQ(mGame.done, mGame.steps.size()) << "the run stopped before its step " << mGame.done;
    }

    bool Saved(const std::string& name) const { return std::filesystem::exists(mFolder / name); }

    Platform::Services mServices;
    Profile mProfile;
    SteppedGame mGame;
};

} // namespace GameRunSupport
