#include "engine/App/Application.h"

#include "engine/App/TimerManager.h"
#include "engine/App/WindowPlacement.h"
#include "platform/FixedStepClock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Services.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace
{

namespace Code = Platform::MessageCode;

// An application whose hooks count their calls and run what a test gives them.
class ProbeApplication : public Korrin::Application
{
public:
    std::function<bool(int frame)> onUpdate = [](int) { return true; };
    std::function<bool()> onInit = [] { return true; };
    int preInits = 0;
    int updates = 0;
    int renders = 0;
    int shutdowns = 0;

    void PreInit() override { ++preInits; }
    bool Init() override { return onInit(); }
    void Shutdown() override { ++shutdowns; }
    void Render() override { ++renders; }
    bool Update() override { return onUpdate(++updates); }
    using Korrin::Application::UpdateFps;
};

class ApplicationTest : public testing::Test
{
protected:
    ApplicationTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>())
    {
    }

    Platform::HeadlessWindowSystem& Windows()
    {
        return static_cast<Platform::HeadlessWindowSystem&>(mServices.Window());
    }

    void Post(std::uint32_t code, std::uintptr_t first = 0)
    {
        Windows().PostMessage(Windows().MainWindow(), code, first, 0);
    }

    Platform::Services mServices;
    ProbeApplication mApplication;
};

TEST_F(ApplicationTest, AnUpdateThatRefusesAtOnceDrawsNothingAndEndsWithZero)
{
    mApplication.onUpdate = [](int) { return false; };
    EXPECT_EQ(mApplication.Run("Probe", true), 0);
    EXPECT_EQ(mApplication.updates, 1);
    EXPECT_EQ(mApplication.renders, 0);
    EXPECT_FALSE(mApplication.IsFrameDrawn());
    EXPECT_EQ(mServices.FramesCompleted(), 0u);
}

TEST_F(ApplicationTest, ARefusingInitEndsWithZeroBeforeAnyFrame)
{
    mApplication.onInit = [] { return false; };
    EXPECT_EQ(mApplication.Run("Probe", true), 0);
    EXPECT_EQ(mApplication.preInits, 1);
    EXPECT_EQ(mApplication.updates, 0);
}

TEST_F(ApplicationTest, ClosingTheWindowShutsDownOnceAndEndsTheLoop)
{
    mServices.SetFrameLimit(3);
    EXPECT_EQ(mApplication.Run("Probe", true), 0);
    EXPECT_EQ(mApplication.updates, 3);
    EXPECT_EQ(mApplication.renders, 3);
    EXPECT_EQ(mApplication.shutdowns, 1);
    EXPECT_FALSE(mApplication.IsFrameDrawn()) << "the quit message clears the frame-drawn flag";
    EXPECT_EQ(Windows().MainWindow(), 0u);
}

TEST_F(ApplicationTest, AWindowDestroyedDuringAFrameShutsDownAfterTheFrameHasReturned)
{
    int shutdownsDuringUpdate = -1;
    mApplication.onUpdate = [&](int)
    {
        Windows().DestroyWindow(mApplication.GetWindow());
        shutdownsDuringUpdate = mApplication.shutdowns;
        return false;
    };
    EXPECT_EQ(mApplication.Run("Probe", true), 0);
    EXPECT_EQ(shutdownsDuringUpdate, 0);
    EXPECT_EQ(mApplication.shutdowns, 1);
}

TEST_F(ApplicationTest, TheCaptionAndVirtualSizeAreSetAndTheWindowIsActiveOnceShown)
{
    bool activeInFirstFrame = false;
    mApplication.onUpdate = [&](int)
    {
        activeInFirstFrame = mApplication.IsActive();
        return false;
    };
    mApplication.Run("Wrenfold", true);
    EXPECT_EQ(mApplication.GetCaption(), "Wrenfold");
    EXPECT_EQ(mApplication.GetWidth(), 1024u);
    EXPECT_EQ(mApplication.GetHeight(), 768u);
    EXPECT_TRUE(activeInFirstFrame);
}

