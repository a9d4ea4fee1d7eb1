#include "game/Entity/EntityGarden.h"

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
#include "game/Pers/PersRunGardener.h"
#include "game/Util/Hint.h"
#include "game/Util/HintArrow.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace
{
// The bed tiles: unattended and tended, on the bed's row and the row below.
constexpr std::uint16_t kUnattendedTile = 97;
constexpr std::uint16_t kTendedTile = 98;
constexpr std::uint16_t kUnattendedFootTile = 113;
constexpr std::uint16_t kTendedFootTile = 114;
// The stage visuals wait at their end until a bed grows.
constexpr float kStageRestTime = 1200.0f;
constexpr float kStageSpeed = 1.4f;
constexpr float kDismissalRate = 0.33f;
constexpr float kBuildSpread = 128.0f;
constexpr float kLeastShownDismissal = 0.13f;
constexpr std::uint16_t kGardenPicture = 49;
constexpr std::uint32_t kGardenLevels = 5;
constexpr std::uint32_t kGardenerLevels = 3;
constexpr std::uint8_t kFirstSeed = Plant::kCarrot;
constexpr std::size_t kSeedButtons = 5;
constexpr std::uint16_t kSaleAllowedFromLevel = 3;
constexpr float kLockedAlpha = 0.7f;
constexpr char16_t kSmile = u'\u263A';
// The frames of the stage sprites for the visuals' first three parts: tended, then unattended.
constexpr std::array<std::uint16_t, 3> kTendedFrames = {1, 0, 2};
constexpr std::array<std::uint16_t, 3> kUnattendedFrames = {4, 3, 5};
// The dismissal's progress bar on the gardener page.
constexpr Korrin::Vector2 kProgressPlace{470.0f, 53.0f};
// Where the arrow points while the garden waits for its gardener: the gardener's tab, its hire button.
constexpr Korrin::Vector2 kArrowAtTab{239.0f, 624.0f};
constexpr Korrin::Vector2 kArrowAtHire{580.0f, 662.0f};

std::u16string Decimal(std::int64_t value)
{
    const std::string text = std::to_string(value);
    return {text.begin(), text.end()};
}

CostRecord GardenerCost()
{
    CostRecord record;
    if (const TableCost* table = TableCost::Peek())
    {
        table->GetCost(Pers::kGardener, record);
    }
    return record;
}

} // namespace

EntityGarden::EntityGarden()
{
    mType = kGarden;
    TakeCostRecord();
    if (EntityTaskManager* tasks = EntityTaskManager::Peek())
    {
        tasks->Register(this);
    }
    // The beds register their records right after the garden's.
    for (std::unique_ptr<Plant>& bed : mBeds)
    {
        bed = std::make_unique<Plant>();
    }
    mArrow = std::make_unique<HintArrow>();
    mArrow->Create();
}

EntityGarden::~EntityGarden()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (Korrin::AnimatedSprite* sprite : mStageSprites)
        {
            sprites->DeleteSprite(sprite);
        }
        sprites->DeleteSprite(mSign);
    }
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek())
    {
        for (Korrin::ParticleSystem* effect : {mBuildEffect, mUpgradeEffect})
        {
            if (effect != nullptr)
            {
                particles->DeleteParticleSystem(effect);
            }
        }
    }
    mArrow->Release();
}

bool EntityGarden::IsGardenerHired() const
{
    return mWorker != nullptr && mWorker->IsActive();
}

AniMeshContainer* EntityGarden::CurrentStage() const
{
    return mStages[std::min<std::uint16_t>(mUpgradeLevel, kStages - 1)].get();
}

Korrin::AnimatedSprite* EntityGarden::StageSprite(std::uint16_t level) const
{
    return mStageSprites[std::min<std::uint16_t>(level, kStages - 1)];
}

