#include "game/Entity/CorrectionTable.h"

#include "engine/Log/LogManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"

#include <cmath>
#include <limits>

namespace
{

bool IsStringValue(const LuaValue& value)
{
    return lua_type(value.GetState(), value.GetIndex()) == LUA_TSTRING;
}

// The goods frame of an element: its "id" truncated toward zero; false when it has none that fits.
bool ReadId(const LuaValue& element, std::uint32_t& id)
{
    Korrin::LuaStackGuard guard(element.GetState());
    const LuaValue value = element.GetField("id");
    if (lua_type(value.GetState(), value.GetIndex()) != LUA_TNUMBER)
    {
        return false;
    }
    const double number = std::trunc(lua_tonumber(value.GetState(), value.GetIndex()));
    if (!(number >= 0.0 && number <= static_cast<double>(std::numeric_limits<std::uint32_t>::max())))
    {
        return false;
    }
    id = static_cast<std::uint32_t>(number);
    return true;
}

} // namespace

void CorrectionTable::Load(const std::string& file, const std::string& tableName)
{
    if (file.empty())
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("Error loading file! file - %s", file.c_str());
        }
        return;
    }
    Korrin::LuaScript script;
    script.LoadFile(file, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue table = script.GetGlobal(tableName.c_str());
    table.ForEachEntry(
        [this](const LuaValue& /*key*/, const LuaValue& entry)
        {
            if (!entry.IsTable())
            {
                return;
            }
            const LuaValue name = entry.GetField("name");
            if (!IsStringValue(name))
            {
                return;
            }
            std::map<std::uint32_t, Correction> ids;
            entry.GetField("data").ForEachEntry(
                [&ids](const LuaValue& /*position*/, const LuaValue& element)
                {
                    std::uint32_t id = 0;
                    if (!element.IsTable() || !ReadId(element, id))
                    {
                        return;
                    }
                    Correction correction;
                    ReadEntry(correction, element.GetState(), element.GetIndex());
                    ids.emplace(id, correction);
                });
            mTable.emplace(name.ToString(), std::move(ids));
        });
}

const Correction* CorrectionTable::Find(const std::string& animation, std::uint32_t id) const
{
    const auto ids = mTable.find(animation);
    if (ids == mTable.end())
    {
        return nullptr;
    }
    const auto found = ids->second.find(id);
    return found != ids->second.end() ? &found->second : nullptr;
}

void CorrectionTable::ReadEntry(Correction& out, lua_State* state, int index)
{
    if (lua_type(state, index) != LUA_TTABLE)
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("Error loading correction data table! object is not a table");
        }
        return;
    }
    const int table = index < 0 ? lua_gettop(state) + index + 1 : index;
    const struct
    {
        const char* key;
        float* field;
    } fields[] = {{"angle", &out.angle}, {"sX", &out.sX}, {"sY", &out.sY}, {"pX", &out.pX}, {"pY", &out.pY}};
    for (const auto& field : fields)
    {
        Korrin::LuaStackGuard guard(state);
        lua_pushstring(state, field.key);
        lua_rawget(state, table);
        if (lua_isnumber(state, -1) != 0)
        {
            *field.field = static_cast<float>(lua_tonumber(state, -1));
        }
    }
}
