#include "game/Entity/EntityStorehouse.h"

#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Particle/ParticleSystemList.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/Random.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/StoreEntityServices.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Util/GuiSound.h"
#include "game/Util/HintManager.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr const char* kFile = "StoreHouse.lua";
// Box k sits at (x + 26 + 34.5 (k mod 3), y - 134 + 33 (k div 3)).
constexpr float kBoxLeft = 26.0f;
constexpr float kBoxStepX = 34.5f;
constexpr float kBoxTop = -134.0f;
constexpr float kBoxStepY = 33.0f;
// The goods of a box show through this window of its opening.
const Korrin::Rect kGoodsClip{7.0f, -20.0f, 37.0f, 6.0f};
// The panel's picture of the storehouse at level n is frame n + 12.
constexpr std::int32_t kPanelPictureBase = 12;
constexpr std::uint32_t kPanelLevels = 4;
// A wave may start once a second: one chance in five.
constexpr float kWaveInterval = 1.0f;
constexpr int kWaveChance = 5;
constexpr float kWaveSpeed = 6.0f;
// The first wave stops this many frames short of the end; the second starts at frame 10.
constexpr std::size_t kFirstWaveShortfall = 5;
constexpr float kSecondWaveStart = 10.0f;

void Log(const char* text)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", text);
    }
}

std::uint16_t ClampFrame(const Korrin::AnimatedSprite& sprite, std::size_t frame)
{
    return static_cast<std::uint16_t>(std::min(frame, sprite.GetFrameCount() - 1));
}
} // namespace

EntityStorehouse::FlagWave EntityStorehouse::sWave;

EntityStorehouse::EntityStorehouse()
{
    mType = kStorehouse;
    TakeCostRecord();
}

EntityStorehouse::~EntityStorehouse()
{
    ReleasePictures();
}

void EntityStorehouse::ReleasePictures()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (Korrin::NullSprite* sprite : std::initializer_list<Korrin::NullSprite*>{
                 mBuilding, mFoundation, mRoof, mPillar, mFlag, mLockDoor})
        {
            sprites->DeleteSprite(sprite);
        }
    }
    mBuilding = nullptr;
    mFoundation = mRoof = mPillar = mFlag = mLockDoor = nullptr;
}

void EntityStorehouse::LoadPictures()
{
    ReleasePictures();
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    mBuilding = sprites->LoadSprite("Storehouse", "Storehouse.lua");
    mFoundation = sprites->LoadAnimatedSprite("Foundation", kFile);
    mRoof = sprites->LoadAnimatedSprite("Roof", kFile);
    mPillar = sprites->LoadAnimatedSprite("Pillar", kFile);
    mFlag = sprites->LoadAnimatedSprite("Flag", kFile);
    mLockDoor = sprites->LoadAnimatedSprite("LockDoor", kFile);
}

void EntityStorehouse::Init()
{
    mHintArrow.Create();
    mHintArrow.Load();
    LoadPictures();
    mCells.Init();
    std::vector<StoreCell>& cells = mCells.GetCells();
    for (std::size_t k = 0; k < cells.size(); ++k)
    {
        cells[k].x = mX + kBoxLeft + kBoxStepX * static_cast<float>(k % kColumns);
        cells[k].y = mY + kBoxTop + kBoxStepY * static_cast<float>(k / kColumns);
        cells[k].animation = 0.0f;
    }
    if (EntityManager* manager = StoreEntityServices::Entities())
    {
        manager->AddOverlayEntity(this);
    }
}

void EntityStorehouse::Reset()
{
    Entity::Reset();
    if (mSide != 0 && mSide != 1)
    {
        mSide = mWalkI >= 8 ? 1 : 0;
    }
    if (mSide == 0)
    {
        mMirrored = 0;
        mFlagRect = {mX + 120.0f, mY - 151.0f, mX + 195.0f, mY - 75.0f};
        SetRect({mX, mY - 140.0f, mX + 120.0f, mY + 20.0f});
    }
    else
    {
        mMirrored = 1;
        mFlagRect = {mX - 70.0f, mY - 151.0f, mX + 5.0f, mY - 75.0f};
        SetRect({mX + 5.0f, mY - 140.0f, mX + 120.0f, mY + 20.0f});
    }
    if (mPillar != nullptr)
    {
        mPillar->SetMirrorH(mMirrored != 0);
    }
    UpdateBoxLocks();
}

void EntityStorehouse::UpdateBoxLocks()
{
    const std::size_t open = (static_cast<std::size_t>(mUpgradeLevel) + 1) * kColumns;
    std::vector<StoreCell>& cells = mCells.GetCells();
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
        cells[i].unlocked = i < open ? 1 : 0;
    }
}

