#include "game/Entity/EntityWaterWell.h"

#include "engine/Gui/GuiButton.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Particle/ParticleSystemList.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityTaskManager.h"
#include "game/Entity/LevelLookup.h"
#include "game/Entity/PanelControls.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Util/HintArrow.h"
#include "game/Util/HintManager.h"
#include "game/Util/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{
constexpr std::uint32_t kWellFrames = 33;
constexpr std::uint32_t kPailFrames = 36;
constexpr std::uint8_t kFirstLimit = 3;
// Where each level's picture stands from the well's anchor; the pail always hangs at one place.
constexpr std::array<std::array<float, 2>, EntityWaterWell::kLevels> kPictureOffsets = {
    {{-16.0f, -69.0f}, {-4.0f, -76.0f}, {-16.0f, -79.0f}}};
constexpr float kPailX = 31.0f;
constexpr float kPailY = -22.0f;
// The arrow points at the order buttons while the well is selected, else at the well.
constexpr Korrin::Vector2 kArrowAtPanel{369.0f, 497.0f};
constexpr std::array<const char*, EntityWaterWell::kPailKinds> kTaskButtons = {"WAT_TASK1", "WAT_TASK2",
                                                                               "WAT_TASK3"};

// The frame a table gives at the winding position: its entry - 1, 0 for a table that is not there.
std::uint16_t WindingFrame(std::uint32_t table, float winding)
{
    const Korrin::Array<std::uint8_t>& entries = GameTables::Frames(table);
    if (entries.Size() == 0)
    {
        return 0;
    }
    const auto index =
        static_cast<std::uint32_t>(std::clamp(winding, 0.0f, static_cast<float>(entries.Size() - 1)));
    return entries[index] > 0 ? static_cast<std::uint16_t>(entries[index] - 1) : 0;
}

} // namespace

EntityWaterWell::EntityWaterWell()
{
    mType = kWaterWell;
    TakeCostRecord();
    if (EntityTaskManager* tasks = EntityTaskManager::Peek())
    {
        tasks->Register(this);
    }
    mArrow = std::make_unique<HintArrow>();
    mArrow->Create();
}

EntityWaterWell::~EntityWaterWell()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (Korrin::AnimatedSprite* picture : mPictures)
        {
            sprites->DeleteSprite(picture);
        }
        for (Korrin::AnimatedSprite* pail : mPails)
        {
            sprites->DeleteSprite(pail);
        }
    }
    mArrow->Release();
}

void EntityWaterWell::Init()
{
    mArrow->Load();
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (std::size_t n = 0; n < kLevels; ++n)
        {
            sprites->DeleteSprite(mPictures[n]);
            mPictures[n] = sprites->LoadAnimatedSprite("Waterwell" + std::to_string(n + 1), "Waterwell.lua");
        }
        for (std::size_t n = 0; n < kPailKinds; ++n)
        {
            sprites->DeleteSprite(mPails[n]);
            mPails[n] = sprites->LoadAnimatedSprite("Pail0" + std::to_string(n + 1), "Waterwell.lua");
        }
    }
    if (EntityManager* entities = LevelLookup::Entities())
    {
        entities->AddOverlayEntity(this);
    }
}

void EntityWaterWell::Reset()
{
    mUpgradeLevel = 0;
    // A level starts with its three pails paid for: the money for them comes first.
    mTasks.clear();
    SetTaskLimit(kFirstLimit);
    if (LevelTaskInfo* task = LevelTaskInfo::Peek())
    {
        task->AddMoney(kPrepaidPails * static_cast<std::int32_t>(OrderPrice(kSmallPail)));
    }
    for (std::uint8_t i = 0; i < kPrepaidPails; ++i)
    {
        AddTask(kSmallPail);
    }
    SetTaskPosition(mX - 22.0f, mY + 18.0f);
    SetRect({mX - 20.0f, mY - 80.0f, mX + 98.0f, mY + 45.0f});
}

bool EntityWaterWell::Update(float dt)
{
    if (mTasks.empty())
    {
        mArrow->Update(dt);
    }
    else
    {
        // The winch turns for 17 / 7 s, then the pail stands at the top.
        mWinding = std::min(mWinding + kWindingRate * dt, kWindingLimit);
    }
    return true;
}

