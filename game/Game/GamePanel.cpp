#include "game/Game/GamePanel.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiImage.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Util/CheckedInteger.h"
#include "engine/Util/ValueText.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/Clickable.h"
#include "game/Game/GamePanelPers.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Main.h"
#include "game/Pers/PersManager.h"
#include "game/Util/InputLocks.h"
#include "game/Util/TextFormat.h"
#include "game/Util/VirtualMouse.h"

#include <algorithm>
#include <cstdio>

namespace
{

constexpr const char* kSource = "Source\\Game\\GamePanel";
constexpr const char* kLayout = "Panel.gui";
constexpr const char* kPanelNames[GamePanel::kPanelCount] = {
    "PanelEmpty",      "PanelGarden", "PanelWaterwell",        "PanelBuilding",
    "PanelStorehouse", "PanelShop",   "PanelShopStore",        "PanelRope",
    "PanelGardener",   "PanelWorker", "PanelBuyTableBuilding", "PanelBuyTableRope"};
constexpr std::uint32_t kLongLevelAchievement = 14;
constexpr std::uint32_t kLongLevelMinutes = 30;
constexpr float kTabTop = 635.0f;
constexpr float kTabBottom = 675.0f;
constexpr float kFirstTabRight = 188.0f;
constexpr float kSecondTabRight = 360.0f;
constexpr Korrin::Colour kFirstMedalColour{0.68f, 0.23f, 0.0f, 1.0f};
constexpr Korrin::Colour kSecondMedalColour{0.23f, 0.23f, 0.23f, 1.0f};
constexpr Korrin::Colour kTargetColour{0.22f, 0.08f, 0.0f, 1.0f};
constexpr Korrin::Colour kReachedColour{0.55f, 0.12f, 0.0f, 1.0f};
constexpr float kGoalScale = 0.7f;

bool HasTwoTabs(std::uint16_t panel)
{
    return panel == 1 || panel == 3 || panel == GamePanel::kGardenerPage || panel == GamePanel::kWorkerPage;
}

std::u16string ClockText(std::uint32_t minutes, std::uint32_t seconds)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%02u:%02u", minutes, seconds);
    return AnsiToWide(text);
}

template <typename Element>
Element* Find(Korrin::GuiContainer* container, const char* name)
{
    return container != nullptr ? dynamic_cast<Element*>(container->GetByName(name)) : nullptr;
}

} // namespace

GamePanel::GamePanel() : mPers(std::make_unique<GamePanelPers>()) {}

void GamePanel::LockForWindow()
{
    if (Korrin::GuiContainer* panel = GetPanel(mCurrent))
    {
        panel->SetDisabled(true);
    }
    if (Korrin::GuiContainer* top = GetTopInfo())
    {
        top->SetDisabled(false);
        top->Update();
        top->SetDisabled(true); // which also clears every control's hover and press
    }
}

void GamePanel::UnlockAfterWindow()
{
    if (Korrin::GuiContainer* panel = GetPanel(mCurrent))
    {
        panel->SetDisabled(false);
    }
    if (Korrin::GuiContainer* top = GetTopInfo())
    {
        top->SetDisabled(false);
    }
}

GamePanel::~GamePanel() = default;

void GamePanel::Init()
{
    // Without a widget manager (a headless test of the game screen) the pages are empty places.
    Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    Korrin::GuiContainer* top = widgets != nullptr ? widgets->CreateContainer("TopInfo", kLayout) : nullptr;
    if (top != nullptr)
    {
        mTopContainers.push_back(top);
        top->SetDisabled(true);
        top->Update();
        if (auto* money = Find<Korrin::GuiText>(top, "Money_Text"))
        {
            mMoneyArea = money->mTextArea;
        }
    }
    for (const char* name : kPanelNames)
    {
        mPanels.push_back(widgets != nullptr ? widgets->CreateContainer(name, kLayout) : nullptr);
    }
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mIcons = sprites->LoadAnimatedSprite("icons", "MapShop.lua");
        mUpgradeDots = sprites->LoadAnimatedSprite("UpgradeDots", kLayout);
        mTaskTable = sprites->LoadAnimatedSprite("TaskTable", kLayout);
        mTaskTableObjList = sprites->LoadAnimatedSprite("TaskTableObjList", kLayout);
        mMedal = sprites->LoadAnimatedSprite("Medal", kLayout);
        mTopTaskPanel = sprites->LoadAnimatedSprite("TopTaskPanel", kLayout);
        mClosingRod = sprites->LoadAnimatedSprite("ClosingRod", kLayout);
        mCheckSprite = sprites->LoadAnimatedSprite("CheckSprite", kLayout);
        mSelectedTab = sprites->LoadSprite("SprSelectedTab", kLayout);
    }
    if (Korrin::FontManager* fonts = Korrin::FontManager::Peek())
    {
        // The goal figures: the bold face, so that they read on the wooden strip.
        mFont = fonts->GetFont("font03.fnt");
    }
    mPers->Load();
    SetActive(false);
}