void EntityGarden::Init()
{
    mArrow->Load();
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek())
    {
        mBuildEffect = particles->CreateParticleSystem("BuildingUp.particle", "BuildingUp");
        mUpgradeEffect = particles->CreateParticleSystem("GardenUpgrade.particle", "GardenUpgrade");
    }
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    for (std::uint16_t i = 0; i < kStages; ++i)
    {
        mStages[i] = std::make_unique<AniMeshContainer>();
        mStages[i]->Load("garden" + std::to_string(i + 1) + ".mesh", true);
        mStages[i]->SetAnimationTime(kStageRestTime);
        mStages[i]->Update(0.0f);
        if (sprites != nullptr)
        {
            sprites->DeleteSprite(mStageSprites[i]);
            mStageSprites[i] = sprites->LoadAnimatedSprite("garden0" + std::to_string(i + 1), "garden.lua");
        }
    }
    mConstruction = std::make_unique<AniMeshContainer>();
    mConstruction->Load("garden1_up.mesh", true);
    mConstruction->SetAnimationTime(0.0f);
    for (std::unique_ptr<Plant>& bed : mBeds)
    {
        bed->Init();
    }
    mTable.Load("s_table03.mesh", true);
    if (sprites != nullptr)
    {
        sprites->DeleteSprite(mSign);
        mSign = sprites->LoadAnimatedSprite("BuyGarden", "garden.lua");
        if (mSign != nullptr)
        {
            mSignOffset = mSign->GetPosition();
        }
    }
    if (Korrin::FontManager* fonts = Korrin::FontManager::Peek())
    {
        mFont = fonts->GetFont("font01.fnt");
    }
    if (EntityManager* entities = LevelLookup::Entities())
    {
        entities->AddOverlayEntity(this);
    }
}

void EntityGarden::Reset()
{
    SetTaskLimit(static_cast<std::uint8_t>(mUpgradeLevel == 0 ? 1 : mUpgradeLevel + 1));
    SetTaskPosition(mX - 56.0f, mY + 18.0f);
    SetRect({mX - 74.0f, mY - 90.0f, mX + 74.0f, mY + 45.0f});
    for (std::size_t b = 0; b < kBeds; ++b)
    {
        mBeds[b]->Place(mWalkI - 1 + static_cast<std::int32_t>(b), mWalkJ);
    }
    MarkBedCells(false, true);
    if (IsGardenerHired())
    {
        mWorker->SetIJ(mWalkI, mWalkJ);
        SetUnattended(false);
    }
    else
    {
        SetUnattended(true);
    }
    if (mBuildEffect != nullptr)
    {
        mBuildEffect->SetPosition({mX - 64.0f, mY + 20.0f});
        // The sparkles spread over the width of both beds.
        if (BaseParticleSystem* sparkles = mBuildEffect->GetBaseParticleSystem(0))
        {
            sparkles->GetSettings().randomPosition = Korrin::Vector2{kBuildSpread, 0.0f};
        }
    }
}

void EntityGarden::MarkBedCells(bool unattended, bool clearObjects)
{
    GameField* field = LevelLookup::Field();
    if (field == nullptr)
    {
        return;
    }
    for (const std::unique_ptr<Plant>& bed : mBeds)
    {
        const std::int32_t i = bed->GetWalkI();
        const std::int32_t j = bed->GetWalkJ();
        if (FieldGeometry::IsInside(i, j))
        {
            if (clearObjects)
            {
                field->SetObjectCode(i, j, 0);
            }
            field->SetTile(i, j, unattended ? kUnattendedTile : kTendedTile);
        }
        if (FieldGeometry::IsInside(i, j + 1))
        {
            field->SetTile(i, j + 1, unattended ? kUnattendedFootTile : kTendedFootTile);
        }
    }
}

void EntityGarden::SetPartFrames(AniMeshContainer* visual, Korrin::AnimatedSprite* sprite, bool unattended)
{
    if (visual == nullptr || sprite == nullptr)
    {
        return;
    }
    const std::array<std::uint16_t, 3>& frames = unattended ? kUnattendedFrames : kTendedFrames;
    for (std::size_t part = 0; part < frames.size() && part < visual->GetEntityCount(); ++part)
    {
        if (frames[part] >= sprite->GetFrameCount())
        {
            continue;
        }
        const Korrin::Rect& rect = sprite->GetFrameRect(frames[part]);
        visual->SetEntityTextureRect(static_cast<int>(part), rect.left, rect.top, rect.right, rect.bottom);
    }
}

void EntityGarden::SetUnattended(bool unattended)
{
    mUnattended = unattended ? 1 : 0;
    SetPartFrames(CurrentStage(), StageSprite(mUpgradeLevel), unattended);
    SetPartFrames(mConstruction.get(), StageSprite(0), unattended);
    if (!unattended)
    {
        mTable.SetAnimationTime(0.0f);
    }
    MarkBedCells(unattended, false);
}

