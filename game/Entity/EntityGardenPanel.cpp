#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiImage.h"
#include "engine/Log/LogManager.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/BedGardener.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/EntityTaskManager.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/Entity/LevelLookup.h"
#include "game/Entity/PanelControls.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Util/Hint.h"
#include "game/Util/HintArrow.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"
#include "game/Util/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace
{

constexpr float kLeastShownDismissal = 0.13f;
constexpr std::uint16_t kGardenPicture = 49;
constexpr std::uint32_t kGardenLevels = 5;
constexpr std::uint32_t kGardenerLevels = 3;
constexpr std::uint8_t kFirstSeed = Plant::kCarrot;
constexpr std::size_t kSeedButtons = 5;
constexpr std::uint16_t kSaleAllowedFromLevel = 3;
constexpr float kLockedAlpha = 0.7f;
constexpr char16_t kSmile = u'\u263A';

// The dismissal's progress bar on the gardener page.
constexpr Korrin::Vector2 kProgressPlace{470.0f, 53.0f};

} // namespace

void EntityGarden::UpdateGardenerPage()
{
    // Only the garden whose page the panel shows fills it: another garden's dismissal would put its own
    // buttons under the player's hand while this one stays selected.
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr || panel->GetCurrent() != GamePanel::kGardenerPage || panel->GetTabOwner() != this)
    {
        return;
    }
    // A name of its own, so that the frames of a shown page allocate nothing.
    static const std::string kProgressName = "CHAR_CANCEL_PROGRESS";
    Korrin::GuiElement* progress = PanelControls::Find(kProgressName);
    if (progress == nullptr || !progress->IsVisible())
    {
        return;
    }
    if (mSaleCountdown <= kNoDismissal)
    {
        ChangeGui();
        return;
    }
    mSaleCountdown = std::max(mSaleCountdown, kLeastShownDismissal);
    progress->SetLocalPosition(kProgressPlace);
    if (auto* image = dynamic_cast<Korrin::GuiImage*>(progress))
    {
        image->SetSrcRect({310.0f - mSaleCountdown * 295.0f, 465.0f, 310.0f, 504.0f});
    }
}

std::uint16_t EntityGarden::PriceOfNextLevel() const
{
    return CostRecord::GetLevelValue(static_cast<std::uint16_t>(mUpgradeLevel + 1), mCost);
}

void EntityGarden::ChangeGui()
{
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr)
    {
        return;
    }
    if (GetPanelMode() == kGardenerPage)
    {
        panel->SetCurrent(GamePanel::kGardenerPage);
        FillGardenerPage();
    }
    else
    {
        panel->SetCurrentByType(kGarden);
        FillGardenPage();
    }
}

void EntityGarden::FillGardenPage()
{
    GamePanel* panel = GamePanel::Peek();
    panel->SetPanelParam(this, kGardenPicture, mUpgradeLevel, kGardenLevels, 0);
    if (IsForSale())
    {
        PanelControls::Show("TABGARDEN_BUY", true);
        if (Korrin::GuiButton* buy = PanelControls::FindButton("TABGARDEN_BUY"))
        {
            const std::uint16_t price = CostRecord::GetLevelValue(0, mCost);
            const LevelTaskInfo* task = LevelTaskInfo::Peek();
            PanelControls::SetCaption(*buy, TextFormat::Decimal(price));
            buy->SetDisabled(task == nullptr || task->money < price);
        }
        PanelControls::Show("GARDEN_UPGRADE", false);
        for (std::size_t k = 0; k < kSeedButtons; ++k)
        {
            PanelControls::Show("GARDEN_TASK" + std::to_string(k + 1), false);
        }
        return;
    }
    PanelControls::Show("TABGARDEN_BUY", false);
    PanelControls::Show("GARDEN_UPGRADE", true);
    SetUpgradeButton(PriceOfNextLevel(), PanelControls::FindButton("GARDEN_UPGRADE"));
    FillTaskButtons();
}

