#include "tools/autoplay/LevelRun.h"

#include "engine/File/FileSysManager.h"
#include "platform/Folders.h"
#include "tools/autoplay/GameRun.h"
#include "tools/autoplay/Hands.h"
#include "tools/autoplay/RoadPlayer.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace
{

const char* CupName(int cup)
{
    switch (cup)
    {
    case 2:
        return "gold";
    case 1:
        return "silver";
    default:
        return "bronze";
    }
}

std::string Clock(float seconds)
{
    const int tenths = static_cast<int>(std::lround(seconds * 10.0f));
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d.%d", tenths / 600, (tenths / 10) % 60, tenths % 10);
    return text;
}

std::string Clock(std::uint32_t seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u", seconds / 60, seconds % 60);
    return text;
}

// CSV and JSON carry the reason as text without commas, quotes or line ends.
std::string Plain(const std::string& text)
{
    std::string out;
    for (const char c : text)
    {
        out += (c == ',' || c == '"' || c == '\n' || c == '\r' || c == '\\') ? ' ' : c;
    }
    return out;
}

} // namespace

std::string ReportReason(const std::string& report)
{
    std::ifstream in(report);
    std::string line;
    std::string description;
    bool next = false;
    while (std::getline(in, line))
    {
        if (next && !line.empty())
        {
            description = line;
            break;
        }
        next = line.find("SrciptION") != std::string::npos || line.find("Srciption") != std::string::npos ||
               line.find("escription") != std::string::npos;
    }
    while (!description.empty() && (description.front() == ' ' || description.front() == '\t'))
    {
        description.erase(description.begin());
    }
    return "the game reported an error" + (description.empty() ? std::string() : ": " + description);
}

const char* LevelResult::CsvHeader()
{
    return "level,result,reason,clock,cup,money,gold,silver,bank,short_at,frames";
}

std::string LevelResult::Csv() const
{
    char text[512];
    std::snprintf(text, sizeof text, "%d,%s,%s,%.2f,%s,%d,%u,%u,%lld,%d,%llu", level,
                  outcome.won ? "won" : "lost", Plain(outcome.reason).c_str(),
                  static_cast<double>(outcome.clock), CupName(outcome.cup), outcome.money,
                  outcome.goldSeconds, outcome.silverSeconds, static_cast<long long>(bankBefore),
                  shortAtLevel, static_cast<unsigned long long>(frames));
    return text;
}

std::string LevelResult::Json() const
{
    char text[640];
    std::snprintf(
        text, sizeof text,
        "{\"level\": %d, \"won\": %s, \"reason\": \"%s\", \"clock\": %.2f, \"cup\": \"%s\", "
        "\"money\": %d, \"gold\": %u, \"silver\": %u, \"bank\": %lld, \"shortAt\": %d, \"frames\": %llu}",
        level, outcome.won ? "true" : "false", Plain(outcome.reason).c_str(),
        static_cast<double>(outcome.clock), CupName(outcome.cup), outcome.money, outcome.goldSeconds,
        outcome.silverSeconds, static_cast<long long>(bankBefore), shortAtLevel,
        static_cast<unsigned long long>(frames));
    return text;
}

std::string LevelResult::Text() const
{
    char text[512];
    if (outcome.won)
    {
        std::snprintf(text, sizeof text,
                      "level %2d  won   clock %-8s cup %-6s money %-6d (gold %s, silver %s)", level,
                      Clock(outcome.clock).c_str(), CupName(outcome.cup), outcome.money,
                      Clock(outcome.goldSeconds).c_str(), Clock(outcome.silverSeconds).c_str());
    }
    else
    {
        std::snprintf(text, sizeof text, "level %2d  lost  %s (clock %s, money %d)", level,
                      outcome.reason.c_str(), Clock(outcome.clock).c_str(), outcome.money);
    }
    std::string line = text;
    if (shortAtLevel != 0)
    {
        line += "  [the bank could not pay the purchases due at level " + std::to_string(shortAtLevel) + "]";
    }
    return line;
}

bool LevelResult::FromCsv(const std::string& line, LevelResult& out)
{
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, ','))
    {
        fields.push_back(field);
    }
    if (fields.size() != 11)
    {
        return false;
    }
    try
    {
        out.level = std::stoi(fields[0]);
        out.outcome.won = fields[1] == "won";
        out.outcome.reason = fields[2];
        out.outcome.clock = std::stof(fields[3]);
        out.outcome.cup = fields[4] == "gold" ? 2 : fields[4] == "silver" ? 1 : 0;
        out.outcome.money = std::stoi(fields[5]);
        out.outcome.goldSeconds = static_cast<std::uint32_t>(std::stoul(fields[6]));
        out.outcome.silverSeconds = static_cast<std::uint32_t>(std::stoul(fields[7]));
        out.bankBefore = std::stoll(fields[8]);
        out.shortAtLevel = std::stoi(fields[9]);
        out.frames = std::stoull(fields[10]);
    }
    catch (const std::exception&)
    {
        return false;
    }
    return true;
}

