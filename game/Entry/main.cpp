#include "game/CommandLine.h"
#include "game/WinMain.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    const std::optional<CommandLine> line = CommandLine::Parse(arguments, error);
    if (!line)
    {
        std::fprintf(stderr, "wrenfold: %s\n%s", error.c_str(), CommandLine::Usage());
        return 2;
    }
    if (line->help)
    {
        std::fputs(CommandLine::Usage(), stdout);
        return 0;
    }
    return WinMain(*line);
}
