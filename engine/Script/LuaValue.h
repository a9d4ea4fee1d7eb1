#pragma once

#include <functional>
#include <lua.hpp>
#include <string>

namespace Korrin
{
struct Colour;
struct Rect;
struct Vector2;
} // namespace Korrin

// A reference to one value on a script's interpreter stack; it owns nothing. Readers that push values
// (GetField) leave them for the caller, who restores the top (Korrin::LuaStackGuard); the list readers
// and the walks restore it themselves. Every reader is safe on any value: nil and wrong types read as
// "not there".
class LuaValue
{
public:
    // A negative index counts from the top and is kept as the absolute position it names now.
    LuaValue(lua_State* state, int index);

    bool IsNil() const;
    bool IsTable() const;
    // A number, or a string that converts to one.
    bool IsNumber() const;
    // A string, or a number (which reads as its text).
    bool IsString() const;
    bool IsBoolean() const;

    // The number, 0 when the value is not one.
    float ToFloat() const;
    // A copy of the text (numbers in their text form), empty when the value is neither.
    std::string ToString() const;
    // Lua's truth: false only for nil and false.
    bool ToBoolean() const;

    // Pushes the value stored under key in this table, read raw, and refers to it; nil when this is not a
    // table or the key is missing.
    LuaValue GetField(const char* key) const;
    LuaValue GetField(const std::string& key) const { return GetField(key.c_str()); }

    // Elements 1..N of this table as floats: all written and true when each is a number, otherwise
    // nothing written and false. The stack top is restored.
    bool GetFloat2(float& a, float& b) const;
    bool GetFloat3(float& a, float& b, float& c) const;
    bool GetFloat4(float& a, float& b, float& c, float& d) const;
    bool GetFloat5(float& a, float& b, float& c, float& d, float& e) const;
    bool GetFloat6(float& a, float& b, float& c, float& d, float& e, float& f) const;
    bool GetFloat9(float& a, float& b, float& c, float& d, float& e, float& f, float& g, float& h,
                   float& i) const;

    // The same pattern for the engine's value types: a point ("Pos"), a rectangle ("SrcRect") and a
    // colour ("Colour"), written whole or not at all.
    bool GetVector2(Korrin::Vector2& vector) const;
    bool GetRect(Korrin::Rect& rect) const;
    bool GetColour(Korrin::Colour& colour) const;

    // Visits every key and value of this table (in the interpreter's order); the stack top is put back
    // after each visit, so a long table does not grow the stack. Nothing when this is not a table. The
    // visit must not add keys to the table (the interpreter cannot go on walking it then).
    void ForEachEntry(const std::function<void(const LuaValue& key, const LuaValue& value)>& visit) const;
    // Visits elements 1, 2, ... up to the first nil, with the same stack care.
    void ForEachElement(const std::function<void(int position, const LuaValue& value)>& visit) const;

    lua_State* GetState() const { return mState; }
    int GetIndex() const { return mIndex; }

private:
    int Type() const;
    bool GetFloats(float* const* outputs, int count) const;

    lua_State* mState;
    // Absolute stack position; 0 refers to nothing.
    int mIndex;
};