void GamePanel::Reset()
{
    mPers->Reset();
    mLastShown = 0;
    ShowPanel(kNoPanel);
    mInfoReady = 0;
}

void GamePanel::SetPanelParam(Clickable* object, std::int32_t picture, std::uint32_t level,
                              std::uint32_t levels, std::uint32_t /*fourth*/)
{
    mTabOwner = object;
    mIconIndex = picture;
    mUpgradeLevel = level;
    mUpgradeMax = levels;
}

void GamePanel::ClearSelection()
{
    mTabOwner = nullptr;
    mUpgradeLevel = 0;
    mUpgradeMax = 0;
    mIconIndex = -1;
}

void GamePanel::SetActive(bool on)
{
    Blank::SetActive(on);
    if (on)
    {
        SetCurrent(0);
        ClearSelection();
    }
}

Korrin::GuiContainer* GamePanel::GetPanel(std::uint16_t index) const
{
    return index < mPanels.size() ? mPanels.Elements()[index] : nullptr;
}

void GamePanel::SetCurrent(std::uint16_t index)
{
    if (index >= mPanels.size())
    {
        Korrin::ReportAndBreak("GamePanel::SetCurrent", Korrin::kGameModule, kSource, 159);
        return;
    }
    if (index == 0)
    {
        ClearSelection();
    }
    mCurrent = index;
    ShowPanel(index);
}

std::uint16_t GamePanel::PanelOfType(std::uint16_t type)
{
    switch (type)
    {
    case 5:
    case 132:
        return 1;
    case 14:
        return 2;
    case 10:
        return 4;
    case 17:
        return 5;
    case 1:
        return 7;
    case 129:
        return 11;
    default:
        break;
    }
    if (type >= 25 && type <= 66)
    {
        if ((type - 26) % 4 == 0)
        {
            return 3;
        }
        if ((type - 25) % 4 == 0)
        {
            return 10;
        }
    }
    return 0;
}

void GamePanel::SetCurrentByType(std::uint16_t type)
{
    const std::uint16_t panel = PanelOfType(type);
    SetCurrent(panel);
    if (panel == 0)
    {
        ClearSelection();
    }
}

void GamePanel::ShowPanel(std::uint16_t index)
{
    for (std::uint16_t i = 0; i < mPanels.size(); ++i)
    {
        Korrin::GuiContainer* panel = mPanels.Elements()[i];
        if (panel == nullptr)
        {
            continue;
        }
        if (i != index && !panel->IsDisabled())
        {
            panel->SetDisabled(true);
        }
        else if (i == index && panel->IsDisabled())
        {
            panel->SetDisabled(false);
        }
    }
    if (index != mLastShown && index < mPanels.size() && mPanels.Elements()[index] != nullptr)
    {
        mPanels.Elements()[index]->Update();
    }
    mLastShown = index;
}

bool GamePanel::IsPointOverPanel(const Korrin::Vector2& point) const
{
    if (point.x >= 0.0f && point.x <= 1026.0f && point.y >= 675.0f && point.y <= 770.0f)
    {
        return true;
    }
    if (mCurrent == 0)
    {
        return false;
    }
    const float right = HasTwoTabs(mCurrent) ? kSecondTabRight : kFirstTabRight;
    return point.x >= 0.0f && point.x <= right && point.y >= kTabTop && point.y <= kTabBottom;
}

float GamePanel::GoalTextBase(std::size_t i, bool money, bool firstIsMoney)
{
    const float x = 10.0f + 87.0f * static_cast<float>(i);
    if (money)
    {
        return x - 4.0f;
    }
    return firstIsMoney ? x + 80.0f : x;
}

std::uint32_t GamePanel::MedalFrame(std::uint32_t t, std::uint32_t first, std::uint32_t second)
{
    if (t < first)
    {
        return 0;
    }
    return t < second ? 1 : 2;
}

bool GamePanel::Update(float dt)
{
    UpdateInfo(dt);
    mPers->Update(dt);
    mHoveredTab = -1;
    UpdateTabs();
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    if (clicked != nullptr && clicked->GetName() == "GAMEPANELMENU")
    {
        Korrin::PlaySoundOnce("click_button");
        const Main* main = Main::Peek();
        if (main != nullptr && main->GetGameGuiManager() != nullptr)
        {
            main->GetGameGuiManager()->Show(kGameMenuWindow);
        }
    }
    return true;
}

