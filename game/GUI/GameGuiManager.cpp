#include "game/GUI/GameGuiManager.h"

#include "engine/App/TimerManager.h"
#include "game/GUI/AboutGui.h"
#include "game/GUI/AchievementSystemGui.h"
#include "game/GUI/ContinueLevelGui.h"
#include "game/GUI/DeleteUserGui.h"
#include "game/GUI/ExitGui.h"
#include "game/GUI/GameMenu.h"
#include "game/GUI/LevelStatistics.h"
#include "game/GUI/NewCharacterGui.h"
#include "game/GUI/Options.h"
#include "game/GUI/PlayerSelectGui.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/GUI/StartNewLevelGui.h"
#include "game/GUI/StoreHouseGUI.h"
#include "game/GUI/TaskLevelGui.h"
#include "game/GUI/TypeNameGui.h"
#include "game/GUI/YesNoAlertGui.h"
#include "game/Main.h"

GameGuiManager* GameGuiManager::Current()
{
    Main* main = Main::Peek();
    return main != nullptr ? main->GetGameGuiManager() : nullptr;
}

void GameGuiManager::ShowCurrent(std::uint8_t id)
{
    if (GameGuiManager* windows = Current())
    {
        windows->Show(id);
    }
}

bool GameGuiManager::IsAnyShown()
{
    const GameGuiManager* windows = Current();
    return windows != nullptr && windows->GetShownWindow() != nullptr;
}
#include "game/Util/InputLocks.h"

// The ids that callers outside the windows' folder open by name must stay those of their windows.
static_assert(GameGuiManager::kStoreHouse == StoreHouseGUI::kWindowId);
static_assert(GameGuiManager::kGameMenu == GameMenu::kWindowId);
static_assert(GameGuiManager::kExit == ExitGui::kWindowId);

GameGuiManager::GameGuiManager()
{
    mWindows[StoreHouseGUI::kWindowId] = new StoreHouseGUI();
    mWindows[TaskLevelGui::kWindowId] = new TaskLevelGui();
    mWindows[LevelStatistics::kWindowId] = new LevelStatistics();
    mWindows[GameMenu::kWindowId] = new GameMenu();
    mWindows[AboutGui::kWindowId] = new AboutGui();
    mWindows[Options::kWindowId] = new Options();
    mWindows[AchievementSystemGui::kWindowId] = new AchievementSystemGui();
    mWindows[PlayerSelectGui::kWindowId] = new PlayerSelectGui();
    mWindows[TypeNameGui::kWindowId] = new TypeNameGui();
    mWindows[DeleteUserGui::kWindowId] = new DeleteUserGui();
    mWindows[YesNoAlertGui::kWindowId] = new YesNoAlertGui();
    mWindows[StartNewLevelGui::kWindowId] = new StartNewLevelGui();
    mWindows[ContinueLevelGui::kWindowId] = new ContinueLevelGui();
    mRewardWindow = new RewardAlertSystemGui();
    mWindows[RewardAlertSystemGui::kWindowId] = mRewardWindow;
    mWindows[NewCharacterGui::kWindowId] = new NewCharacterGui();
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
    if (mRewardWindow != nullptr)
    {
        mRewardWindow->ShowPending();
    }
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

void GameGuiManager::OfferStorehouseGoods(const std::vector<std::uint8_t>& goods)
{
    auto* storehouse = dynamic_cast<StoreHouseGUI*>(Get(kStoreHouse));
    if (storehouse == nullptr)
    {
        return;
    }
    StoreTrade::GoodsCounts& offered = storehouse->GetBuyList();
    offered.clear();
    for (const std::uint8_t item : goods)
    {
        offered[item] = 1;
    }
}

bool GameGuiManager::IsStorehousePageOpen() const
{
    const auto* storehouse = dynamic_cast<const StoreHouseGUI*>(Get(kStoreHouse));
    return storehouse != nullptr && storehouse->GetPage() == StoreHouseGUI::kStorehousePage;
}

void GameGuiManager::SetInputLocks(bool locked)
{
    InputLocks::first = locked;
    InputLocks::second = locked;
    InputLocks::third = locked;
}
