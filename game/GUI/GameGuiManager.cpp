#include "game/GUI/GameGuiManager.h"

#include "engine/App/TimerManager.h"
#include "game/GUI/ExitGui.h"
#include "game/GUI/InputLocks.h"

GameGuiManager::GameGuiManager()
{
    mWindows[kExit] = new ExitGui();
}

GameGuiManager::~GameGuiManager()
{
    for (auto& entry : mWindows)
    {
        delete entry.second;
    }
    mWindows.clear();
}

void GameGuiManager::Init()
{
    for (auto& entry : mWindows)
    {
        entry.second->Init();
    }
}

void GameGuiManager::Reset()
{
    for (auto& entry : mWindows)
    {
        entry.second->Reset();
        entry.second->SetActive(false);
    }
}

bool GameGuiManager::Update(float /*dt*/)
{
    if (mShownWindow == nullptr)
    {
        return true;
    }
    return mShownWindow->Update(Korrin::TimerManager::GetInstance()->GetDelta());
}

void GameGuiManager::Draw()
{
    if (mShownWindow != nullptr)
    {
        mShownWindow->Draw();
    }
}

void GameGuiManager::Show(std::uint8_t id)
{
    mRequested = id;
    if (mShown == id)
    {
        return;
    }
    mShown = id;
    for (auto& entry : mWindows)
    {
        entry.second->SetActive(false);
    }
    Blank* window = Get(id);
    if (window != nullptr)
    {
        mShownWindow = window;
        window->SetActive(true);
        SetInputLocks(true);
    }
    else
    {
        mShownWindow = nullptr;
        mRequested = kNoWindow;
        SetInputLocks(false);
    }
}

Blank* GameGuiManager::Get(std::uint8_t id) const
{
    const auto found = mWindows.find(id);
    return found != mWindows.end() ? found->second : nullptr;
}

void GameGuiManager::SetInputLocks(bool locked)
{
    InputLocks::first = locked;
    InputLocks::second = locked;
    InputLocks::third = locked;
}
