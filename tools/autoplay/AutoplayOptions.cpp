#include "tools/autoplay/AutoplayOptions.h"

#include "game/Game/TableCost.h"

#include <algorithm>
#include <charconv>

namespace
{

bool ParseNumber(const std::string& text, std::int32_t& value)
{
    const char* end = text.data() + text.size();
    const auto [at, failure] = std::from_chars(text.data(), end, value);
    return failure == std::errc() && at == end;
}

bool ParseFloat(const std::string& text, float& value)
{
    try
    {
        std::size_t used = 0;
        value = std::stof(text, &used);
        return used == text.size() && value > 0.0f;
    }
    catch (const std::exception&)
    {
        return false;
    }
}

} // namespace

bool AutoplayOptions::ParseLevels(const std::string& text, std::vector<std::int32_t>& levels)
{
    levels.clear();
    std::size_t start = 0;
    while (start <= text.size())
    {
        std::size_t comma = text.find(',', start);
        if (comma == std::string::npos)
        {
            comma = text.size();
        }
        const std::string part = text.substr(start, comma - start);
        const std::size_t dash = part.find('-');
        std::int32_t first = 0;
        std::int32_t last = 0;
        if (dash == std::string::npos
                ? !ParseNumber(part, first)
                : !ParseNumber(part.substr(0, dash), first) || !ParseNumber(part.substr(dash + 1), last))
        {
            return false;
        }
        if (dash == std::string::npos)
        {
            last = first;
        }
        if (first < 1 || last < first || last > static_cast<std::int32_t>(kLevelCount))
        {
            return false;
        }
        for (std::int32_t level = first; level <= last; ++level)
        {
            if (std::find(levels.begin(), levels.end(), level) == levels.end())
            {
                levels.push_back(level);
            }
        }
        start = comma + 1;
    }
    return !levels.empty();
}

std::optional<AutoplayOptions> AutoplayOptions::Parse(const std::vector<std::string>& arguments,
                                                      std::string& error)
{
    AutoplayOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        auto value = [&](std::string& out)
        {
            if (i + 1 >= arguments.size())
            {
                error = argument + " needs a value";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        std::string text;
        if (argument == "--level" || argument == "--levels")
        {
            if (!value(text) || !ParseLevels(text, options.levels))
            {
                error = error.empty() ? "levels are written 7, 1-67 or 3,5,9-12, from 1 to " +
                                            std::to_string(kLevelCount)
                                      : error;
                return std::nullopt;
            }
        }
        else if (argument == "-j" || argument == "--jobs")
        {
            std::int32_t processes = 0;
            if (!value(text) || !ParseNumber(text, processes) || processes < 1 || processes > 64)
            {
                error = error.empty() ? "-j takes a number of processes from 1 to 64" : error;
                return std::nullopt;
            }
            options.processes = processes;
        }
        else if (argument == "--csv")
        {
            options.format = Format::Csv;
        }
        else if (argument == "--json")
        {
            options.format = Format::Json;
        }
        else if (argument == "--data")
        {
            if (!value(options.dataFolder))
            {
                return std::nullopt;
            }
        }
        else if (argument == "--work")
        {
            if (!value(options.workFolder))
            {
                return std::nullopt;
            }
        }
        else if (argument == "--script")
        {
            if (!value(options.scriptFile))
            {
                return std::nullopt;
            }
        }
        else if (argument == "--screenshot")
        {
            if (!value(text))
            {
                return std::nullopt;
            }
            options.screenshots.push_back(text);
        }
        else if (argument == "--give-up")
        {
            if (!value(text) || !ParseFloat(text, options.giveUpMinutes))
            {
                error = error.empty() ? "--give-up takes a number of minutes above 0" : error;
                return std::nullopt;
            }
        }
        else if (argument == "--keep")
        {
            options.keep = true;
        }
        else if (argument == "--draw")
        {
            options.drawLevels = true;
        }
        else if (argument == "--trace")
        {
            options.trace = true;
        }
        else if (argument == "--no-tips")
        {
            options.tips = false;
        }
        else if (argument == "--check")
        {
            options.check = true;
        }
        else if (argument == "--road")
        {
            options.road = true;
        }
        else if (argument == "--help" || argument == "-h")
        {
            options.help = true;
        }
        else
        {
            error = "unknown option '" + argument + "'";
            return std::nullopt;
        }
    }
    if (!options.help && options.levels.empty() && !options.road)
    {
        error = "say which levels to play (--level 7, --levels 1-67) or --road";
        return std::nullopt;
    }
    if (options.levels.size() > 1 && (!options.scriptFile.empty() || !options.screenshots.empty()))
    {
        error = "--script and --screenshot go with one level";
        return std::nullopt;
    }
    return options;
}

const char* AutoplayOptions::Usage()
{
    return "usage: wf_autoplay --level N | --levels 1-67 | --road [options]\n"
           "Plays levels of the game headless under the fixed-step clock, through mouse and key events, as "
           "a\n"
           "player who has bought what the series requires up to each level; one line per level.\n"
           "  --level N, --levels LIST  the levels: 7, 1-67, 3,5,9-12\n"
           "  --road                    the whole main road as a new player: name window, every level from "
           "the\n"
           "                            map in order, the map-shop purchases, the final clip and the main "
           "menu\n"
           "  -j N                      levels played side by side in N processes (default: one per "
           "processor,\n"
           "                            at most 8)\n"
           "  --csv, --json             machine-readable results (the clock, times and money in "
           "seconds/units)\n"
           "  --check                   exit 1 unless every level is won within its silver time and its "
           "gold\n"
           "                            time lies between 1.0 and 1.6 times the winning clock\n"
           "  --data DIR                the folder holding media and config.cfg (default: the build folder)\n"
           "  --work DIR                where each level's save folder and log go (default: a temporary "
           "folder)\n"
           "  --keep                    keep the work folder\n"
           "  --draw                    draw the level's frames too (the game's update does not depend on "
           "it)\n"
           "  --no-tips                 play with the tips switched off\n"
           "  --give-up MINUTES         the level clock at which a level counts as lost (default: twice its "
           "silver time)\n"
           "  --script FILE             write the events played as an input script for wrenfold --input\n"
           "  --screenshot N:FILE.png   write frame N (one level; implies drawing)\n"
           "  --trace                   say on stderr what the player sees and does\n";
}
