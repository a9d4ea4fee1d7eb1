#include "game/LoadingFrame.h"

#include "engine/App/TimerManager.h"
#include "engine/Render/RenderSystem.h"
#include "game/GameApplication.h"
#include "platform/Services.h"

#include <algorithm>

LoadingFrame::LoadingFrame()
{
    if (Korrin::TimerManager* timer = Korrin::TimerManager::Peek())
    {
        timer->Reset();
    }
    if (Korrin::RenderSystem* render = Korrin::RenderSystem::Peek())
    {
        render->BeginFrame();
    }
}

void LoadingFrame::BeginPass()
{
    ++mPasses;
    GameApplication* game = GameApplication::GetCurrentGame();
    if (Platform::Services::Exists())
    {
        // A loading pass is a frame: a fixed-step clock moves on and scripted input plays.
        Platform::Services::Current().FrameStarted();
    }
    if (game != nullptr)
    {
        game->PumpWindowMessages();
    }
    Korrin::TimerManager* timer = Korrin::TimerManager::Peek();
    if (timer != nullptr)
    {
        timer->Update();
        mDt = std::max(timer->GetDelta(), 0.0f);
        mElapsed = timer->GetElapsed();
    }
    else
    {
        mDt = 0.0f;
    }
    if (mElapsed >= kStepSeconds || timer == nullptr || mPasses >= kMostPasses)
    {
        mElapsed = kStepSeconds;
        mLastPass = true;
    }
    Korrin::RenderSystem* render = Korrin::RenderSystem::Peek();
    if (render != nullptr && game != nullptr)
    {
        render->BeginScene(game->GetFrameTarget());
    }
}

void LoadingFrame::Present()
{
    GameApplication* game = GameApplication::GetCurrentGame();
    if (game == nullptr)
    {
        return;
    }
    game->PresentFrame(true);
    game->PresentBackBuffer();
    if (Platform::Services::Exists())
    {
        Platform::Services::Current().FrameEnded();
    }
}
