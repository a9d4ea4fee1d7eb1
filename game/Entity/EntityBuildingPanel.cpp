// The player's side of EntityBuilding: its panel pages, its hover hints, its drawing and its save record.
#include "engine/Gui/Font.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/RenderData.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/BuildingKind.h"
#include "game/Entity/BuildingWorker.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityManager.h"
#include "game/Game/GamePanel.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Util/Hint.h"
#include "game/Util/HintArrow.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"
#include "game/Util/TextFormat.h"

#include <array>
#include <cmath>
#include <string>

namespace
{

constexpr std::array<const char*, 3> kOrderButtons{"BUILDING_TASK1", "BUILDING_TASK2", "BUILDING_TASK3"};

constexpr std::array<const char*, 4> kCancelElements{"CHAR_CANCEL_CHARACTER", "CHAR_CANCEL_PROGRESS",
                                                     "CHAR_CANCEL_BORDER", "CHAR_CANCEL_PROGRESS_PANEL"};

constexpr std::uint32_t kLevelMarks = 3;
constexpr std::int32_t kBoyPicture = 3;
constexpr std::int32_t kFairyPicture = 6;
constexpr float kLockedAlpha = 0.7f;

// Where an order button's goods picture sits in it; a locked button shows its lock instead.
constexpr Korrin::Vector2 kOrderPicturePosition{15.0f, 5.0f};
constexpr Korrin::Vector2 kLockedPicturePosition{1.0f, 0.0f};

// The worker's picture on the hire and sell buttons.
constexpr std::uint16_t kBoyIcon = 1;
constexpr std::uint16_t kFairyIcon = 2;
constexpr std::uint16_t kBoyLeavingIcon = 3;
constexpr std::uint16_t kFairyLeavingIcon = 4;
constexpr std::uint16_t kUpgradeLockedFrame = 1;
constexpr char16_t kSmile = u'\u263A';
constexpr float kHintInset = 30.0f;
constexpr float kSignHintRise = 30.0f;

std::int32_t Money()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr ? task->money : 0;
}

// Takes the price from the level's money; false, with nothing taken, when it does not reach.
bool Pay(std::uint16_t price)
{
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr && task->AddMoney(-static_cast<std::int32_t>(price));
}

Korrin::GuiButton* Button(Korrin::GuiContainer& page, const char* name)
{
    return dynamic_cast<Korrin::GuiButton*>(page.GetByName(name));
}

// Lets a caption of the page show another translated text.
void SetCaptionName(Korrin::GuiContainer& page, const char* element, const char* text)
{
    if (auto* caption = dynamic_cast<Korrin::GuiText*>(page.GetByName(element)))
    {
        caption->mCaption.clear();
        caption->SetCaptionName(text);
    }
}

// Shown: visible and enabled; hidden: neither.
void Show(Korrin::GuiElement* element, bool shown)
{
    if (element == nullptr)
    {
        return;
    }
    element->SetVisible(shown);
    if (auto* button = dynamic_cast<Korrin::GuiButton*>(element))
    {
        button->SetDisabled(!shown);
    }
}

} // namespace

void EntityBuilding::ChangeGui()
{
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr)
    {
        return;
    }
    if (mPanelMode == kBuildingMode)
    {
        panel->SetCurrentByType(mType);
        panel->SetPanelParam(this, GetDescriptionNumber(mUpgradeLevel), mUpgradeLevel, kLevelMarks, 0);
    }
    else if (mPanelMode == kWorkerMode)
    {
        panel->SetCurrent(GamePanel::kWorkerPage);
        const std::uint16_t level = BuildingWorker::GetUpgradeLevel(mWorker);
        std::int32_t picture = level;
        if (mWorker != nullptr && mWorker->GetType() == kBoyType)
        {
            picture += kBoyPicture;
        }
        else if (mWorker != nullptr && mWorker->GetType() == kFairyType)
        {
            picture += kFairyPicture;
        }
        panel->SetPanelParam(this, picture, level, kLevelMarks, 0);
    }
    Korrin::GuiContainer* page = panel->GetPanel(panel->GetCurrent());
    if (page == nullptr || panel->GetCurrent() == 0)
    {
        return;
    }
    if (mPanelMode == kBuildingMode)
    {
        FillBuildingPage(*page);
    }
    else if (mPanelMode == kWorkerMode)
    {
        FillWorkerPage(*page);
    }
}

const char* EntityBuilding::PageTitle() const
{
    return mKind != nullptr ? mKind->title : "PANEL_BUILDING";
}

