#include "tests/game/LevelDataFolder.h"

#include "tests/game/GameProcess.h"
#include "tools/levelgen/LevelMap.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

LevelDataFolder::LevelDataFolder(const std::filesystem::path& folder,
                                 const std::map<int, std::string>& levels)
    : mFolder(folder)
{
    const std::filesystem::path sample = GameProcess::SampleData();
    std::filesystem::remove_all(mFolder);
    std::filesystem::create_directories(mFolder);
    std::filesystem::copy(sample / "media", mFolder / "media", std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(sample / "config.cfg", mFolder / "config.cfg");
    for (const auto& [number, map] : levels)
    {
        const std::filesystem::path source = std::filesystem::path(WF_FIXTURES_DIR) / "play" / map;
        std::ifstream in(source, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        LevelMap level;
        std::string error;
        if (!in || !level.Parse(text.str(), error))
        {
            ADD_FAILURE() << source << " does not compile: " << error;
            continue;
        }
        const std::vector<std::uint8_t> bytes = level.Compile();
        char name[16];
        std::snprintf(name, sizeof name, "lev%02d.lev", number);
        std::ofstream(mFolder / "media" / name, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
}