std::int32_t EntityWaterWell::ShownPailKind() const
{
    const std::int32_t kind = mBusy != 0 ? mCurrentKind : static_cast<std::int32_t>(GetTask(0)) - kSmallPail;
    return kind >= 0 && kind < kPailKinds ? kind : -1;
}

void EntityWaterWell::Draw()
{
    const bool known = mUpgradeLevel < kLevels;
    const std::array<float, 2> offset =
        known ? kPictureOffsets[mUpgradeLevel] : std::array<float, 2>{0.0f, 0.0f};
    const std::int32_t kind = ShownPailKind();
    if ((!mTasks.empty() || mBusy != 0) && kind >= 0)
    {
        if (Korrin::AnimatedSprite* pail = mPails[static_cast<std::size_t>(kind)])
        {
            const std::uint16_t frame =
                WindingFrame(kPailFrames + static_cast<std::uint32_t>(kind), mWinding);
            const float x = known ? mX + kPailX : mX;
            const float y = known ? mY + kPailY : mY;
            pail->DrawFrame(frame, static_cast<int>(x), static_cast<int>(y));
        }
    }
    Korrin::AnimatedSprite* picture = mPictures[std::min<std::size_t>(mUpgradeLevel, kLevels - 1)];
    if (picture == nullptr)
    {
        return;
    }
    const std::uint16_t frame = known ? WindingFrame(kWellFrames + mUpgradeLevel, mWinding) : 0;
    const int x = static_cast<int>(mX + offset[0]);
    const int y = static_cast<int>(mY + offset[1]);
    picture->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    picture->DrawFrame(frame, x, y);
    if (mHover == 1 || mPressed == 1)
    {
        picture->SetBlendMode(Korrin::RenderData::kBlendAdd);
        picture->DrawFrame(frame, x, y);
        picture->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    }
}

Korrin::Vector2 EntityWaterWell::ArrowPlace() const
{
    if (mPressed == 1)
    {
        return kArrowAtPanel;
    }
    return {mX + 5.0f + HintArrow::kOffsetX, mY - 79.0f + HintArrow::kOffsetY};
}

void EntityWaterWell::DrawOverlay()
{
    if (!mTasks.empty())
    {
        return;
    }
    // The arrow's own offset is taken back: the places above are where its picture goes.
    const Korrin::Vector2 place = ArrowPlace();
    mArrow->Draw({place.x - HintArrow::kOffsetX, place.y - HintArrow::kOffsetY});
}

bool EntityWaterWell::Upgrade()
{
    if (!Entity::Upgrade())
    {
        return false;
    }
    if (GameParticleManager* particles = GameParticleManager::Peek())
    {
        particles->AddParticleToDQ(kParticleWaterwellUpgrade, {mX - 10.0f, mY + 15.0f});
    }
    SetTaskLimit(static_cast<std::uint8_t>(mTaskLimit + 1));
    return true;
}

bool EntityWaterWell::IsEmptyFor(std::uint8_t /*mode*/, std::int32_t /*i*/, std::int32_t /*j*/)
{
    return mTasks.empty();
}

bool EntityWaterWell::Interact(std::uint8_t /*mode*/, std::int32_t /*i*/, std::int32_t /*j*/)
{
    if (mTasks.empty())
    {
        return false;
    }
    if (EntityManager* entities = LevelLookup::Entities())
    {
        if (Korrin::ParticleSystem* stealing = entities->GetStealingEffect())
        {
            stealing->SetPosition({mX + 80.0f, mY});
            entities->GetParticles().Add(*stealing);
        }
    }
    mWinding = 0.0f;
    mBusy = 0;
    Korrin::PlaySoundOnce("Stealing");
    return RemoveTask(0, false);
}

bool EntityWaterWell::RemoveTask(std::uint8_t index, bool refund)
{
    if (!EntityTask::RemoveTask(index, refund))
    {
        return false;
    }
    if (mTasks.empty())
    {
        mWinding = 0.0f;
    }
    return true;
}

bool EntityWaterWell::PopTask()
{
    // Nothing to take leaves the well as it is: a busy well with no pail would never be released, and
    // the kind of "no order" is no pail kind a saved record could hold.
    if (mTasks.empty())
    {
        return false;
    }
    mBusy = 1;
    mCurrentKind = static_cast<std::uint8_t>(mTasks.front() - kSmallPail);
    mTasks.erase(mTasks.begin());
    return true;
}