bool EntityGarden::Update(float dt)
{
    if (!IsForSale() && !IsGardenerHired() && mPressed > Clickable::kNone)
    {
        mArrow->Update(dt);
    }
    UpdateTask(dt);
    UpdateDismissal(dt);
    UpdateGardenerPage();
    if (!IsGardenerHired())
    {
        mTable.Update(dt);
    }
    if (mConstructing != 0)
    {
        if (mConstruction == nullptr || !mConstruction->Update(dt))
        {
            mConstructing = 0;
        }
    }
    else
    {
        AnimateStage(dt);
    }
    for (std::unique_ptr<Plant>& bed : mBeds)
    {
        bed->Update(dt);
    }
    return true;
}

void EntityGarden::UpdateDismissal(float dt)
{
    if (mSaleCountdown <= kNoDismissal)
    {
        return;
    }
    mSaleCountdown += dt * kDismissalRate;
    if (mSaleCountdown > 1.0f)
    {
        FinishDismissal();
    }
}

void EntityGarden::FinishDismissal()
{
    MarkFirstUnmarkedBed();
    Korrin::Vector2 place{mX, mY};
    if (mWorker != nullptr)
    {
        place = mWorker->GetPosition();
        // What the gardener holds is not lost with him: the crop is stored, a pail being drawn is let go.
        if (auto* gardener = dynamic_cast<PersRunGardener*>(mWorker))
        {
            gardener->HandBack();
        }
        mWorker->SetActive(false);
    }
    mTable.SetAnimationTime(0.0f);
    const std::int32_t refund = CostRecord::GetLevelValue(0, GardenerCost()) / 2;
    if (LevelTaskInfo* task = LevelTaskInfo::Peek())
    {
        task->AddMoney(refund);
    }
    SetUnattended(true);
    mSaleCountdown = kNoDismissal;
    if (GameParticleManager* particles = GameParticleManager::Peek())
    {
        particles->AddParticleToDQ(kParticleSalePersSecond, place);
    }
    PanelControls::PlaySound("sale_character");
}

void EntityGarden::UpdateGardenerPage()
{
    // Only the garden whose page the panel shows fills it: another garden's dismissal would put its own
    // buttons under the player's hand while this one stays selected.
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr || panel->GetCurrent() != GamePanel::kGardenerPage || panel->tabOwner != this)
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

bool EntityGarden::HasGrowingBed() const
{
    return std::any_of(mBeds.begin(), mBeds.end(),
                       [](const std::unique_ptr<Plant>& bed)
                       { return bed->HasCrop() && bed->GetFruitCount() > 0 && !bed->IsRipe(); });
}

void EntityGarden::AnimateStage(float dt)
{
    AniMeshContainer* stage = CurrentStage();
    if (stage == nullptr)
    {
        return;
    }
    const bool growing = HasGrowingBed();
    if (!growing && stage->GetLoop() != 0)
    {
        stage->SetLoop(0);
    }
    else if (growing && stage->GetLoop() == 0)
    {
        stage->SetAnimationTime(0.0f);
        stage->SetLoop(1);
    }
    stage->Update(dt * kStageSpeed);
}

void EntityGarden::Draw()
{
    const int x = static_cast<int>(mX);
    const int y = static_cast<int>(mY);
    if (GetDrawCount() == 0)
    {
        if (IsForSale())
        {
            return;
        }
        AniMeshContainer* visual = mConstructing != 0 ? mConstruction.get() : CurrentStage();
        if (visual != nullptr)
        {
            visual->Draw(0, x - 185, y - 175, IsHighlighted());
        }
        if (mConstructing == 0)
        {
            for (std::unique_ptr<Plant>& bed : mBeds)
            {
                bed->Draw();
            }
        }
        return;
    }
    if (GetDrawCount() != 1)
    {
        return;
    }
    if (!IsForSale() && !IsGardenerHired())
    {
        mTable.Draw(0, x - 35, y - 70, false);
    }
    if (IsForSale())
    {
        DrawSign();
    }
    for (std::unique_ptr<Plant>& bed : mBeds)
    {
        bed->DrawSeeds();
    }
}

