#pragma once

#include "platform/RendererChoice.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the command line asks of the program.
struct CommandLine
{
    std::optional<bool> windowed; // unset: the player's setting decides
    bool headless = false;
    Platform::RendererChoice renderer = Platform::RendererChoice::Automatic;
    bool fixedStep = false;
    std::uint64_t frames = 0; // 0: run until closed
    std::string saveDir;
    std::string dataDir;
    std::string inputFile; // scripted input; empty: none
    struct Screenshot
    {
        std::uint64_t frame = 0;
        std::string path;
    };
    std::vector<Screenshot> screenshots; // in the order given
    int reportAnswer = 2;                // the answer to a report box when there is nobody to ask (Cancel)
    bool testCrash = false;
    bool help = false;

    // Parses the arguments after the program name; on a mistake returns nothing and says why in error.
    static std::optional<CommandLine> Parse(const std::vector<std::string>& arguments, std::string& error);
    static const char* Usage();
};
