#include "game/GUI/RewardAlertSystemGui.h"

void RewardAlertSystemGui::Save(Korrin::BinaryWriter& out) const
{
    out.WriteU32(static_cast<std::uint32_t>(mPending.size()));
    for (const std::uint32_t reward : mPending)
    {
        out.WriteU32(reward);
    }
}

bool RewardAlertSystemGui::Load(Korrin::BinaryReader& in)
{
    mPending.clear();
    const std::uint32_t count = in.ReadU32();
    if (!in.CheckCount(count, 4, kMaxPending))
    {
        return false;
    }
    for (std::uint32_t reward = 0; reward < count; ++reward)
    {
        mPending.push_back(in.ReadU32());
    }
    return in.Ok();
}
