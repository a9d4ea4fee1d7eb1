#include "game/Entity/EntityTask.h"

#include "engine/Log/LogManager.h"
#include "engine/Util/Colour.h"
#include "game/Entity/Entity.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Game/TableCost.h"

#include <algorithm>
#include <string>

namespace
{
constexpr std::uint8_t kLastOrderGoods = 128;
// A refund's money figure starts this far left of the cancelled icon.
constexpr float kRefundTextOffset = -20.0f;
constexpr float kRefundTextStep = 24.0f;

MoneyAnimatedSprite* MoneyFigures()
{
    Level* level = Level::Peek();
    return level != nullptr ? dynamic_cast<MoneyAnimatedSprite*>(level->Find("MoneyAnimation")) : nullptr;
}
} // namespace

std::uint16_t EntityTask::OrderPrice(std::uint8_t goods)
{
    if (goods < TableCost::kFirstGoodsId || goods > kLastOrderGoods)
    {
        return 0;
    }
    return TableCost::GetGoodsCost(goods - TableCost::kFirstGoodsId);
}

void EntityTask::SetTaskLimit(std::uint8_t limit)
{
    mTaskLimit = std::min(limit, kMaxTasks);
}

bool EntityTask::AddTask(std::uint8_t goods)
{
    if (mTasks.size() >= mTaskLimit)
    {
        return false;
    }
    const std::uint16_t price = OrderPrice(goods);
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (price != 0 && (task == nullptr || !task->AddMoney(-static_cast<std::int32_t>(price))))
    {
        return false;
    }
    mTasks.push_back(goods);
    return true;
}

std::uint8_t EntityTask::GetTask(std::uint8_t index) const
{
    return index < mTasks.size() ? mTasks[index] : 0;
}

bool EntityTask::RemoveTask(std::uint8_t index, bool refund)
{
    if (index >= mTasks.size())
    {
        return false;
    }
    if (refund)
    {
        const std::uint16_t price = OrderPrice(mTasks[index]);
        if (LevelTaskInfo* task = LevelTaskInfo::Peek())
        {
            task->AddMoney(price);
        }
        if (MoneyAnimatedSprite* figures = MoneyFigures())
        {
            figures->Add(0.0f, std::to_string(price), mTaskX + kRefundTextOffset + kRefundTextStep * index,
                         mTaskY, Korrin::Colour{1.0f, 1.0f, 1.0f, 1.0f});
        }
        if (mTaskOwner != nullptr)
        {
            mTaskOwner->ChangeGui();
        }
    }
    mTasks.erase(mTasks.begin() + index);
    return true;
}

void EntityTask::SaveTasks(Korrin::BinaryWriter& out) const
{
    out.WriteU32(static_cast<std::uint32_t>(mTasks.size()));
    for (const std::uint8_t goods : mTasks)
    {
        out.WriteU8(goods);
    }
    out.WriteU8(mTaskLimit);
}

void EntityTask::LoadTasks(Korrin::BinaryReader& in)
{
    mTasks.clear();
    const std::uint32_t count = in.ReadU32();
    if (!in.CheckCount(count, 1, kMaxTasks))
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("EntityTask: a saved queue of %u orders refused", count);
        }
        in.Fail();
        return;
    }
    for (std::uint32_t k = 0; k < count; ++k)
    {
        mTasks.push_back(in.ReadU8());
    }
    const std::uint8_t limit = in.ReadU8();
    if (limit > kMaxTasks)
    {
        in.Fail();
        return;
    }
    mTaskLimit = limit;
}
