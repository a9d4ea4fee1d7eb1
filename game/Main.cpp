#include "game/Main.h"

#include "engine/App/TimerManager.h"
#include "engine/Log/LogManager.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "platform/Process.h"

namespace
{
constexpr const char* kSource = "Source\\Main";
} // namespace

Main::Main()
    : mTableCost(std::make_unique<TableCost>()), mGameInfo(std::make_unique<GameInfo>()),
      mAchievements(std::make_unique<AchievementSystem>()), mGuiManager(std::make_unique<GameGuiManager>())
{
    TableCost::BuildLevelTables();
}

Main::~Main()
{
    mTableCost.reset();
    mGameInfo.reset();
    mGuiManager.reset();
    mAchievements.reset();
    TableCost::FreeLevelTables();
}

Main& _GetMain()
{
    Main* main = Main::Peek();
    if (main == nullptr)
    {
        Korrin::ReportAndBreak("Main::mSingleton==NULL", Korrin::kGameModule, kSource, 24);
        // There is no screen manager to go on with, even past a debugger.
        Platform::Process::EndNow(-1);
    }
    return *main;
}

void Main::Load()
{
    if (mGuiManager)
    {
        mGuiManager->Init();
    }
    NamedObjectContainer::InitAll();
}

void Main::ResetAll()
{
    if (mGuiManager)
    {
        mGuiManager->Reset();
    }
    NamedObjectContainer::ResetAll();
}

void Main::SetCurrent(std::uint16_t index)
{
    if (index >= Count())
    {
        Korrin::ReportAndBreak("Main::SetCurrent", Korrin::kGameModule, kSource, 114);
        return;
    }
    Korrin::LogManager::GetInstance()->Write("SetCurrent %i", static_cast<int>(index));
    if (mCurrent < Count())
    {
        GetByIndex(mCurrent)->SetActive(false);
    }
    mCurrent = index;
    Blank* screen = GetByIndex(mCurrent);
    screen->Reset();
    screen->SetActive(true);
    Korrin::TimerManager::GetInstance()->Reset();
}

bool Main::UpdateList(float dt)
{
    if (mCurrent >= Count())
    {
        Korrin::ReportAndBreak("Main::UpdateList", Korrin::kGameModule, kSource, 162);
        return true;
    }
    const bool result = GetByIndex(mCurrent)->Update(dt);
    if (mGuiManager && !mGuiManager->Update(dt))
    {
        return false;
    }
    return result;
}

void Main::DrawList()
{
    if (mCurrent >= Count())
    {
        Korrin::ReportAndBreak(" Main::DrawList", Korrin::kGameModule, kSource, 186);
        return;
    }
    GetByIndex(mCurrent)->Draw();
    if (mGuiManager)
    {
        mGuiManager->Draw();
    }
}