void EntityGarden::DrawSign()
{
    if (mSign == nullptr)
    {
        return;
    }
    const float sx = mX + mSignOffset.x;
    const float sy = mY + mSignOffset.y;
    mSign->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    mSign->DrawFrame(0, static_cast<int>(sx), static_cast<int>(sy));
    if (IsHighlighted())
    {
        mSign->SetBlendMode(Korrin::RenderData::kBlendAdd);
        mSign->DrawFrame(0, static_cast<int>(sx), static_cast<int>(sy));
        mSign->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    }
    mSign->DrawFrame(1, static_cast<int>(sx + 57.0f), static_cast<int>(sy + 25.0f));
    if (mFont == nullptr)
    {
        return;
    }
    const float shade = IsHighlighted() ? 0.5f : 1.0f;
    const Korrin::Rect box{sx + 66.0f, sy - 1.0f + 61.0f, sx + 122.0f, sy - 1.0f + 83.0f};
    mFont->DrawWrapped(box, Decimal(CostRecord::GetLevelValue(0, mCost)), 0.7f, 0.7f, 12,
                       Korrin::Colour{shade, shade, shade, shade}, 1.0f, 1.0f);
}

void EntityGarden::DrawOverlay()
{
    if (IsForSale() || IsGardenerHired() || mPressed <= Clickable::kNone)
    {
        return;
    }
    mArrow->Draw(GetPanelMode() == kGardenPage ? kArrowAtTab : kArrowAtHire);
}

bool EntityGarden::IsEmptyFor(std::uint8_t /*mode*/, std::int32_t i, std::int32_t j)
{
    return std::none_of(mBeds.begin(), mBeds.end(),
                        [i, j](const std::unique_ptr<Plant>& bed)
                        { return bed->HasCrop() && bed->GetWalkI() == i && bed->GetWalkJ() == j; });
}

bool EntityGarden::Interact(std::uint8_t /*mode*/, std::int32_t i, std::int32_t j)
{
    for (std::unique_ptr<Plant>& bed : mBeds)
    {
        if (bed->HasCrop() && bed->GetWalkI() == i && bed->GetWalkJ() == j)
        {
            PanelControls::PlaySound("Stealing");
            bed->SetType(Plant::kEmpty);
            break;
        }
    }
    return true;
}

void EntityGarden::MarkFirstUnmarkedBed()
{
    for (std::unique_ptr<Plant>& bed : mBeds)
    {
        if (bed->HasCrop() && bed->GetSownMark() == 0)
        {
            bed->SetSownMark(bed->GetCrop());
            return;
        }
    }
}

void EntityGarden::FillFirstEmptyBed(std::uint8_t fruits)
{
    for (std::unique_ptr<Plant>& bed : mBeds)
    {
        if (bed->HasCrop() && bed->GetFruitCount() == 0)
        {
            bed->SetFruitCount(std::min(fruits, Plant::kMostFruits));
            return;
        }
    }
}

std::uint8_t EntityGarden::IsCurrentBedRipe(std::uint8_t& count)
{
    if (mCurrentBed >= kBeds)
    {
        return 0;
    }
    Plant& bed = *mBeds[mCurrentBed];
    count = bed.GetFruitCount();
    return bed.HasCrop() && bed.GetFruitCount() > 0 && bed.IsRipe() ? bed.GetCrop() : 0;
}