bool EntityStorehouse::Update(float dt)
{
    mLastDt = dt;
    if (mCells.IsFull())
    {
        mHintArrow.Update(dt);
        mFull = 1;
    }
    else
    {
        mFull = 0;
    }
    mCells.Update(dt);
    return true;
}

bool EntityStorehouse::Upgrade()
{
    if (!Entity::Upgrade())
    {
        return false;
    }
    if (GameParticleManager* effects = GameParticleManager::Peek())
    {
        effects->AddParticleToDQ(kParticleStorehouseUpgrade, {mX - 5.0f, mY + 20.0f});
    }
    UpdateBoxLocks();
    return true;
}

bool EntityStorehouse::IsEmptyFor(std::uint8_t /*mode*/, std::int32_t /*i*/, std::int32_t /*j*/)
{
    return mCells.IsEmpty();
}

bool EntityStorehouse::Interact(std::uint8_t /*mode*/, std::int32_t /*i*/, std::int32_t /*j*/)
{
    Korrin::Vector2 place;
    if (mCells.StealItem(place))
    {
        StoreEntityServices::ShowStealing({place.x + 3.0f, place.y + 17.0f});
    }
    return true;
}

bool EntityStorehouse::GetWalkTarget(WalkTarget* out, std::uint8_t mode)
{
    if (out == nullptr)
    {
        return true;
    }
    *out = {mWalkI, mWalkJ, this};
    if (mode == kBesideDoorMode)
    {
        out->I = mMirrored != 0 ? mWalkI - 1 : mWalkI + 2;
    }
    return true;
}

bool EntityStorehouse::IsPointInside(const Korrin::Vector2& point)
{
    const Korrin::Rect& flag = mFlagRect;
    if (point.x >= flag.left && point.x <= flag.right && point.y >= flag.top && point.y <= flag.bottom)
    {
        StoreEntityServices::ShowHint("FlagHint",
                                      {(flag.left + flag.right) * 0.5f, (flag.top + flag.bottom) * 0.5f});
        mHover = kFlagHover;
        return true;
    }
    if (!Entity::IsPointInside(point))
    {
        return false;
    }
    const Korrin::Rect& rect = GetRect();
    StoreEntityServices::ShowHint("StorehouseHint",
                                  {(rect.left + rect.right) * 0.5f, (rect.top + rect.bottom) * 0.5f});
    return true;
}

bool EntityStorehouse::TryClick()
{
    if (mHover == kFlagHover)
    {
        // The flag opens the window; the click only counts when it is a new one on a free field.
        if (!LeftButtonWentDown())
        {
            return false;
        }
        PlayGuiSound("click_button");
        StoreEntityServices::ShowStorehouseWindow();
        return false;
    }
    if (!Entity::TryClick())
    {
        return false;
    }
    PlayGuiSound("Storehouse");
    return true;
}

std::uint16_t EntityStorehouse::PriceOfNextLevel() const
{
    return CostRecord::GetLevelValue(mUpgradeLevel, mCost);
}

void EntityStorehouse::ChangeGui()
{
    Log(" EntityStorehouse::ChangeGui() Изменение _GetGamePanel().SetPanelParam = ");
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr)
    {
        return;
    }
    panel->SetCurrentByType(kStorehouse);
    panel->SetPanelParam(nullptr, mUpgradeLevel + kPanelPictureBase, mUpgradeLevel, kPanelLevels, 0);
    Korrin::GuiContainer* page = panel->GetPanel(panel->GetCurrent());
    auto* button =
        page != nullptr ? dynamic_cast<Korrin::GuiButton*>(page->GetByName("STOREHOUSE_UPGRADE")) : nullptr;
    SetUpgradeButton(PriceOfNextLevel(), button);
}

void EntityStorehouse::OnGuiEvent()
{
    const std::string clicked = StoreEntityServices::ClickedElement();
    if (clicked == "STOREHOUSE_SHOP")
    {
        PlayGuiSound("click_button");
        StoreEntityServices::ClearSelection();
        StoreEntityServices::ShowStorehouseWindow();
    }
    else if (clicked == "STOREHOUSE_UPGRADE")
    {
        // Paid only for a level that can be bought: at the unlocked maximum the button is locked, and a
        // click that reaches here anyway takes no money.
        if (mUpgradeLevel >= mCost.upgradeLevel || mUpgradeLevel >= kLastLevel)
        {
            ChangeGui();
            return;
        }
        LevelTaskInfo* task = LevelTaskInfo::Peek();
        const std::int32_t price = PriceOfNextLevel();
        if (task != nullptr && task->AddMoney(-price))
        {
            Upgrade();
        }
        ChangeGui();
    }
}