bool LevelResult::Passes(std::string& why) const
{
    if (!outcome.won)
    {
        why = "lost: " + outcome.reason;
        return false;
    }
    if (outcome.cup == 0)
    {
        why = "won after its silver time";
        return false;
    }
    const float gold = static_cast<float>(outcome.goldSeconds);
    if (gold < outcome.clock || gold > 1.6f * outcome.clock)
    {
        char text[160];
        std::snprintf(text, sizeof text, "its gold time %s is %.2f times the clock %s, not 1.0 to 1.6",
                      Clock(outcome.goldSeconds).c_str(),
                      static_cast<double>(outcome.clock > 0.0f ? gold / outcome.clock : 0.0f),
                      Clock(outcome.clock).c_str());
        why = text;
        return false;
    }
    return true;
}

LevelResult PlayLevel(std::int32_t level, const AutoplayOptions& options, const std::string& workFolder)
{
    LevelResult result;
    result.level = level;
    const std::filesystem::path work = workFolder;
    const std::filesystem::path saves = work / "saves";
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(saves);
    // The game writes its reports into the folder it runs in: each level's own.
    std::filesystem::current_path(work);

    Platform::Folders::SetDataFolder(options.dataFolder);
    Platform::Folders::SetSaveFolder(saves.string());
    SeriesProfile profile;
    {
        Korrin::FileSysManager files;
        files.AddDirectory("media");
        profile = SeriesProfile::ForLevel(level, options.tips);
        profile.Write();
    }
    result.bankBefore = profile.MoneyLeft();
    result.shortAtLevel = profile.firstShortLevel;

    Player::Options playing;
    playing.level = level;
    playing.trace = options.trace;
    playing.giveUpSeconds = options.giveUpMinutes * 60.0f;
    Player player(playing);
    GameRun run;
    run.dataFolder = options.dataFolder;
    run.saveFolder = saves.string();
    run.logFile = (work / "log.log").string();
    run.draw = options.drawLevels || !options.screenshots.empty();
    run.screenshots = options.screenshots;
    std::uint64_t lastFrame = 0;
    run.brain = [&](std::uint64_t frame, Hands& hands)
    {
        lastFrame = frame;
        return player.Think(frame, hands);
    };
    result.exitCode = run.Run();
    result.frames = lastFrame;
    result.outcome = player.Outcome();
    if (std::filesystem::exists(work / "Assert.txt"))
    {
        result.outcome.won = false;
        result.outcome.reason = ReportReason((work / "Assert.txt").string());
    }
    else if (result.exitCode != 0 && result.outcome.won)
    {
        result.outcome.won = false;
        result.outcome.reason = "the game ended with code " + std::to_string(result.exitCode);
    }
    else if (!result.outcome.won && result.outcome.reason.empty())
    {
        result.outcome.reason =
            "the game ended (code " + std::to_string(result.exitCode) + ") before the win";
    }
    if (!options.scriptFile.empty())
    {
        std::ofstream(options.scriptFile, std::ios::trunc) << run.played;
    }
    return result;
}

int PlayRoad(const AutoplayOptions& options, const std::string& workFolder)
{
    const std::filesystem::path work = workFolder;
    const std::filesystem::path saves = work / "saves";
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(saves);
    std::filesystem::current_path(work);

    RoadPlayer::Options playing;
    playing.trace = options.trace;
    playing.giveUpSeconds = options.giveUpMinutes * 60.0f;
    std::uint64_t lastFrame = 0;
    RoadPlayer road(playing,
                    [&](std::int32_t level, const LevelOutcome& outcome)
                    {
                        LevelResult result;
                        result.level = level;
                        result.outcome = outcome;
                        result.frames = lastFrame;
                        switch (options.format)
                        {
                        case AutoplayOptions::Format::Csv:
                            std::printf("%s\n", result.Csv().c_str());
                            break;
                        case AutoplayOptions::Format::Json:
                            std::printf("%s\n", result.Json().c_str());
                            break;
                        case AutoplayOptions::Format::Text:
                            std::printf("%s\n", result.Text().c_str());
                            break;
                        }
                        std::fflush(stdout);
                    });
    GameRun run;
    run.dataFolder = options.dataFolder;
    run.saveFolder = saves.string();
    run.logFile = (work / "log.log").string();
    run.draw = options.drawLevels;
    run.brain = [&](std::uint64_t frame, Hands& hands)
    {
        lastFrame = frame;
        return road.Think(frame, hands);
    };
    const int code = run.Run();
    std::string failure = road.Failure();
    if (std::filesystem::exists(work / "Assert.txt"))
    {
        failure = ReportReason((work / "Assert.txt").string());
    }
    else if (failure.empty() && !road.ReachedTheEnd())
    {
        failure = "the game ended (code " + std::to_string(code) + ") before the end of the road";
    }
    else if (failure.empty() && !road.SawFinalClip())
    {
        failure = "the main menu came after level 67 without the final clip";
    }
    else if (failure.empty() && code != 0)
    {
        failure = "the game ended with code " + std::to_string(code);
    }
    if (failure.empty())
    {
        std::printf("road: the final clip, the main menu and Exit; exit code 0 (%llu frames)\n",
                    static_cast<unsigned long long>(lastFrame));
        return 0;
    }
    std::printf("road: FAILED: %s (frame %llu)\n", failure.c_str(),
                static_cast<unsigned long long>(lastFrame));
    return 1;
}