void EntityGarden::FillTaskButtons()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    const std::int32_t money = task != nullptr ? task->money : 0;
    const bool hired = IsGardenerHired();
    for (std::size_t k = 0; k < kSeedButtons; ++k)
    {
        Korrin::GuiButton* button = PanelControls::FindButton("GARDEN_TASK" + std::to_string(k + 1));
        if (button == nullptr)
        {
            continue;
        }
        button->SetVisible(true);
        if (k <= mUpgradeLevel)
        {
            const std::uint16_t price = TableCost::GetGoodsCost(static_cast<std::int32_t>(k));
            button->SetFrame(static_cast<std::uint16_t>(k + 1));
            button->SetCaptionOffset({15.0f, 5.0f});
            PanelControls::SetCaption(*button, TextFormat::Decimal(price));
            button->SetAlpha(hired ? 1.0f : kLockedAlpha);
            button->SetDisabled(!hired || money < price);
        }
        else
        {
            button->SetFrame(0);
            button->SetAlpha(1.0f);
            button->SetDisabled(true);
            button->SetCaptionOffset({1.0f, 0.0f});
            PanelControls::SetCaption(*button, u"");
        }
    }
}

void EntityGarden::FillGardenerPage()
{
    GamePanel* panel = GamePanel::Peek();
    const CostRecord cost = mWorker != nullptr ? mWorker->GetCost() : GardenerCost();
    const std::uint16_t level = mWorker != nullptr ? mWorker->GetUpgradeLevel() : 0;
    panel->SetPanelParam(this, level, level, kGardenerLevels, 0);
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    const std::int32_t money = task != nullptr ? task->money : 0;
    const bool hired = IsGardenerHired();
    const bool dismissing = mSaleCountdown > kNoDismissal;
    PanelControls::Show("CHAR_BUY", !hired);
    PanelControls::Show("CHAR_UPGRADE", hired && !dismissing);
    PanelControls::Show("CHAR_SALE", hired && !dismissing);
    for (const char* name : {"CHAR_CANCEL_CHARACTER", "CHAR_CANCEL_PROGRESS", "CHAR_CANCEL_BORDER",
                             "CHAR_CANCEL_PROGRESS_PANEL"})
    {
        PanelControls::Show(name, hired && dismissing);
    }
    if (!hired)
    {
        if (Korrin::GuiButton* buy = PanelControls::FindButton("CHAR_BUY"))
        {
            const std::uint16_t price = CostRecord::GetLevelValue(0, cost);
            PanelControls::SetCaption(*buy, TextFormat::Decimal(price));
            buy->SetDisabled(money < price);
        }
        return;
    }
    if (dismissing)
    {
        return;
    }
    if (Korrin::GuiButton* sale = PanelControls::FindButton("CHAR_SALE"))
    {
        PanelControls::SetCaption(*sale, TextFormat::Decimal(CostRecord::GetLevelValue(0, cost) / 2));
        const LevelTaskInfo* info = LevelTaskInfo::Peek();
        sale->SetDisabled(info == nullptr || info->level < kSaleAllowedFromLevel);
    }
    if (Korrin::GuiButton* upgrade = PanelControls::FindButton("CHAR_UPGRADE"))
    {
        FillGardenerUpgrade(*upgrade, cost, level, money);
    }
}

void EntityGarden::FillGardenerUpgrade(Korrin::GuiButton& upgrade, const CostRecord& cost,
                                       std::uint16_t level, std::int32_t money)
{
    if (level == cost.maxLevel)
    {
        upgrade.SetFrame(0);
        PanelControls::SetCaption(upgrade, std::u16string(1, kSmile));
        upgrade.SetDisabled(true);
    }
    else if (level >= cost.upgradeLevel)
    {
        upgrade.SetFrame(1);
        PanelControls::SetCaption(upgrade, u"");
        upgrade.SetDisabled(true);
    }
    else
    {
        const std::uint16_t price = CostRecord::GetLevelValue(static_cast<std::uint16_t>(level + 1), cost);
        upgrade.SetFrame(0);
        PanelControls::SetCaption(upgrade, TextFormat::Decimal(price));
        upgrade.SetDisabled(money < price);
    }
}

bool EntityGarden::Pay(std::int32_t price)
{
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr && task->AddMoney(-price);
}

