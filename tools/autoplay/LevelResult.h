#pragma once

#include "tools/autoplay/LevelOutcome.h"

#include <cstdint>
#include <string>

// The result of one level as the automatic player reports it.
struct LevelResult
{
    std::int32_t level = 0;
    LevelOutcome outcome;
    int exitCode = 0;
    std::int64_t bankBefore = 0;   // what the series' player carried into the level
    std::int32_t shortAtLevel = 0; // the first level whose purchases the bank could not pay, or 0
    std::uint64_t frames = 0;      // the frames the run took (it ends back on the map)

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
