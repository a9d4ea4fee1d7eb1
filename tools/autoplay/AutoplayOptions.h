#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line of wf_autoplay.
struct AutoplayOptions
{
    enum class Format
    {
        Text,
        Csv,
        Json,
    };

    std::vector<std::int32_t> levels;
    int processes = 0; // 0: one per processor, at most 8
    Format format = Format::Text;
    std::string dataFolder;
    std::string workFolder; // empty: a fresh folder under the system's temporary folder
    bool keep = false;
    bool drawLevels = false;
    bool trace = false;
    bool tips = true;
    bool check = false;
    bool road = false;
    float giveUpMinutes = 0.0f; // 0: twice the level's silver time
    std::string scriptFile;     // the events played, written as an input script
    std::vector<std::string> screenshots;
    bool help = false;

    // Reads the arguments (without the program's name); on a mistake says why in error.
    static std::optional<AutoplayOptions> Parse(const std::vector<std::string>& arguments,
                                                std::string& error);
    static const char* Usage();
    // "7", "1-67", "3,5,9-12": the levels in order, each once; false on a mistake.
    static bool ParseLevels(const std::string& text, std::vector<std::int32_t>& levels);
};