void EntityGarden::HarvestCurrentBed()
{
    if (mCurrentBed >= kBeds)
    {
        return;
    }
    Plant& bed = *mBeds[mCurrentBed];
    if (bed.HasCrop() && bed.GetFruitCount() > 0 && bed.IsRipe())
    {
        bed.TakeFruit();
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
            PanelControls::SetCaption(*buy, Decimal(price));
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
            PanelControls::SetCaption(*button, Decimal(price));
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
            PanelControls::SetCaption(*buy, Decimal(price));
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
        PanelControls::SetCaption(*sale, Decimal(CostRecord::GetLevelValue(0, cost) / 2));
        const LevelTaskInfo* info = LevelTaskInfo::Peek();
        sale->SetDisabled(info == nullptr || info->level < kSaleAllowedFromLevel);
    }
    if (Korrin::GuiButton* upgrade = PanelControls::FindButton("CHAR_UPGRADE"))
    {
        if (level == cost.maxLevel)
        {
            upgrade->SetFrame(0);
            PanelControls::SetCaption(*upgrade, std::u16string(1, kSmile));
            upgrade->SetDisabled(true);
        }
        else if (level >= cost.upgradeLevel)
        {
            upgrade->SetFrame(1);
            PanelControls::SetCaption(*upgrade, u"");
            upgrade->SetDisabled(true);
        }
        else
        {
            const std::uint16_t price =
                CostRecord::GetLevelValue(static_cast<std::uint16_t>(level + 1), cost);
            upgrade->SetFrame(0);
            PanelControls::SetCaption(*upgrade, Decimal(price));
            upgrade->SetDisabled(money < price);
        }
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
            PanelControls::PlaySound("click_button");
            if (mTasks.size() == 1)
            {
                PanelControls::PlaySound("gardener_ok");
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
        PanelControls::PlaySound("click_button");
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
        PanelControls::PlaySound("click_button");
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
    PanelControls::PlaySound("buy_character");
    ChangeGui();
}

void EntityGarden::BuyGarden()
{
    // A bought garden is not paid for again.
    if (!IsForSale() || !Pay(CostRecord::GetLevelValue(0, mCost)))
    {
        return;
    }
    PanelControls::PlaySound("ConstructionOf");
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

bool EntityGarden::IsPointInside(const Korrin::Vector2& point)
{
    const Korrin::Vector2 centre{(mRect.left + mRect.right) / 2.0f, (mRect.top + mRect.bottom) / 2.0f};
    HintManager* hints = HintManager::Peek();
    if (IsForSale())
    {
        if (!Entity::IsPointInside(point))
        {
            return false;
        }
        if (hints != nullptr)
        {
            hints->Show("BuyTableGardenHint", 1, centre);
        }
        return true;
    }
    if (!Entity::IsPointInside(point))
    {
        return false;
    }
    if (hints != nullptr)
    {
        // The hint stands beside the garden, on the side its corner opens to.
        const float shift = (mRect.right - mRect.left) / 2.0f - 30.0f;
        const std::uint32_t corner = Hint::CornerTypeOf(centre);
        const float x = corner == 0 || corner == 2 ? centre.x - shift : centre.x + shift;
        hints->Show("GardenHint", 1, {x, centre.y});
    }
    return true;
}

bool EntityGarden::TryClick()
{
    if (!LeftButtonWentDown() || InputLocks::second || InputLocks::third || mHover <= Clickable::kNone)
    {
        return false;
    }
    PanelControls::PlaySound(IsForSale() ? "Board" : "Garden");
    SetPanelMode(GetPanelMode() == kGardenerClicked ? kGardenerPage : kGardenPage);
    ChangeGui();
    mPressed = 1;
    if (mWorker != nullptr)
    {
        mWorker->SetPressed(1);
    }
    return true;
}

void EntityGarden::Save(Korrin::BinaryWriter& out)
{
    Entity::Save(out);
    out.WriteF32(mDecisionTimer);
    out.WriteU8(mForSale);
    out.WriteF32(mSaleCountdown);
    out.WriteU8(mConstructing);
    out.WriteU8(mUnattended);
    out.WriteU32(mCurrentBed);
    const AniMeshContainer* stage = CurrentStage();
    out.WriteU8(stage != nullptr ? stage->GetLoop() : mLoadedLoop);
    for (std::unique_ptr<Plant>& bed : mBeds)
    {
        bed->Save(out);
    }
}

void EntityGarden::Load(Korrin::BinaryReader& in)
{
    Entity::Load(in);
    const float timer = in.ReadF32();
    const std::uint8_t forSale = in.ReadU8();
    const float countdown = in.ReadF32();
    const std::uint8_t constructing = in.ReadU8();
    const std::uint8_t unattended = in.ReadU8();
    const std::uint32_t bed = in.ReadU32();
    const std::uint8_t loop = in.ReadU8();
    const bool flags = forSale <= 1 && constructing <= 1 && unattended <= 1 && loop <= 1;
    const bool timers = std::isfinite(timer) && std::isfinite(countdown) && countdown >= kNoDismissal;
    if (!in.Ok() || !flags || !timers || bed > kNoBed || mUpgradeLevel >= kStages)
    {
        in.Fail();
        return;
    }
    for (std::unique_ptr<Plant>& plant : mBeds)
    {
        plant->Load(in);
    }
    if (!in.Ok())
    {
        return;
    }
    mDecisionTimer = timer;
    mForSale = forSale;
    mSaleCountdown = countdown;
    mConstructing = constructing;
    mCurrentBed = bed;
    mLoadedLoop = loop;
    if (AniMeshContainer* stage = CurrentStage())
    {
        stage->SetLoop(loop);
        stage->SetAnimationTime(0.0f);
    }
    SetUnattended(unattended != 0);
}