void EntityBuilding::FillBuildingPage(Korrin::GuiContainer& page)
{
    SetCaptionName(page, "PanelBuilding_Title", PageTitle());
    SetCaptionName(page, "PanelBuilding_TabText1", PageTitle());
    Korrin::GuiButton* buy = Button(page, "TABBUILDING_BUY");
    Korrin::GuiButton* upgrade = Button(page, "BUILDING_UPGRADE");
    if (IsForSale())
    {
        Show(upgrade, false);
        Show(buy, true);
        for (const char* name : kOrderButtons)
        {
            Show(page.GetByName(name), false);
        }
        if (buy != nullptr)
        {
            const std::uint16_t price = CostRecord::GetLevelValue(0, mCost);
            buy->SetCaptionW(TextFormat::Decimal(price));
            buy->SetDisabled(price > Money());
        }
        return;
    }
    Show(buy, false);
    Show(upgrade, true);
    SetUpgradeButton(CostRecord::GetLevelValue(static_cast<std::uint16_t>(mUpgradeLevel + 1), mCost),
                     upgrade);
    FillOrderButtons(page);
}

void EntityBuilding::FillOrderButtons(Korrin::GuiContainer& page)
{
    const bool hired = BuildingWorker::IsActive(mWorker);
    for (std::uint8_t i = 0; i < kOrderButtons.size(); ++i)
    {
        Korrin::GuiButton* button = Button(page, kOrderButtons[i]);
        if (button == nullptr)
        {
            continue;
        }
        const std::uint16_t price = OrderPrice(GetProductGoods(i));
        button->SetVisible(true);
        button->SetDisabled(false);
        button->SetAlpha(1.0f);
        if (i >= mUpgradeLevel + 1)
        {
            button->SetDisabled(true);
            button->SetFrame(0);
            button->SetDisabledSpritePosition(kLockedPicturePosition);
            button->SetCaption("");
            button->SetCaptionW(u"");
            continue;
        }
        button->SetFrame(static_cast<std::uint16_t>(GetOrderIconFrame() + i));
        button->SetDisabledSpritePosition(kOrderPicturePosition);
        button->SetCaptionW(TextFormat::Decimal(price));
        if (hired)
        {
            button->SetDisabled(price > Money());
        }
        else
        {
            button->SetDisabled(true);
            button->SetAlpha(kLockedAlpha);
        }
    }
}

void EntityBuilding::FillWorkerPage(Korrin::GuiContainer& page)
{
    SetCaptionName(page, "PanelWorker_TabText1", PageTitle());
    SetCaptionName(page, "PanelWorker_Title", mKind != nullptr && mKind->fairy ? "GOODS_FAIRY" : "GOODS_BOY");
    Korrin::GuiButton* hire = Button(page, "CHAR_BUY");
    Korrin::GuiButton* upgrade = Button(page, "CHAR_UPGRADE");
    Korrin::GuiButton* sale = Button(page, "CHAR_SALE");
    if (!BuildingWorker::IsActive(mWorker))
    {
        Show(upgrade, false);
        Show(sale, false);
        for (const char* name : kCancelElements)
        {
            Show(page.GetByName(name), false);
        }
        Show(hire, true);
        if (hire != nullptr)
        {
            FillWorkerHire(*hire);
        }
        return;
    }
    Show(hire, false);
    const bool selling = mSaleTimer > kNoSale;
    Show(upgrade, !selling);
    Show(sale, !selling);
    for (const char* name : kCancelElements)
    {
        Show(page.GetByName(name), selling);
    }
    if (selling)
    {
        return;
    }
    if (sale != nullptr)
    {
        sale->SetCaptionW(TextFormat::Decimal(WorkerHirePrice() / 2u));
        sale->SetFrame(mKind != nullptr && mKind->fairy ? kFairyLeavingIcon : kBoyLeavingIcon);
    }
    if (upgrade != nullptr)
    {
        FillWorkerUpgrade(*upgrade);
    }
}

void EntityBuilding::FillWorkerHire(Korrin::GuiButton& hire)
{
    const std::uint16_t price = WorkerHirePrice();
    hire.SetCaptionW(TextFormat::Decimal(price));
    hire.SetFrame(mKind != nullptr && mKind->fairy ? kFairyIcon : kBoyIcon);
    hire.SetDisabled(price > Money());
}

void EntityBuilding::FillWorkerUpgrade(Korrin::GuiButton& upgrade)
{
    const CostRecord& cost = BuildingWorker::GetCost(mWorker);
    const std::uint16_t level = BuildingWorker::GetUpgradeLevel(mWorker);
    if (level == cost.maxLevel)
    {
        upgrade.SetCaptionW(std::u16string(1, kSmile));
        upgrade.SetDisabled(true);
    }
    else if (level >= cost.upgradeLevel)
    {
        upgrade.SetDisabled(true);
        upgrade.SetFrame(kUpgradeLockedFrame);
        upgrade.SetCaption("");
        upgrade.SetCaptionW(u"");
    }
    else
    {
        const std::uint16_t price = WorkerUpgradePrice();
        upgrade.SetCaptionW(TextFormat::Decimal(price));
        upgrade.SetFrame(0);
        upgrade.SetDisabled(price > Money());
    }
}

