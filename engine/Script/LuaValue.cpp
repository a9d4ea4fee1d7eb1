#include "engine/Script/LuaValue.h"

#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

namespace
{

constexpr int kMostFloats = 9;

int AbsoluteIndex(lua_State* state, int index)
{
    if (state == nullptr)
    {
        return 0;
    }
    if (index < 0 && index > LUA_REGISTRYINDEX)
    {
        const int absolute = lua_gettop(state) + index + 1;
        return absolute > 0 ? absolute : 0;
    }
    return index;
}

} // namespace

LuaValue::LuaValue(lua_State* state, int index) : mState(state), mIndex(AbsoluteIndex(state, index)) {}

int LuaValue::Type() const
{
    if (mState == nullptr || mIndex == 0 || (mIndex > 0 && mIndex > lua_gettop(mState)))
    {
        return LUA_TNONE;
    }
    return lua_type(mState, mIndex);
}

bool LuaValue::IsNil() const
{
    return Type() <= LUA_TNIL;
}

bool LuaValue::IsTable() const
{
    return Type() == LUA_TTABLE;
}

bool LuaValue::IsNumber() const
{
    return Type() != LUA_TNONE && lua_isnumber(mState, mIndex) != 0;
}

bool LuaValue::IsString() const
{
    const int type = Type();
    return type == LUA_TSTRING || type == LUA_TNUMBER;
}

bool LuaValue::IsBoolean() const
{
    return Type() == LUA_TBOOLEAN;
}

float LuaValue::ToFloat() const
{
    return IsNumber() ? static_cast<float>(lua_tonumber(mState, mIndex)) : 0.0f;
}

std::string LuaValue::ToString() const
{
    if (!IsString() || !lua_checkstack(mState, 1))
    {
        return {};
    }
    // Converting a number changes the stack slot in place, which would break a walk over that key: the
    // conversion is made on a copy.
    lua_pushvalue(mState, mIndex);
    std::size_t length = 0;
    const char* text = lua_tolstring(mState, -1, &length);
    std::string copy(text, length);
    lua_pop(mState, 1);
    return copy;
}

bool LuaValue::ToBoolean() const
{
    return Type() != LUA_TNONE && lua_toboolean(mState, mIndex) != 0;
}

LuaValue LuaValue::GetField(const char* key) const
{
    if (mState == nullptr || !lua_checkstack(mState, 2))
    {
        return LuaValue(mState, 0);
    }
    if (IsTable())
    {
        lua_pushstring(mState, key);
        lua_rawget(mState, mIndex);
    }
    else
    {
        lua_pushnil(mState);
    }
    return LuaValue(mState, lua_gettop(mState));
}

bool LuaValue::GetFloats(float* const* outputs, int count) const
{
    if (!IsTable() || !lua_checkstack(mState, count))
    {
        return false;
    }
    Korrin::LuaStackGuard guard(mState);
    for (int element = 1; element <= count; ++element)
    {
        lua_rawgeti(mState, mIndex, element);
        if (!lua_isnumber(mState, -1))
        {
            return false;
        }
    }
    float values[kMostFloats];
    for (int element = 0; element < count; ++element)
    {
        values[element] = static_cast<float>(lua_tonumber(mState, guard.GetTop() + 1 + element));
    }
    for (int element = 0; element < count; ++element)
    {
        *outputs[element] = values[element];
    }
    return true;
}

bool LuaValue::GetFloat2(float& a, float& b) const
{
    float* const outputs[] = {&a, &b};
    return GetFloats(outputs, 2);
}

bool LuaValue::GetFloat3(float& a, float& b, float& c) const
{
    float* const outputs[] = {&a, &b, &c};
    return GetFloats(outputs, 3);
}

bool LuaValue::GetFloat4(float& a, float& b, float& c, float& d) const
{
    float* const outputs[] = {&a, &b, &c, &d};
    return GetFloats(outputs, 4);
}

bool LuaValue::GetFloat5(float& a, float& b, float& c, float& d, float& e) const
{
    float* const outputs[] = {&a, &b, &c, &d, &e};
    return GetFloats(outputs, 5);
}

bool LuaValue::GetFloat6(float& a, float& b, float& c, float& d, float& e, float& f) const
{
    float* const outputs[] = {&a, &b, &c, &d, &e, &f};
    return GetFloats(outputs, 6);
}

bool LuaValue::GetFloat9(float& a, float& b, float& c, float& d, float& e, float& f, float& g, float& h,
                         float& i) const
{
    float* const outputs[] = {&a, &b, &c, &d, &e, &f, &g, &h, &i};
    return GetFloats(outputs, kMostFloats);
}

bool LuaValue::GetVector2(Korrin::Vector2& vector) const
{
    return GetFloat2(vector.x, vector.y);
}

bool LuaValue::GetRect(Korrin::Rect& rect) const
{
    return GetFloat4(rect.left, rect.top, rect.right, rect.bottom);
}

bool LuaValue::GetColour(Korrin::Colour& colour) const
{
    return GetFloat4(colour.red, colour.green, colour.blue, colour.alpha);
}

void LuaValue::ForEachEntry(
    const std::function<void(const LuaValue& key, const LuaValue& value)>& visit) const
{
    if (!IsTable() || !lua_checkstack(mState, 3))
    {
        return;
    }
    Korrin::LuaStackGuard guard(mState);
    lua_pushnil(mState);
    const int keyIndex = lua_gettop(mState);
    while (lua_next(mState, mIndex) != 0)
    {
        visit(LuaValue(mState, keyIndex), LuaValue(mState, keyIndex + 1));
        // Only the key stays for the next step, whatever the visit pushed.
        lua_settop(mState, keyIndex);
    }
}

void LuaValue::ForEachElement(const std::function<void(int position, const LuaValue& value)>& visit) const
{
    if (!IsTable() || !lua_checkstack(mState, 2))
    {
        return;
    }
    Korrin::LuaStackGuard guard(mState);
    for (int position = 1;; ++position)
    {
        lua_rawgeti(mState, mIndex, position);
        if (lua_isnil(mState, -1))
        {
            return;
        }
        visit(position, LuaValue(mState, guard.GetTop() + 1));
        lua_settop(mState, guard.GetTop());
    }
}
