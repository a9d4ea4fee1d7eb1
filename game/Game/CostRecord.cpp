#include "game/Game/CostRecord.h"

std::uint16_t CostRecord::GetLevelValue(std::uint16_t level, const CostRecord& record)
{
    if (record.rows.empty())
    {
        return 0;
    }
    const std::size_t row = level < record.rows.size() ? level : record.rows.size() - 1;
    return static_cast<std::uint16_t>(record.rows[row].value);
}
