#pragma once

#include "engine/Script/LuaValue.h"

#include <lua.hpp>
#include <string>

namespace Korrin
{

// One interpreter state with all standard libraries, made for one load and closed with the object.
// Data files run into it leave tables that are read through LuaValue; copy strings out before the
// script object goes.
class LuaScript
{
public:
    // How a load ended. Only ScriptFailed is a failure of the file itself: a missing file was already
    // reported or logged, and the tables a failed script set before its error stay readable.
    enum class LoadResult
    {
        Ran,
        FileMissing,
        ScriptFailed,
    };
    // What a missing file is: an error report (the file is required) or one log line (it is optional).
    enum class IfMissing
    {
        Report,
        Log,
    };

    LuaScript();
    ~LuaScript();
    LuaScript(const LuaScript&) = delete;
    LuaScript& operator=(const LuaScript&) = delete;

    // Reads the file (its name lower-cased) through the file system and runs it in protected mode.
    LoadResult LoadFile(const std::string& name, IfMissing ifMissing);

    // Pushes the global of that name (read raw) and refers to it; restore the top afterwards
    // (LuaStackGuard).
    LuaValue GetGlobal(const char* name);

    // One log line naming the file last loaded, what is wrong with its data and why: said before a report
    // whose own text names no file.
    void LogFault(const std::string& fault) const;

    bool IsOpen() const { return mOpen; }
    lua_State* GetState() const { return mState; }

private:
    LoadResult Load(const std::string& lowered, IfMissing ifMissing);
    LoadResult RunChunk(const std::string& name, const char* bytes, std::size_t size);

    lua_State* mState = nullptr;
    bool mOpen = false;
    // The last load: the file's name, how it ended and, for a script that failed, the interpreter's message.
    std::string mFileName;
    LoadResult mLoadResult = LoadResult::Ran;
    std::string mError;
};

} // namespace Korrin