void GamePanel::UpdateTabs()
{
    if (mTabOwner == nullptr || !HasTwoTabs(mCurrent))
    {
        return;
    }
    Korrin::Vector2 mouse;
    if (!VirtualMousePosition(mouse) || mouse.y < kTabTop || mouse.y > kTabBottom || mouse.x < 0.0f)
    {
        return;
    }
    if (mouse.x <= kFirstTabRight)
    {
        mHoveredTab = 0;
    }
    else if (mouse.x <= kSecondTabRight)
    {
        mHoveredTab = 1;
    }
    else
    {
        return;
    }
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    if (input != nullptr && input->IsButtonPressed(Korrin::InputManager::kLeftButton) &&
        !InputLocks::second && !InputLocks::third)
    {
        mTabOwner->SetPanelMode(static_cast<std::uint32_t>(mHoveredTab));
        mTabOwner->ChangeGui();
        Korrin::PlaySoundOnce("click_button");
    }
}

void GamePanel::UpdateInfo(float dt)
{
    PlayGoalEffects();
    UpdateMoney();
    UpdateClock(dt);
    mInfoReady = 1;
}

void GamePanel::PlayGoalEffects()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (task == nullptr || task->goals.empty())
    {
        return;
    }
    const auto& goals = task->goals.Elements();
    const bool firstIsMoney = goals.front().goods == LevelTaskInfo::kMoneyGoods;
    for (std::size_t i = 0; i < goals.size() && i < mGoalDone.size(); ++i)
    {
        if (goals[i].remaining != 0 || !mGoalDone[i])
        {
            continue;
        }
        const bool money = goals[i].goods == LevelTaskInfo::kMoneyGoods;
        const float base = GoalTextBase(i, money, firstIsMoney);
        Korrin::PlaySoundOnce("complete_one_goods");
        if (GameParticleManager* particles = GameParticleManager::Peek())
        {
            particles->AddParticleToDQ(kParticleCompleteOneGoods, {base + (money ? 100.0f : 55.0f), 18.0f});
        }
        mGoalDone[i] = false;
    }
}

void GamePanel::UpdateMoney()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    auto* money = Find<Korrin::GuiText>(GetTopInfo(), "Money_Text");
    if (task == nullptr || money == nullptr)
    {
        return;
    }
    money->mTextArea = mMoneyArea;
    money->Update();
    money->mCaption = AnsiToWide(Korrin::ToString(task->money));
}

void GamePanel::UpdateClock(float dt)
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (task == nullptr)
    {
        return;
    }
    const std::uint32_t minutes = task->ClockMinutes();
    const std::uint32_t seconds = task->ClockSeconds();
    Korrin::GuiContainer* top = GetTopInfo();
    if (auto* time = Find<Korrin::GuiText>(top, "Time_Text"))
    {
        time->mCaption = ClockText(minutes, seconds);
    }
    if (PersManager* characters = PersManager::Peek())
    {
        characters->StartThieves(static_cast<std::uint8_t>(minutes), static_cast<std::uint8_t>(seconds), dt);
    }
    if (minutes >= kLongLevelMinutes && seconds > 0)
    {
        if (AchievementSystem* achievements = AchievementSystem::Peek())
        {
            achievements->AddProgress(kLongLevelAchievement, 1);
        }
    }
    auto* bonus = Find<Korrin::GuiText>(top, "BonuseTime_Text");
    if (bonus == nullptr)
    {
        return;
    }
    const std::uint32_t t = minutes * 60 + seconds;
    const std::uint32_t first = task->goldMinutes * 60u + task->goldSeconds + 1u;
    const std::uint32_t second = task->silverMinutes * 60u + task->silverSeconds + 1u;
    const std::uint32_t frame = MedalFrame(t, first, second);
    auto* medal = Find<Korrin::GuiImage>(top, "Medal");
    if (medal != nullptr && mMedal != nullptr && mMedal->GetFrameCount() > 0)
    {
        const auto last = static_cast<std::uint16_t>(mMedal->GetFrameCount() - 1);
        medal->SetSrcRect(mMedal->GetFrameRect(std::min(static_cast<std::uint16_t>(frame), last)));
    }
    if (frame == 0)
    {
        bonus->mCaption = ClockText(task->goldMinutes, task->goldSeconds);
        bonus->SetColourV(kFirstMedalColour);
    }
    else if (frame == 1)
    {
        bonus->mCaption = ClockText(task->silverMinutes, task->silverSeconds);
        bonus->SetColourV(kSecondMedalColour);
    }
    else
    {
        bonus->mCaption.clear();
    }
}

