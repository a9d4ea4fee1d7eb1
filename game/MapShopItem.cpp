#include "game/MapShopItem.h"

#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"

void MapShopItem::Load(const LuaValue& table)
{
    if (!table.IsTable())
    {
        return;
    }
    Korrin::LuaStackGuard guard(table.GetState());
    table.GetField("Pos").GetVector2(position);
    if (const LuaValue index = table.GetField("Index"); index.IsNumber())
    {
        firstIconFrame = Korrin::CheckedInteger<std::uint16_t>(index.ToFloat());
    }
    if (const LuaValue most = table.GetField("MaxPoints"); most.IsNumber())
    {
        maxPoints = Korrin::CheckedInteger<std::uint16_t>(most.ToFloat());
    }
    if (const LuaValue hint = table.GetField("Hint"); hint.IsString())
    {
        hintName = hint.ToString();
    }
}
