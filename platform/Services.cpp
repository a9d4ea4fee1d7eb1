#include "platform/Services.h"

#include "platform/ScriptedInput.h"
#include "platform/SingleInstance.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace Platform
{

namespace
{

Services* gCurrent = nullptr;
std::atomic<bool> gTerminationRequested{false};

void OnTerminationSignal(int /*signal*/)
{
    gTerminationRequested.store(true);
}

} // namespace

Services::Services(std::unique_ptr<WindowSystem> window, std::unique_ptr<Clock> clock)
    : mWindow(std::move(window)), mClock(std::move(clock))
{
    gCurrent = this;
}

Services::~Services()
{
    if (gCurrent == this)
    {
        gCurrent = nullptr;
    }
}

Services& Services::Current()
{
    if (gCurrent == nullptr)
    {
        std::fputs("Platform services used before they were installed\n", stderr);
        std::abort();
    }
    return *gCurrent;
}

bool Services::Exists()
{
    return gCurrent != nullptr;
}

void Services::SetScriptedInput(std::unique_ptr<ScriptedInput> script)
{
    mScriptedInput = std::move(script);
}

void Services::FrameStarted()
{
    mClock->AdvanceFrame();
    ++mFramesStarted;
    if (mScriptedInput)
    {
        mScriptedInput->Play(mFramesStarted, *mWindow);
    }
    if (gTerminationRequested.exchange(false))
    {
        mWindow->RequestClose();
    }
    if (SingleInstance::TakeRaiseRequest())
    {
        mWindow->RequestRaise();
    }
}

void Services::FrameEnded()
{
    ++mFramesCompleted;
    if (mFrameLimit != 0 && mFramesCompleted == mFrameLimit)
    {
        mWindow->RequestClose();
    }
}

void Services::CatchTerminationSignals()
{
    std::signal(SIGINT, OnTerminationSignal);
    std::signal(SIGTERM, OnTerminationSignal);
}

} // namespace Platform