void EntityBuilding::OnGuiEvent()
{
    Korrin::GuiManager* gui = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = gui != nullptr ? gui->GetMessage() : nullptr;
    if (clicked == nullptr)
    {
        return;
    }
    const std::string& name = clicked->GetName();
    if (name == "BUILDING_UPGRADE")
    {
        if (!PayForBuildingUpgrade())
        {
            return;
        }
        UpgradeBuilding();
    }
    else if (name == kOrderButtons[0] || name == kOrderButtons[1] || name == kOrderButtons[2])
    {
        OrderGoods(static_cast<std::uint8_t>(name.back() - '1'));
    }
    else if (name == "CHAR_UPGRADE")
    {
        if (!UpgradeWorker())
        {
            return;
        }
    }
    else if (name == "CHAR_SALE")
    {
        mSaleTimer = 0.0f;
        Korrin::PlaySoundOnce("click_button");
    }
    else if (name == "CHAR_BUY")
    {
        if (!HireWorker())
        {
            return;
        }
    }
    else if (name == "TABBUILDING_BUY")
    {
        if (!IsForSale() || !Pay(CostRecord::GetLevelValue(0, mCost)))
        {
            return;
        }
        Buy();
    }
    else if (name == "CHAR_CANCEL_CHARACTER")
    {
        mSaleTimer = kNoSale;
        Korrin::PlaySoundOnce("click_button");
    }
    else
    {
        return;
    }
    ChangeGui();
}

bool EntityBuilding::PayForBuildingUpgrade()
{
    // Refused before paying: past the unlocked maximum or the last of the three looks.
    const auto next = static_cast<std::uint16_t>(mUpgradeLevel + 1);
    if (IsForSale() || next > mCost.upgradeLevel || next > mCost.maxLevel || next >= kLevels)
    {
        return false;
    }
    return Pay(CostRecord::GetLevelValue(next, mCost));
}

void EntityBuilding::OrderGoods(std::uint8_t order)
{
    if (!AddTask(GetProductGoods(order)))
    {
        return;
    }
    Korrin::PlaySoundOnce("click_button");
    if (mTasks.size() == 1)
    {
        Korrin::PlaySoundOnce(mWorker != nullptr && mWorker->GetType() == kBoyType ? "boy_ok" : "fairy_ok");
    }
}

bool EntityBuilding::UpgradeWorker()
{
    const CostRecord& cost = BuildingWorker::GetCost(mWorker);
    const auto next = static_cast<std::uint16_t>(BuildingWorker::GetUpgradeLevel(mWorker) + 1);
    // Refused before paying when the worker is already at its unlocked maximum.
    if (!BuildingWorker::IsActive(mWorker) || next > cost.upgradeLevel || next > cost.maxLevel ||
        !Pay(WorkerUpgradePrice()))
    {
        return false;
    }
    BuildingWorker::Upgrade(mWorker);
    return true;
}

bool EntityBuilding::HireWorker()
{
    if (mWorker == nullptr || BuildingWorker::IsActive(mWorker) || !Pay(WorkerHirePrice()))
    {
        return false;
    }
    Level* level = Level::Peek();
    EntityManager* entities = level != nullptr ? level->GetEntityManager() : nullptr;
    if (Entity* store = entities != nullptr ? entities->GetEntity(kStorehouse) : nullptr)
    {
        mWorker->SetIJ(store->GetWalkI(), store->GetWalkJ());
    }
    mWorker->SetActive(true);
    Korrin::PlaySoundOnce("buy_character");
    return true;
}

bool EntityBuilding::IsPointInside(const Korrin::Vector2& point)
{
    const std::string name = GetBuildingName(mType);
    if (IsForSale())
    {
        const Korrin::Rect& sign = mSignRect;
        if (point.x < sign.left || point.x > sign.right || point.y < sign.top || point.y > sign.bottom)
        {
            return false;
        }
        mHover = 1;
        if (HintManager* hints = HintManager::Peek())
        {
            hints->Show("BuyTable" + name + "Hint", 1,
                        {(sign.left + sign.right) * 0.5f, (sign.top + sign.bottom) * 0.5f - kSignHintRise});
        }
        return true;
    }
    if (!Clickable::IsPointInside(point))
    {
        return false;
    }
    ShowBuildingHint(name + "Hint" + std::to_string(mUpgradeLevel));
    return true;
}

