#include "game/MapItem.h"

#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"

#include <algorithm>

namespace
{

constexpr float kShortestEffect = 1e-6f;

} // namespace

void MapItem::Load(const LuaValue& table)
{
    Korrin::LuaStackGuard guard(table.GetState());
    table.GetField("Pos").GetVector2(pos);
    if (const LuaValue depth = table.GetField("Z"); depth.IsNumber())
    {
        z = depth.ToFloat();
    }
    if (const LuaValue kind = table.GetField("Effect"); kind.IsNumber())
    {
        effect = Korrin::CheckedInteger<std::uint16_t>(kind.ToFloat());
    }
    if (const LuaValue draw = table.GetField("Draw"); draw.IsNumber())
    {
        visible = draw.ToFloat() > 0.0f;
    }
    if (const LuaValue length = table.GetField("TimeEffect"); length.IsNumber())
    {
        timeEffect = length.ToFloat();
    }
    if (const LuaValue extra = table.GetField("AddFunctional"); extra.IsNumber())
    {
        functional = Korrin::CheckedInteger<std::uint16_t>(extra.ToFloat());
    }
}

float MapItem::FadeAlpha() const
{
    if (!running)
    {
        return 1.0f;
    }
    const float alpha = visible ? time / EffectLength() : (timeEffect - time) / EffectLength();
    return std::clamp(alpha, 0.0f, 1.0f);
}

float MapItem::EffectLength() const
{
    return timeEffect > kShortestEffect ? timeEffect : kShortestEffect;
}