void EntityGarden::OnGuiEvent()
{
    const std::string clicked = PanelControls::Clicked();
    if (clicked.empty())
    {
        return;
    }
    if (clicked == "GARDEN_UPGRADE")
    {
        UpgradeGarden();
    }
    else if (clicked.rfind("GARDEN_TASK", 0) == 0 && clicked.size() == 12 && clicked[11] >= '1' &&
             clicked[11] <= '5')
    {
        const auto seed = static_cast<std::uint8_t>(kFirstSeed + (clicked[11] - '1'));
        if (AddTask(seed))
        {
            Korrin::PlaySoundOnce("click_button");
            if (mTasks.size() == 1)
            {
                Korrin::PlaySoundOnce("gardener_ok");
            }
        }
        ChangeGui();
    }
    else if (clicked == "CHAR_UPGRADE")
    {
        UpgradeGardener();
    }
    else if (clicked == "CHAR_SALE")
    {
        mSaleCountdown = 0.0f;
        Korrin::PlaySoundOnce("click_button");
        ChangeGui();
    }
    else if (clicked == "CHAR_BUY")
    {
        HireGardener();
    }
    else if (clicked == "TABGARDEN_BUY")
    {
        BuyGarden();
    }
    else if (clicked == "CHAR_CANCEL_CHARACTER")
    {
        mSaleCountdown = kNoDismissal;
        Korrin::PlaySoundOnce("click_button");
        ChangeGui();
    }
}

void EntityGarden::UpgradeGarden()
{
    // Paid only when the level can rise: at the unlocked maximum the upgrade would be refused.
    if (!CanRise() || !Pay(PriceOfNextLevel()))
    {
        return;
    }
    Upgrade();
    SetTaskLimit(static_cast<std::uint8_t>(mUpgradeLevel + 1));
    SetUnattended(IsUnattended());
    if (mUpgradeEffect != nullptr)
    {
        mUpgradeEffect->SetPosition({mX - 74.0f, mY - 30.0f});
        if (GameParticleManager* particles = GameParticleManager::Peek())
        {
            particles->AddParticleToDQ(mUpgradeEffect);
        }
    }
    ChangeGui();
}

void EntityGarden::UpgradeGardener()
{
    if (!IsGardenerHired())
    {
        return;
    }
    // Refused before paying when the gardener is at its unlocked maximum or its last level.
    const CostRecord& cost = mWorker->GetCost();
    const auto next = static_cast<std::uint16_t>(mWorker->GetUpgradeLevel() + 1);
    if (next > cost.upgradeLevel || next > cost.maxLevel || !Pay(mWorker->GetNextFrameId()))
    {
        return;
    }
    mWorker->Upgrade();
    ChangeGui();
}

void EntityGarden::HireGardener()
{
    // A garden for sale has no gardener to hire, and a hired one is not paid for again.
    if (IsForSale() || mWorker == nullptr || IsGardenerHired() ||
        !Pay(CostRecord::GetLevelValue(0, GardenerCost())))
    {
        return;
    }
    if (EntityManager* entities = LevelLookup::Entities())
    {
        if (Entity* storehouse = entities->GetEntity(kStorehouse))
        {
            mWorker->SetIJ(storehouse->GetWalkI(), storehouse->GetWalkJ());
        }
    }
    mWorker->SetActive(true);
    SetUnattended(false);
    Korrin::PlaySoundOnce("buy_character");
    ChangeGui();
}

void EntityGarden::BuyGarden()
{
    // A bought garden is not paid for again.
    if (!IsForSale() || !Pay(CostRecord::GetLevelValue(0, mCost)))
    {
        return;
    }
    Korrin::PlaySoundOnce("ConstructionOf");
    mForSale = 0;
    mConstructing = 1;
    if (mConstruction != nullptr)
    {
        mConstruction->SetAnimationTime(0.0f);
    }
    mTable.SetAnimationTime(0.0f);
    if (GameParticleManager* particles = GameParticleManager::Peek())
    {
        particles->AddParticleToDQ(mBuildEffect);
    }
    ChangeGui();
}
