// Writes the sample levels and their pictures into a media folder: each "levNN.map" text map of the
// maps folder becomes the binary level file "levNN.lev".
//
//   wf_levelgen MAPS_FOLDER OUTPUT_FOLDER
//   wf_levelgen --table MAPS_FOLDER      prints the series as a Markdown table (for the README)

#include "tools/levelgen/EntityArt.h"
#include "tools/levelgen/LevelMap.h"
#include "tools/levelgen/LevelPictures.h"
#include "tools/levelgen/LevelSeries.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

bool CompileMap(const std::filesystem::path& map, const std::filesystem::path& output)
{
    std::ifstream in(map);
    std::stringstream text;
    text << in.rdbuf();
    LevelMap level;
    std::string error;
    if (!in || !level.Parse(text.str(), error))
    {
        std::fprintf(stderr, "wf_levelgen: %s: %s\n", map.string().c_str(),
                     in ? error.c_str() : "cannot read");
        return false;
    }
    const std::vector<std::uint8_t> bytes = level.Compile();
    std::ofstream out(output, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
    {
        std::fprintf(stderr, "wf_levelgen: cannot write %s\n", output.string().c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--table")
    {
        const std::string table = LevelSeries::Table(argv[2]);
        std::fputs(table.c_str(), stdout);
        return table.empty() ? 1 : 0;
    }
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: wf_levelgen MAPS_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path maps(argv[1]);
    const std::filesystem::path output(argv[2]);
    std::error_code error;
    std::filesystem::create_directories(output, error);
    bool ok = true;
    for (const auto& entry : std::filesystem::directory_iterator(maps, error))
    {
        if (entry.path().extension() == ".map")
        {
            std::filesystem::path level = output / entry.path().filename();
            level.replace_extension(".lev");
            ok &= CompileMap(entry.path(), level);
        }
    }
    if (error)
    {
        std::fprintf(stderr, "wf_levelgen: cannot read %s\n", maps.string().c_str());
        return 1;
    }
    ok &= LevelSeries::WriteAll(maps, output);
    ok &= LevelPictures::WriteAll(output.string());
    ok &= EntityArt::WriteAll(output.string());
    return ok ? 0 : 1;
}