Korrin::Vector2 EntityStorehouse::GetFlagPoint() const
{
    const float ox = mMirrored != 0 ? -70.0f : 107.0f;
    const float fx = mMirrored != 0 ? -20.0f : 0.0f;
    return {mX + ox + 25.0f + fx, mY - 146.0f};
}

void EntityStorehouse::StepWave(float dt, std::size_t frameCount)
{
    FlagWave& wave = sWave;
    wave.timer += dt;
    if (wave.timer > kWaveInterval)
    {
        if (wave.state == 0 && Korrin::Rand() % kWaveChance == 1)
        {
            const bool first = Korrin::Rand() % 2 != 0;
            wave.state = first ? 1 : 2;
            wave.frame = first ? 0.0f : kSecondWaveStart;
        }
        wave.timer = 0.0f;
    }
    if (wave.state == 0)
    {
        return;
    }
    wave.frame += dt * kWaveSpeed;
    const auto count = static_cast<float>(frameCount);
    if (wave.state == 1)
    {
        if (wave.frame > count - static_cast<float>(kFirstWaveShortfall))
        {
            wave.frame = 0.0f;
            wave.state = 0;
        }
    }
    else if (wave.state == 2)
    {
        if (wave.frame > count)
        {
            wave.frame = 0.0f;
            wave.state = 0;
        }
    }
    else
    {
        Log(" Ошибка качания флага ");
    }
}

void EntityStorehouse::DrawLit(Korrin::AnimatedSprite* sprite, std::uint16_t frame, float x, float y,
                               bool lit)
{
    if (sprite == nullptr || sprite->GetFrameCount() == 0)
    {
        return;
    }
    const std::uint16_t clamped = ClampFrame(*sprite, frame);
    sprite->SetBlendMode(0);
    sprite->DrawFrame(clamped, static_cast<int>(x), static_cast<int>(y));
    if (lit)
    {
        sprite->SetBlendMode(2);
        sprite->DrawFrame(clamped, static_cast<int>(x), static_cast<int>(y));
        sprite->SetBlendMode(0);
    }
}

void EntityStorehouse::DrawPillarAndFlag()
{
    StepWave(mLastDt, mFlag != nullptr ? mFlag->GetFrameCount() : 0);
    const bool flagLit = mHover == kFlagHover;
    const float ox = mMirrored != 0 ? -70.0f : 107.0f;
    if (mPillar != nullptr)
    {
        mPillar->SetMirrorH(mMirrored != 0);
    }
    DrawLit(mPillar, 0, mX + ox, mY - 158.0f, flagLit);
    const Korrin::Vector2 flag = GetFlagPoint();
    DrawLit(mFlag, static_cast<std::uint16_t>(std::clamp(sWave.frame, 0.0f, 65535.0f)), flag.x, flag.y,
            flagLit);
    if (mFull != 0)
    {
        mHintArrow.Draw(flag);
    }
}

void EntityStorehouse::Draw()
{
    const bool lit = mHover == 1 || mPressed == 1;
    mCells.DrawLids();
    if (mMirrored == 0)
    {
        DrawPillarAndFlag();
    }
    if (mBuilding != nullptr)
    {
        mBuilding->SetBlendMode(0);
        mBuilding->Draw(static_cast<int>(mX), static_cast<int>(mY - 132.0f));
        if (lit)
        {
            mBuilding->SetBlendMode(2);
            mBuilding->Draw(static_cast<int>(mX), static_cast<int>(mY - 132.0f));
            mBuilding->SetBlendMode(0);
        }
    }
    DrawLit(mRoof, mUpgradeLevel, mX - 6.0f, mY - 147.0f, lit);
    DrawLit(mFoundation, mUpgradeLevel, mX - 3.0f, mY + 1.0f, lit);
    if (mMirrored != 0)
    {
        DrawPillarAndFlag();
    }
    mCells.DrawGoods(kGoodsClip);
    for (std::uint32_t row = mUpgradeLevel + 1u; mUpgradeLevel < kLastLevel && row < kRows; ++row)
    {
        DrawLit(mLockDoor, mUpgradeLevel, mX + 3.0f, mY + kBoxTop + kBoxStepY * static_cast<float>(row), lit);
    }
}

void EntityStorehouse::Save(Korrin::BinaryWriter& out)
{
    mCells.Save(out);
    out.WriteU16(mUpgradeLevel);
}

void EntityStorehouse::Load(Korrin::BinaryReader& in)
{
    mCells.Load(in);
    const std::uint16_t level = in.ReadU16();
    if (!in.Ok() || level > mCost.maxLevel || level > kLastLevel)
    {
        in.Fail();
        return;
    }
    mUpgradeLevel = level;
    UpdateBoxLocks();
}