TEST_F(ApplicationTest, DeactivationInFullScreenMinimisesAndOnlyOnce)
{
    std::vector<bool> minimised;
    mApplication.onUpdate = [&](int frame)
    {
        switch (frame)
        {
        case 1:
            Post(Code::ActivateApp, 0);
            Post(Code::ActivateApp, 0);
            break;
        case 2:
            minimised.push_back(Windows().IsMinimized(mApplication.GetWindow()));
            minimised.push_back(mApplication.IsActive());
            Post(Code::ActivateApp, 1);
            break;
        case 3:
            minimised.push_back(Windows().IsMinimized(mApplication.GetWindow()));
            minimised.push_back(mApplication.IsActive());
            return false;
        }
        return true;
    };
    mApplication.Run("Probe", false);
    EXPECT_EQ(minimised, (std::vector<bool>{true, false, true, true}))
        << "reactivation makes the application active; the window stays as the system left it";
}

TEST_F(ApplicationTest, DeactivationInAWindowDoesNotMinimise)
{
    bool minimised = true;
    bool active = true;
    mApplication.onUpdate = [&](int frame)
    {
        if (frame == 1)
        {
            Post(Code::ActivateApp, 0);
            return true;
        }
        minimised = Windows().IsMinimized(mApplication.GetWindow());
        active = mApplication.IsActive();
        return false;
    };
    mApplication.Run("Probe", true);
    EXPECT_FALSE(minimised);
    EXPECT_FALSE(active);
}

TEST_F(ApplicationTest, PaintRendersOnlyAfterAFrameWhileActiveInAWindow)
{
    struct Case
    {
        bool windowed;
        bool deactivate;
        int expectedPaintRenders;
    };
    for (const Case& c : {Case{true, false, 1}, Case{false, false, 0}, Case{true, true, 0}})
    {
        Platform::Services services(std::make_unique<Platform::HeadlessWindowSystem>(),
                                    std::make_unique<Platform::FixedStepClock>());
        ProbeApplication application;
        int rendersBeforePaint = 0;
        application.onUpdate = [&](int frame)
        {
            if (frame == 1)
            {
                if (c.deactivate)
                {
                    services.Window().PostMessage(application.GetWindow(), Code::ActivateApp, 0, 0);
                }
                services.Window().PostMessage(application.GetWindow(), Code::Paint, 0, 0);
                return true;
            }
            rendersBeforePaint = 1; // the first frame rendered once
            return false;
        };
        application.Run("Probe", c.windowed);
        EXPECT_EQ(application.renders - rendersBeforePaint, c.expectedPaintRenders)
            << "windowed " << c.windowed << ", deactivated " << c.deactivate;
    }
}

TEST_F(ApplicationTest, APaintBeforeTheFirstFrameDrawsNothing)
{
    mApplication.onUpdate = [](int) { return false; };
    mApplication.onInit = [&]
    {
        Post(Code::Paint);
        return true;
    };
    mApplication.Run("Probe", true);
    EXPECT_EQ(mApplication.renders, 0);
}

TEST_F(ApplicationTest, TheFrameRateIsFirstReportedAfterMoreThanOneSecond)
{
    std::vector<int> rates;
    std::string textAtFirstReport;
    mApplication.onUpdate = [&](int frame)
    {
        rates.push_back(mApplication.GetFps());
        if (frame == 61)
        {
            textAtFirstReport = mApplication.GetRateText();
        }
        return frame < 61;
    };
    mApplication.Run("Probe", true);
    EXPECT_EQ(rates[59], 0) << "one second exactly is not more than one second";
    EXPECT_EQ(rates[60], 60);
    EXPECT_EQ(textAtFirstReport, "Fps: 60");
}

TEST_F(ApplicationTest, TheTimerGivesFixedStepsAndStartsAtZeroAfterReset)
{
    std::vector<float> deltas;
    mApplication.onUpdate = [&](int frame)
    {
        deltas.push_back(Korrin::TimerManager::GetInstance()->GetDelta());
        if (frame == 2)
        {
            Korrin::TimerManager::GetInstance()->Reset();
        }
        return frame < 4;
    };
    mApplication.Run("Probe", true);
    EXPECT_EQ(deltas, (std::vector<float>{1.0f / 60, 1.0f / 60, 1.0f / 60, 1.0f / 60}));
    EXPECT_FLOAT_EQ(Korrin::TimerManager::GetInstance()->GetElapsed(), 2.0f / 60);
}

