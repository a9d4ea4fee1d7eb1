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
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/BedGardener.h"
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

// The frames of the stage sprites for the visuals' first three parts: tended, then unattended.
constexpr std::array<std::uint16_t, 3> kTendedFrames = {1, 0, 2};
constexpr std::array<std::uint16_t, 3> kUnattendedFrames = {4, 3, 5};

// Where the arrow points while the garden waits for its gardener: the gardener's tab, its hire button.
constexpr Korrin::Vector2 kArrowAtTab{239.0f, 624.0f};
constexpr Korrin::Vector2 kArrowAtHire{580.0f, 662.0f};

} // namespace

CostRecord EntityGarden::GardenerCost()
{
    CostRecord record;
    if (const TableCost* table = TableCost::Peek())
    {
        table->GetCost(EntityWorker::kGardener, record);
    }
    return record;
}

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
        if (auto* gardener = dynamic_cast<BedGardener*>(mWorker))
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
    Korrin::PlaySoundOnce("sale_character");
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
    mFont->DrawWrapped(box, TextFormat::Decimal(CostRecord::GetLevelValue(0, mCost)), 0.7f, 0.7f, 12,
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
            Korrin::PlaySoundOnce("Stealing");
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
    Korrin::PlaySoundOnce(IsForSale() ? "Board" : "Garden");
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
