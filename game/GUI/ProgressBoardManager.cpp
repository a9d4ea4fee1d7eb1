#include "game/GUI/ProgressBoardManager.h"

namespace
{

void WriteEntry(Korrin::BinaryWriter& out, const ProgressBoardManager::RivalEntry& entry)
{
    for (const std::uint32_t count : entry.counts)
    {
        out.WriteU32(count);
    }
    out.WriteF32(entry.position[0]);
    out.WriteF32(entry.position[1]);
    out.WriteU8(entry.flag);
    for (const float value : entry.motion)
    {
        out.WriteF32(value);
    }
    out.WriteU32(entry.value);
}

ProgressBoardManager::RivalEntry ReadEntry(Korrin::BinaryReader& in)
{
    ProgressBoardManager::RivalEntry entry;
    for (std::uint32_t& count : entry.counts)
    {
        count = in.ReadU32();
    }
    entry.position[0] = in.ReadF32();
    entry.position[1] = in.ReadF32();
    entry.flag = in.ReadU8();
    for (float& value : entry.motion)
    {
        value = in.ReadF32();
    }
    entry.value = in.ReadU32();
    return entry;
}

constexpr std::size_t kRivalEntryBytes = 45;

} // namespace

bool ProgressBoardManager::Load(Korrin::BinaryReader* in)
{
    if (in == nullptr)
    {
        mBoards = Boards();
        return true;
    }
    Boards loaded;
    if (!Read(*in, loaded))
    {
        return false;
    }
    mBoards = std::move(loaded);
    return true;
}

void ProgressBoardManager::Write(Korrin::BinaryWriter& out, const Boards& boards)
{
    out.WriteU32(boards.shownIndex);
    const RivalsBoard& rivals = boards.rivals;
    out.WriteU8(rivals.shown);
    out.WriteU32(rivals.state);
    out.WriteU32(static_cast<std::uint32_t>(rivals.entries.size()));
    for (const RivalEntry& entry : rivals.entries)
    {
        WriteEntry(out, entry);
    }
    out.WriteF32(rivals.scale[0]);
    out.WriteF32(rivals.scale[1]);
    out.WriteU8(rivals.flag);
    out.WriteF32(rivals.alpha);
    for (const std::int32_t mark : rivals.marks)
    {
        out.WriteI32(mark);
    }
    const CompanionBoard& companion = boards.companion;
    out.WriteU8(companion.shown);
    out.WriteU32(companion.first);
    out.WriteU32(companion.second);
    out.WriteF32(companion.alpha);
    out.WriteU32(companion.third);
}

bool ProgressBoardManager::Read(Korrin::BinaryReader& in, Boards& boards)
{
    boards.shownIndex = in.ReadU32();
    RivalsBoard& rivals = boards.rivals;
    rivals.shown = in.ReadU8();
    rivals.state = in.ReadU32();
    const std::uint32_t count = in.ReadU32();
    if (!in.CheckCount(count, kRivalEntryBytes, kMaxRivalEntries))
    {
        return false;
    }
    rivals.entries.clear();
    for (std::uint32_t entry = 0; entry < count; ++entry)
    {
        rivals.entries.push_back(ReadEntry(in));
    }
    rivals.scale[0] = in.ReadF32();
    rivals.scale[1] = in.ReadF32();
    rivals.flag = in.ReadU8();
    rivals.alpha = in.ReadF32();
    for (std::int32_t& mark : rivals.marks)
    {
        mark = in.ReadI32();
    }
    CompanionBoard& companion = boards.companion;
    companion.shown = in.ReadU8();
    companion.first = in.ReadU32();
    companion.second = in.ReadU32();
    companion.alpha = in.ReadF32();
    companion.third = in.ReadU32();
    // An unknown board index shows none.
    if (boards.shownIndex > kNoBoard)
    {
        boards.shownIndex = kNoBoard;
    }
    return in.Ok();
}
