#pragma once

#include "tools/autoplay/AutoplayOptions.h"
#include "tools/autoplay/Player.h"
#include "tools/autoplay/SeriesProfile.h"

#include <string>

// One level played from its series profile in a work folder of its own (the save folder, the log
// and the game's report files): the profile is written, the game runs and the player plays.
struct LevelResult
{
    std::int32_t level = 0;
    LevelOutcome outcome;
    int exitCode = 0;
    std::int64_t bankBefore = 0;   // what the series' player carried into the level
    std::int32_t shortAtLevel = 0; // the first level whose purchases the bank could not pay, or 0
    std::uint64_t frames = 0;

    // One line of text, of CSV, or a JSON object.
    std::string Text() const;
    std::string Csv() const;
    std::string Json() const;
    static const char* CsvHeader();
    // Read back from the CSV line (the parallel runs hand their results over in it).
    static bool FromCsv(const std::string& line, LevelResult& out);
    // Won within the silver time and the gold time 1.0 to 1.6 times the clock; else why not.
    bool Passes(std::string& why) const;
};

// What the game's error report (Assert.txt, written into the folder the game ran in) says went wrong.
std::string ReportReason(const std::string& reportFile);

LevelResult PlayLevel(std::int32_t level, const AutoplayOptions& options, const std::string& workFolder);

// The whole main road as a new player, in a work folder of its own; prints a line per level as it is
// won and a last line for the end of the road. The exit code: 0 when the road reached the final clip
// and the main menu and the game ended with code 0.
int PlayRoad(const AutoplayOptions& options, const std::string& workFolder);
