#include "tools/autoplay/LevelRun.h"

#include "engine/File/FileSysManager.h"
#include "platform/Folders.h"
#include "tools/autoplay/GameRun.h"
#include "tools/autoplay/Hands.h"
#include "tools/autoplay/RoadPlayer.h"
#include "tools/autoplay/SeriesProfile.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

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
    // The player's files as the level starts, kept for a replay of the played events by the game itself.
    std::filesystem::copy(saves, work / "start-saves", std::filesystem::copy_options::recursive);
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
