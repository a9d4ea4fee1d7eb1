#include "game/Game/Level.h"

#include "engine/App/InputManager.h"
#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Log/ReportFileScope.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/Clickable.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/GameInfo.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GamePanelPers.h"
#include "game/Game/LevelBackdrop.h"
#include "game/Game/LevelContent.h"
#include "game/Game/LevelFile.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/LoadProgress.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Main.h"
#include "game/Util/InputLocks.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace
{

constexpr const char* kSource = "Source\\Game\\Level";
constexpr std::uint8_t kStatisticsWindow = 2;
constexpr float kEndDelay = 1.0f;

} // namespace

Level::Level() : mContent(LevelContent::Standard())
{
    // Every saveable object built from here on registers with the level's save manager.
    mSaveManager = std::make_unique<SaveLoadManager>();
    mTaskInfo = std::make_unique<LevelTaskInfo>();
}

Level::~Level()
{
    Korrin::LogManager::GetInstance()->Write("Level::~Level()");
    // The members go first: an entity or a character may still reach the goals or the save manager
    // while it is destroyed.
    DeleteAll();
    mSaveManager.reset();
    mTaskInfo.reset();
    mObjects.clear();
}

std::string Level::FileName(std::uint16_t level)
{
    char name[16];
    std::snprintf(name, sizeof(name), "lev%02u.lev", static_cast<unsigned>(level));
    return name;
}

std::uint8_t Level::GoodsFromFileCode(std::uint8_t code)
{
    static constexpr std::uint8_t kGoods[] = {84,  85,  86,  87,  88,  89,  92,  95,  98,  101,
                                              104, 107, 110, 113, 114, 115, 118, 119, 122, 125};
    if (code >= 1 && code <= std::size(kGoods))
    {
        return kGoods[code - 1];
    }
    Korrin::LogManager::GetInstance()->Write("НЕТ ТАКОГО ТИПА !!!");
    return 0;
}

std::uint16_t Level::BuildingBaseCode(std::uint8_t code)
{
    return static_cast<std::uint16_t>(26 + 4 * ((code - 25) / 4));
}

bool Level::Load(std::uint16_t level)
{
    mTaskInfo->level = level;
    const std::string name = FileName(level);
    Korrin::LogManager::GetInstance()->Write("Load level %s", name.c_str());
    // An empty file is reported by its read, and then again as too short: one question for the file.
    const Korrin::ReportFileScope reportsOfTheFile(name);
    Korrin::FileData data;
    Korrin::FileSysManager* files = Korrin::FileSysManager::Peek();
    if (files == nullptr || !files->FindFileData(name, data))
    {
        Korrin::ReportAndBreak(name + "file not found! (Level::Load)", Korrin::kEngineModule, kSource, 356);
        return false;
    }
    LevelFile file;
    if (!file.Parse({data.GetData(), data.GetSize()}, name))
    {
        Korrin::ReportAndBreak(name + " is damaged: it ends before its grids (Level::Load)",
                               Korrin::kEngineModule, kSource, 356);
        return false;
    }
    Build(file);
    return true;
}

void Level::InitAll()
{
    if (mUpdateList.empty())
    {
        return;
    }
    const std::unique_ptr<LoadProgress> screen = Main::MakeLevelLoadScreen();
    screen->Draw(0.0f);
    screen->Draw(0.02f);
    const auto count = static_cast<float>(mUpdateList.size());
    float done = 0.0f;
    for (Blank* member : mUpdateList)
    {
        member->Init();
        done += 1.0f;
        screen->Draw(done / count);
    }
    screen->Draw(1.0f);
}

void Level::ResetLevel()
{
    NamedObjectContainer::ResetAll();
    std::stable_sort(mObjects.begin(), mObjects.end(), CompareObjects);
    mTaskInfo->levelTime = 0.0f;
}

void Level::AddObject(Clickable* object)
{
    mObjects.push_back(object);
    mPending = nullptr;
}

void Level::SetPendingObject(Clickable* object)
{
    mPending = std::find(mObjects.begin(), mObjects.end(), object) != mObjects.end() ? object : nullptr;
}

bool Level::CompareObjects(const Clickable* a, const Clickable* b)
{
    if (a->IsClickedLast())
    {
        return false;
    }
    if (b->IsClickedLast())
    {
        return true;
    }
    return a->GetRect().top < b->GetRect().top;
}

void Level::RouteMouse()
{
    if (mPending != nullptr && !mPending->IsSelectable())
    {
        mPending->ClearPressed();
        mPending = nullptr;
    }
    for (Clickable* object : mObjects)
    {
        object->ClearHover();
    }
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    Korrin::RenderSystem* render = Korrin::RenderSystem::Peek();
    if (input == nullptr || render == nullptr)
    {
        return;
    }
    const Korrin::Vector2 mouse = *render->WindowToVirtual({input->GetX(), input->GetY()});
    for (Clickable* object : mObjects)
    {
        if (object->IsSelectable() && object->IsPointInside(mouse))
        {
            break;
        }
    }
    GamePanel* panel = GamePanel::Peek();
    if (!input->IsButtonPressed(Korrin::InputManager::kLeftButton) ||
        (panel != nullptr && panel->IsPointOverPanel(mouse)))
    {
        return;
    }
    for (Clickable* object : mObjects)
    {
        object->ClearPressed();
    }
    mPending = nullptr;
    for (Clickable* object : mObjects)
    {
        if (object->IsSelectable() && object->TryClick())
        {
            // A worker's click has already made its home entity the selection.
            if (!object->SelectsHomeOnClick())
            {
                mPending = object;
            }
            break;
        }
    }
    if (panel != nullptr && (mPending == nullptr || !mPending->HasPanelPage()))
    {
        panel->SetCurrent(0);
    }
}

bool Level::Update(float dt)
{
    if (InputLocks::third)
    {
        for (Clickable* object : mObjects)
        {
            object->ClearHover();
            object->ClearPressed();
        }
    }
    else
    {
        mTaskInfo->levelTime += dt;
    }
    if (!InputLocks::first && !InputLocks::second && !InputLocks::third)
    {
        RouteMouse();
        if (mTaskInfo->allGoalsMet != 0)
        {
            mEndTimer += dt;
            if (mEndTimer > kEndDelay)
            {
                if (Korrin::SoundManager* sound = Korrin::SoundManager::Peek())
                {
                    sound->StopMusic();
                }
                if (Main* main = Main::Peek(); main != nullptr && main->GetGameGuiManager() != nullptr)
                {
                    main->GetGameGuiManager()->Show(kStatisticsWindow);
                }
                return false;
            }
        }
    }
    if (mPending != nullptr)
    {
        mPending->OnGuiEvent();
    }
    return UpdateAll(dt);
}

void Level::DrawOverlays()
{
    mContent.DrawOverlays(*this);
}
