#pragma once

#include <filesystem>
#include <map>
#include <string>

// A copy of the build's sample data folder in which some levels are replaced by text maps of
// tests/fixtures/play, compiled as the level generator compiles the sample levels. A test that clicks
// on what stands where in a level plays its own copy, so that the sample levels can change freely.
class LevelDataFolder
{
public:
    // Levels by number ("3" becomes "media/lev03.lev") and the fixture map each is compiled from. A test
    // failure when the sample data cannot be copied or a map does not compile.
    LevelDataFolder(const std::filesystem::path& folder, const std::map<int, std::string>& levels);

    // What to give the game and the save checker as "--data".
    const std::filesystem::path& Path() const { return mFolder; }
    std::string String() const { return mFolder.string(); }

private:
    std::filesystem::path mFolder;
};
