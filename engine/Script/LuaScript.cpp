#include "engine/Script/LuaScript.h"

#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Log/ReportFileScope.h"
#include "engine/Script/LuaChunkCache.h"
#include "engine/Util/ValueText.h"

#include <cstring>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Script\\LuaScript";

LogManager* Log()
{
    return LogManager::Peek();
}

// Precompiled chunks are not data: the interpreter does not check them and a damaged one can crash it.
bool IsPrecompiled(const char* bytes, std::size_t size)
{
    return size >= std::strlen(LUA_SIGNATURE) &&
           std::memcmp(bytes, LUA_SIGNATURE, std::strlen(LUA_SIGNATURE)) == 0;
}

} // namespace

LuaScript::LuaScript() : mState(luaL_newstate())
{
    if (mState == nullptr)
    {
        ReportAndBreak("Error Initializing luan", kEngineModule, kSource, 321);
        return;
    }
    luaL_openlibs(mState);
    mOpen = true;
}

LuaScript::~LuaScript()
{
    ReportFileScope::Leave(this);
    if (mOpen)
    {
        lua_close(mState);
    }
}

LuaScript::LoadResult LuaScript::LoadFile(const std::string& name, IfMissing ifMissing)
{
    const std::string lowered = ToLower(name);
    mFileName = lowered;
    // Reports raised while this script's data is read, here or by its caller, are caused by its file.
    ReportFileScope::Enter(this, mFileName);
    mError.clear();
    mLoadResult = Load(lowered, ifMissing);
    return mLoadResult;
}

LuaScript::LoadResult LuaScript::Load(const std::string& lowered, IfMissing ifMissing)
{
    FileData data;
    FileSysManager* files = FileSysManager::GetInstance();
    if (files == nullptr || !files->FindFileData(lowered, data, "rb"))
    {
        if (ifMissing == IfMissing::Report)
        {
            ReportAndBreak("File not load: " + lowered, kEngineModule, kSource, 367);
        }
        else if (LogManager* log = Log())
        {
            log->Write("File not load: %s", lowered.c_str());
        }
        return LoadResult::FileMissing;
    }
    if (!mOpen)
    {
        return LoadResult::ScriptFailed;
    }
    return RunChunk(lowered, data.GetText(), data.GetSize());
}

LuaScript::LoadResult LuaScript::RunChunk(const std::string& name, const char* bytes, std::size_t size)
{
    if (IsPrecompiled(bytes, size))
    {
        if (LogManager* log = Log())
        {
            log->Write("LuaScript::LoadFile %s: precompiled scripts are not read", name.c_str());
        }
        return LoadResult::ScriptFailed;
    }
    const std::string chunkName = "@" + name;
    if (LuaChunkCache::Load(mState, bytes, size, chunkName) != 0 || lua_pcall(mState, 0, LUA_MULTRET, 0) != 0)
    {
        // The data's author learns what went wrong; the message is then dropped so the stack stays as the
        // script left it.
        const char* message = lua_tostring(mState, -1);
        mError = message != nullptr ? message : "error";
        if (LogManager* log = Log())
        {
            log->Write("LuaScript::LoadFile %s: %s", name.c_str(), mError.c_str());
        }
        lua_pop(mState, 1);
        return LoadResult::ScriptFailed;
    }
    return LoadResult::Ran;
}

void LuaScript::LogFault(const std::string& fault) const
{
    LogManager* log = Log();
    if (log == nullptr)
    {
        return;
    }
    switch (mLoadResult)
    {
    case LoadResult::FileMissing:
        log->Write("%s: %s: the file was not found", mFileName.c_str(), fault.c_str());
        break;
    case LoadResult::ScriptFailed:
        log->Write("%s: %s: the script did not run to its end (%s)", mFileName.c_str(), fault.c_str(),
                   mError.empty() ? "precompiled or unreadable" : mError.c_str());
        break;
    case LoadResult::Ran:
        log->Write("%s: %s", mFileName.c_str(), fault.c_str());
        break;
    }
}

LuaValue LuaScript::GetGlobal(const char* name)
{
    if (!mOpen || !lua_checkstack(mState, 2))
    {
        return LuaValue(mState, 0);
    }
    lua_pushstring(mState, name);
    lua_rawget(mState, LUA_GLOBALSINDEX);
    return LuaValue(mState, lua_gettop(mState));
}

} // namespace Korrin
