#pragma once

#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/GUI/AchievementSystem.h"

#include <string>

namespace TestSupport
{

// Defines achievements from a Lua table as the definitions file holds them, for example
// "{ {Id = 1, MaxProgress = 5, Prize = 10} }".
inline void DefineAchievements(AchievementSystem& achievements, const std::string& table)
{
    Korrin::LuaScript script;
    const std::string chunk = "AchievementsData = " + table;
    if (luaL_dostring(script.GetState(), chunk.c_str()) != 0)
    {
        return;
    }
    Korrin::LuaStackGuard guard(script.GetState());
    achievements.ReadDefinitions(script.GetGlobal("AchievementsData"));
}

} // namespace TestSupport