TEST_F(ApplicationTest, ResetDeviceSwitchesModeOnlyWhenItChanges)
{
    Platform::WindowRect windowedPlacement;
    Platform::WindowRect fullPlacement;
    mApplication.onUpdate = [&](int)
    {
        mApplication.ResetDevice(true); // the current mode: nothing happens
        windowedPlacement = Windows().Placement();
        mApplication.ResetDevice(false);
        fullPlacement = Windows().Placement();
        return false;
    };
    mApplication.Run("Probe", true);
    const Platform::DisplayMetrics metrics = Windows().Metrics();
    EXPECT_EQ(windowedPlacement,
              Korrin::WindowPlacement::Windowed(1024, 768, Platform::WindowStyle::Overlapped, metrics).outer);
    EXPECT_EQ(fullPlacement, (Platform::WindowRect{0, 0, metrics.screenWidth, metrics.screenHeight}));
    EXPECT_EQ(Windows().Style(), Platform::WindowStyle::FullScreen);
    EXPECT_TRUE(Windows().IsTopmost());
    EXPECT_FALSE(mApplication.IsWindowed());
}

// The processors a thread may run on, as the system lists them ("0-7"), read from its status file.
std::string AllowedProcessors(const std::filesystem::path& status)
{
    std::ifstream file(status);
    const std::string key = "Cpus_allowed_list:";
    for (std::string line; std::getline(file, line);)
    {
        if (line.rfind(key, 0) == 0)
        {
            return line.substr(line.find_first_not_of(" \t", key.size()));
        }
    }
    return {};
}

// Every thread of the process, by id, with its allowed processors.
std::map<std::string, std::string> AllowedProcessorsOfEveryThread()
{
    std::map<std::string, std::string> threads;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
    {
        threads[task.path().filename().string()] = AllowedProcessors(task.path() / "status");
    }
    return threads;
}

TEST_F(ApplicationTest, NoThreadIsPinnedSoAThreadStartedDuringTheRunMayUseEveryProcessor)
{
    const std::string processProcessors = AllowedProcessors("/proc/self/status");
    ASSERT_FALSE(processProcessors.empty());
    std::map<std::string, std::string> threadsDuringRun;
    mApplication.onUpdate = [&](int)
    {
        std::atomic<bool> seen{false};
        std::thread started(
            [&]
            {
                while (!seen.load())
                {
                    std::this_thread::yield();
                }
            });
        threadsDuringRun = AllowedProcessorsOfEveryThread();
        seen.store(true);
        started.join();
        return false;
    };
    mApplication.Run("Probe", true);
    ASSERT_GE(threadsDuringRun.size(), 2u);
    for (const auto& [thread, processors] : threadsDuringRun)
    {
        EXPECT_EQ(processors, processProcessors) << "thread " << thread;
    }
}

TEST(WindowPlacement, AWindowThatFitsIsCentredOnTheWorkArea)
{
    Platform::DisplayMetrics metrics;
    metrics.workArea = {0, 0, 1920, 1040};
    metrics.frameWidth = 4;
    metrics.captionHeight = 20;
    const Korrin::WindowPlacement placement =
        Korrin::WindowPlacement::Windowed(1024, 768, Platform::WindowStyle::Overlapped, metrics);
    EXPECT_EQ(placement.clientWidth, 1024);
    EXPECT_EQ(placement.clientHeight, 768);
    EXPECT_EQ(placement.outer, (Platform::WindowRect{960 - 516, 520 - 398, 1032, 796}));
    EXPECT_FALSE(placement.topmost);
}

TEST(WindowPlacement, ASmallWorkAreaShrinksTheWindowKeepingFourToThree)
{
    Platform::DisplayMetrics metrics;
    metrics.workArea = {0, 0, 1024, 740};
    metrics.frameWidth = 4;
    metrics.captionHeight = 20;
    const Korrin::WindowPlacement placement =
        Korrin::WindowPlacement::Windowed(1024, 768, Platform::WindowStyle::Overlapped, metrics);
    EXPECT_EQ(placement.clientHeight, 740 - 20 + 4);
    EXPECT_EQ(placement.clientWidth, 965); // 1024 / 768 x 724, cut to a whole number
}

TEST(WindowPlacement, FullScreenCoversTheScreenWithoutFrame)
{
    Platform::DisplayMetrics metrics;
    metrics.screenWidth = 1920;
    metrics.screenHeight = 1080;
    const Korrin::WindowPlacement placement = Korrin::WindowPlacement::FullScreen(metrics);
    EXPECT_EQ(placement.style, 0x06000000u);
    EXPECT_EQ(placement.outer, (Platform::WindowRect{0, 0, 1920, 1080}));
    EXPECT_TRUE(placement.topmost);
}

} // namespace