void EntityBuilding::ShowBuildingHint(const std::string& name)
{
    HintManager* hints = HintManager::Peek();
    HintManager::HintRecord* record = hints != nullptr ? hints->GetByName(name) : nullptr;
    if (record == nullptr || !record->hint)
    {
        return;
    }
    const Korrin::Rect& rect = GetRect();
    const float centreX = (rect.left + rect.right) * 0.5f;
    const float centreY = (rect.top + rect.bottom) * 0.5f;
    const float halfWidth = (rect.right - rect.left) * 0.5f;
    Hint& hint = *record->hint;
    hint.SetPosition(centreX, centreY);
    // The corner chosen at the centre stays while the hint moves towards the building's edge.
    hint.SetFixedCorner(true);
    const std::uint32_t corner = hint.GetCornerTypeStored();
    const bool leftward = corner == Hint::kLowerRight || corner == Hint::kUpperRight;
    const Korrin::Vector2 at{
        leftward ? centreX - (halfWidth - kHintInset) : centreX + (halfWidth - kHintInset), centreY};
    hint.SetPosition(at.x, at.y);
    hints->Show(name, 1, at);
    hint.SetFixedCorner(false);
}

bool EntityBuilding::TryClick()
{
    if (!LeftButtonWentDown() || InputLocks::second || InputLocks::third || mHover < 0)
    {
        return false;
    }
    Korrin::PlaySoundOnce(IsForSale() ? "Board" : "Building");
    mPanelMode = mPanelMode == kWorkerClick ? kWorkerMode : kBuildingMode;
    ChangeGui();
    mPressed = 1;
    if (mWorker != nullptr)
    {
        mWorker->SetPressed(1);
    }
    return true;
}

void EntityBuilding::Save(Korrin::BinaryWriter& out)
{
    Entity::Save(out);
    out.WriteF32(mWorkProgress);
    out.WriteF32(mWorkRate);
    out.WriteF32(mRemainingWork);
    out.WriteU8(mForSale);
    out.WriteF32(mDoorFrame);
    out.WriteF32(mDoorRate);
    out.WriteF32(mWorkerStepTimer);
    out.WriteU8(mConstructionPlaying);
    out.WriteF32(mSaleTimer);
    out.WriteF32(mWorkingFrameTime);
    out.WriteI32(mRunsLeft);
    out.WriteF32(mConstruction ? MeshTime(*mConstruction) : 0.0f);
    BuildingStruct* level = CurrentLevel();
    out.WriteF32(level != nullptr ? MeshTime(*level->mesh) : 0.0f);
    out.WriteU8(level != nullptr ? level->mesh->GetLoop() : 0);
}

void EntityBuilding::Load(Korrin::BinaryReader& in)
{
    Entity::Load(in);
    if (!in.Ok())
    {
        return;
    }
    const float progress = in.ReadF32();
    const float rate = in.ReadF32();
    const float remaining = in.ReadF32();
    const std::uint8_t forSale = in.ReadU8();
    const float doorFrame = in.ReadF32();
    const float doorRate = in.ReadF32();
    const float stepTimer = in.ReadF32();
    const std::uint8_t construction = in.ReadU8();
    const float saleTimer = in.ReadF32();
    const float frameTime = in.ReadF32();
    const std::int32_t runs = in.ReadI32();
    const float constructionTime = in.ReadF32();
    const float meshTime = in.ReadF32();
    const std::uint8_t loop = in.ReadU8();
    const auto finite = [](std::initializer_list<float> values)
    {
        for (const float value : values)
        {
            if (!std::isfinite(value))
            {
                return false;
            }
        }
        return true;
    };
    const bool sane = finite({progress, rate, remaining, doorFrame, doorRate, stepTimer, saleTimer, frameTime,
                              constructionTime, meshTime}) &&
                      mUpgradeLevel < kLevels && forSale <= 1 && construction <= 1 && loop <= 1 &&
                      runs >= kNoRun && runs <= 2 && doorFrame >= 0.0f && doorFrame <= kDoorOpen &&
                      saleTimer >= kNoSale && saleTimer <= 1.0f && progress >= 0.0f && progress <= 1.0f &&
                      remaining >= 0.0f && remaining <= kFullWork;
    if (!in.Ok() || !sane)
    {
        in.Fail();
        return;
    }
    mWorkProgress = progress;
    mWorkRate = rate;
    mRemainingWork = remaining;
    mForSale = forSale;
    mDoorFrame = doorFrame;
    mDoorRate = doorRate;
    mWorkerStepTimer = stepTimer;
    mConstructionPlaying = construction;
    mSaleTimer = saleTimer;
    mWorkingFrameTime = frameTime;
    mRunsLeft = runs;
    if (mConstruction)
    {
        mConstruction->SetAnimationTime(constructionTime);
    }
    if (BuildingStruct* level = CurrentLevel())
    {
        level->mesh->SetAnimationTime(meshTime);
        level->mesh->SetLoop(loop);
    }
}