void GamePanel::Draw()
{
    if (mInfoReady == 0)
    {
        return;
    }
    if (mCurrent >= mPanels.size())
    {
        Korrin::ReportAndBreak(" GamePanel::Draw", Korrin::kGameModule, kSource, 691);
        return;
    }
    for (Korrin::GuiContainer* top : mTopContainers)
    {
        top->Draw();
    }
    if (Korrin::GuiContainer* panel = mPanels.Elements()[mCurrent])
    {
        panel->Draw();
    }
    if (mIconIndex >= 0 && mIcons != nullptr && mIcons->GetFrameCount() > 0)
    {
        const std::size_t frame =
            std::min<std::size_t>(static_cast<std::size_t>(mIconIndex), mIcons->GetFrameCount() - 1);
        mIcons->DrawFrame(static_cast<std::uint16_t>(frame), 42, 684);
    }
    DrawTaskTable();
    mPers->Draw();
    if (mSelectedTab != nullptr && mHoveredTab >= 0)
    {
        mSelectedTab->Draw(mHoveredTab == 0 ? -3 : 170, 635);
    }
    DrawUpgradeDots();
}

void GamePanel::DrawUpgradeDots()
{
    if (mCurrent == 0 || mUpgradeDots == nullptr || mUpgradeDots->GetFrameCount() == 0)
    {
        return;
    }
    const int offset = mUpgradeMax == 3 ? 20 : (mUpgradeMax == 4 ? 7 : 0);
    const std::uint32_t still = mUpgradeMax > mUpgradeLevel ? mUpgradeMax - mUpgradeLevel - 1 : 0;
    for (std::uint32_t k = 0; k < mUpgradeMax; ++k)
    {
        mUpgradeDots->DrawFrame(k < still ? 0 : 1, 167, 685 + offset + 15 * static_cast<int>(k));
    }
}

void GamePanel::DrawTaskTable()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (task == nullptr || task->goals.empty())
    {
        return;
    }
    const auto& goals = task->goals.Elements();
    const bool firstIsMoney = goals.front().goods == LevelTaskInfo::kMoneyGoods;
    if (firstIsMoney && mClosingRod != nullptr)
    {
        mClosingRod->DrawFrame(0, Korrin::CheckedInteger<int>(mClosingRod->GetPosition().x),
                               Korrin::CheckedInteger<int>(mClosingRod->GetPosition().y));
    }
    for (std::size_t i = 0; i < goals.size(); ++i)
    {
        const LevelTaskInfo::Obj& goal = goals[i];
        const bool money = goal.goods == LevelTaskInfo::kMoneyGoods;
        const float x = 10.0f + 87.0f * static_cast<float>(i);
        const float shift = firstIsMoney ? 80.0f : 0.0f;
        const float base = GoalTextBase(i, money, firstIsMoney);
        const std::int32_t index = GetGoodsIndex(goal.goods);
        if (index >= 0 && mTaskTableObjList != nullptr && mTaskTableObjList->GetFrameCount() > 0)
        {
            const std::size_t frame = std::min<std::size_t>(static_cast<std::size_t>(index),
                                                            mTaskTableObjList->GetFrameCount() - 1);
            mTaskTableObjList->DrawFrame(static_cast<std::uint16_t>(frame),
                                         static_cast<int>(x + 9.0f + (money ? 0.0f : shift)), 4);
        }
        if (goal.remaining == 0)
        {
            if (mCheckSprite != nullptr)
            {
                mCheckSprite->DrawFrame(0, static_cast<int>(base + (money ? 85.0f : 40.0f)), 4);
            }
            continue;
        }
        if (mFont == nullptr)
        {
            continue;
        }
        const float split = base + (money ? 100.0f : 52.0f);
        const float left = base + (money ? 40.0f : 22.0f);
        const float right = base + (money ? 160.0f : 82.0f);
        char target[16];
        char reached[16];
        std::snprintf(target, sizeof(target), "%d", static_cast<int>(goal.target));
        std::snprintf(reached, sizeof(reached), "/%d", static_cast<int>(goal.target - goal.remaining));
        mFont->DrawAlignedScaled({left, 4.0f, split, 28.0f}, AnsiToWide(target), 1.0f, 1.0f, kGoalScale,
                                 kGoalScale, kTargetColour,
                                 Korrin::Font::kAlignRight | Korrin::Font::kAlignCentreY);
        mFont->DrawAlignedScaled({split, 4.0f, right, 28.0f}, AnsiToWide(reached), 1.0f, 1.0f, kGoalScale,
                                 kGoalScale, kReachedColour, 1u | Korrin::Font::kAlignCentreY);
    }
}
