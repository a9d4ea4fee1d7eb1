#include "engine/Script/LuaChunkCache.h"

#include <map>
#include <mutex>
#include <string_view>

namespace Korrin
{

namespace
{

struct CompiledChunk
{
    std::string source;
    std::string code;
};

// Scripts may be loaded from more than one thread.
std::mutex gLock;
std::map<std::string, CompiledChunk, std::less<>> gChunks;

int AppendCode(lua_State* /*state*/, const void* bytes, std::size_t size, void* code)
{
    static_cast<std::string*>(code)->append(static_cast<const char*>(bytes), size);
    return 0;
}

} // namespace

int LuaChunkCache::Load(lua_State* state, const char* source, std::size_t size, const std::string& chunkName)
{
    const std::string_view text(source, size);
    {
        std::lock_guard<std::mutex> guard(gLock);
        const auto found = gChunks.find(chunkName);
        if (found != gChunks.end() && found->second.source == text)
        {
            const std::string& code = found->second.code;
            return luaL_loadbuffer(state, code.data(), code.size(), chunkName.c_str());
        }
    }
    const int status = luaL_loadbuffer(state, source, size, chunkName.c_str());
    std::string code;
    // Kept with its debug information, so that a run-time error names the file and line as before.
    if (status != 0 || lua_dump(state, AppendCode, &code) != 0 || code.empty())
    {
        return status;
    }
    std::lock_guard<std::mutex> guard(gLock);
    gChunks.insert_or_assign(chunkName, CompiledChunk{std::string(text), std::move(code)});
    return status;
}

} // namespace Korrin
