#include "game/Entity/Entity.h"

#include "engine/Gui/GuiButton.h"
#include "engine/Log/LogManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/TableCost.h"

#include <string>

namespace
{
// The upgrade button's frames: the price or the smile, and the lock.
constexpr std::uint16_t kButtonFrameOpen = 0;
constexpr std::uint16_t kButtonFrameLocked = 1;
constexpr char16_t kSmile = u'\u263A';
} // namespace

Entity::Entity() : EntityTask(this)
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("Entity::Entity()");
    }
}

Entity::~Entity() = default;

void Entity::TakeCostRecord()
{
    const TableCost* table = TableCost::Peek();
    if (table == nullptr || !table->GetCost(mType, mCost))
    {
        mCost = CostRecord{};
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("Don't find cost");
        }
    }
}

void Entity::Place(std::int32_t i, std::int32_t j)
{
    mWalkI = i;
    mWalkJ = j;
    mX = FieldGeometry::CellX(i);
    mY = FieldGeometry::CellY(j);
    OnPlaced();
}

bool Entity::Upgrade()
{
    ++mUpgradeLevel;
    if (mUpgradeLevel > mCost.upgradeLevel)
    {
        mUpgradeLevel = mCost.upgradeLevel;
        return false;
    }
    Korrin::PlaySoundOnce("upgrade");
    return true;
}

bool Entity::GetWalkTarget(WalkTarget* out, std::uint8_t /*mode*/)
{
    if (out != nullptr)
    {
        *out = {mWalkI, mWalkJ, this};
    }
    return true;
}

void Entity::SetUpgradeButton(std::uint16_t price, Korrin::GuiButton* button) const
{
    FillUpgradeButton(mUpgradeLevel, mCost, price, button, true);
}

void Entity::FillUpgradeButton(std::uint16_t level, const CostRecord& cost, std::uint16_t price,
                               Korrin::GuiButton* button, bool smileFrame)
{
    if (button == nullptr)
    {
        return;
    }
    button->SetAlpha(1.0f);
    button->SetDisabled(false);
    if (level == cost.maxLevel)
    {
        if (smileFrame)
        {
            button->SetFrame(kButtonFrameOpen);
        }
        button->SetCaptionW(std::u16string(1, kSmile));
        button->SetDisabled(true);
        return;
    }
    if (level >= cost.upgradeLevel)
    {
        button->SetFrame(kButtonFrameLocked);
        button->SetCaption("");
        button->SetCaptionW(u"");
        button->SetDisabled(true);
        return;
    }
    const std::string text = std::to_string(price);
    button->SetCaptionW(std::u16string(text.begin(), text.end()));
    button->SetFrame(kButtonFrameOpen);
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    button->SetDisabled(task == nullptr || price > task->money);
}

void Entity::Save(Korrin::BinaryWriter& out)
{
    out.WriteU8(mSelectable);
    out.WriteU8(mType);
    SaveTasks(out);
    out.WriteU16(mUpgradeLevel);
    out.WriteU8(mSide);
    out.WriteU8(mStateByte);
}

void Entity::Load(Korrin::BinaryReader& in)
{
    const std::uint8_t selectable = in.ReadU8();
    const std::uint8_t type = in.ReadU8();
    if (!in.Ok() || selectable > 1 || type != mType)
    {
        in.Fail();
        return;
    }
    LoadTasks(in);
    const std::uint16_t level = in.ReadU16();
    const std::uint8_t side = in.ReadU8();
    const std::uint8_t state = in.ReadU8();
    const bool sideKnown = side == 0 || side == 1 || side == kNoSide;
    if (!in.Ok() || level > mCost.maxLevel || !sideKnown)
    {
        in.Fail();
        return;
    }
    mSelectable = selectable;
    mUpgradeLevel = level;
    mSide = side;
    mStateByte = state;
}
