#pragma once

#include <cstddef>
#include <lua.hpp>
#include <string>

namespace Korrin
{

// The compiled chunks of the data files run so far, by chunk name and source text. The same file is run
// again and again (a layout file once for each of its windows, a sprite table once for each sprite), and
// compiling its text is most of what running it costs. A chunk is taken from here only when its text is
// byte for byte the one compiled, so what runs is always what the file says.
class LuaChunkCache
{
public:
    // As luaL_loadbuffer: pushes the chunk compiled (or its error message) and returns 0 (or the error).
    static int Load(lua_State* state, const char* source, std::size_t size, const std::string& chunkName);
};

} // namespace Korrin