void EntityWaterWell::ChangeGui()
{
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr)
    {
        return;
    }
    panel->SetCurrentByType(kWaterWell);
    panel->SetPanelParam(this, mUpgradeLevel + 59, mUpgradeLevel, kLevels, 0);
    if (panel->GetPanel(panel->GetCurrent()) == nullptr)
    {
        return;
    }
    FillTaskButtons();
    SetUpgradeButton(CostRecord::GetLevelValue(mUpgradeLevel, mCost),
                     PanelControls::FindButton("WAT_UPGRADE"));
}

void EntityWaterWell::FillTaskButtons()
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    const std::int32_t money = task != nullptr ? task->money : 0;
    for (std::uint8_t i = 0; i < kPailKinds; ++i)
    {
        Korrin::GuiButton* button = PanelControls::FindButton(kTaskButtons[i]);
        if (button == nullptr)
        {
            continue;
        }
        if (i <= mUpgradeLevel)
        {
            const std::uint16_t price = OrderPrice(static_cast<std::uint8_t>(kSmallPail + i));
            button->SetFrame(static_cast<std::uint16_t>(i + 1));
            button->SetDisabledSpritePosition({15.0f, 5.0f});
            PanelControls::SetCaption(*button, TextFormat::Decimal(price));
            button->SetAlpha(1.0f);
            button->SetDisabled(price > money);
        }
        else
        {
            button->SetFrame(0);
            button->SetDisabled(true);
            button->SetDisabledSpritePosition({1.0f, 0.0f});
            PanelControls::SetCaption(*button, u"");
        }
    }
}

void EntityWaterWell::OnGuiEvent()
{
    const std::string clicked = PanelControls::Clicked();
    if (clicked == "WAT_UPGRADE")
    {
        // Paid only when the level can rise: the unlocked maximum refuses it.
        const std::uint16_t price = CostRecord::GetLevelValue(mUpgradeLevel, mCost);
        LevelTaskInfo* task = LevelTaskInfo::Peek();
        if (CanRise() && task != nullptr && task->AddMoney(-static_cast<std::int32_t>(price)))
        {
            Upgrade();
            SetTaskLimit(static_cast<std::uint8_t>(mUpgradeLevel + kFirstLimit));
        }
    }
    else
    {
        const auto button = std::find(kTaskButtons.begin(), kTaskButtons.end(), clicked);
        if (button == kTaskButtons.end())
        {
            return;
        }
        const auto kind = static_cast<std::uint8_t>(button - kTaskButtons.begin());
        if (AddTask(static_cast<std::uint8_t>(kSmallPail + kind)) && mTasks.size() == 1)
        {
            Korrin::PlaySoundOnce("WaterWellTask");
        }
    }
    ChangeGui();
}

bool EntityWaterWell::IsPointInside(const Korrin::Vector2& point)
{
    if (!Entity::IsPointInside(point))
    {
        return false;
    }
    if (HintManager* hints = HintManager::Peek())
    {
        hints->Show("WaterwellHint", 1,
                    {(mRect.left + mRect.right) / 2.0f, (mRect.top + mRect.bottom) / 2.0f});
    }
    return true;
}

bool EntityWaterWell::TryClick()
{
    if (!Entity::TryClick())
    {
        return false;
    }
    Korrin::PlaySoundOnce("WaterWell");
    ChangeGui();
    return true;
}

void EntityWaterWell::Save(Korrin::BinaryWriter& out)
{
    Entity::Save(out);
    out.WriteU8(mBusy);
    out.WriteU8(mCurrentKind);
    out.WriteF32(mWinding);
    out.WriteU32(mReserved);
}

void EntityWaterWell::Load(Korrin::BinaryReader& in)
{
    Entity::Load(in);
    const std::uint8_t busy = in.ReadU8();
    const std::uint8_t kind = in.ReadU8();
    const float winding = in.ReadF32();
    const std::uint32_t reserved = in.ReadU32();
    if (!in.Ok() || busy > 1 || kind >= kPailKinds || !std::isfinite(winding) || winding < 0.0f ||
        winding > kWindingLimit)
    {
        in.Fail();
        return;
    }
    mBusy = busy;
    mCurrentKind = kind;
    mWinding = winding;
    mReserved = reserved;
}
