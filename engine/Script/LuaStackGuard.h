#pragma once

#include <lua.hpp>

namespace Korrin
{

// Puts an interpreter's stack top back where it was when the guard was made, on every way out of a
// scope: readers push values freely and the stack stays bounded.
class LuaStackGuard
{
public:
    explicit LuaStackGuard(lua_State* state) : mState(state), mTop(state != nullptr ? lua_gettop(state) : 0)
    {
    }
    ~LuaStackGuard()
    {
        if (mState != nullptr)
        {
            lua_settop(mState, mTop);
        }
    }
    LuaStackGuard(const LuaStackGuard&) = delete;
    LuaStackGuard& operator=(const LuaStackGuard&) = delete;

    int GetTop() const { return mTop; }

private:
    lua_State* mState;
    int mTop;
};

} // namespace Korrin
