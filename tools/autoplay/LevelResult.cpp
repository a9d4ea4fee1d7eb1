#include "tools/autoplay/LevelResult.h"

#include <cmath>
#include <cstdio>
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

const char* LevelResult::CsvHeader()
{
    return "level,result,reason,clock,cup,money,gold,silver,bank,short_at,win_frame,frames";
}

std::string LevelResult::Csv() const
{
    char text[512];
    std::snprintf(text, sizeof text, "%d,%s,%s,%.2f,%s,%d,%u,%u,%lld,%d,%llu,%llu", level,
                  outcome.won ? "won" : "lost", Plain(outcome.reason).c_str(),
                  static_cast<double>(outcome.clock), CupName(outcome.cup), outcome.money,
                  outcome.goldSeconds, outcome.silverSeconds, static_cast<long long>(bankBefore),
                  shortAtLevel, static_cast<unsigned long long>(outcome.winFrame),
                  static_cast<unsigned long long>(frames));
    return text;
}

std::string LevelResult::Json() const
{
    char text[640];
    std::snprintf(
        text, sizeof text,
        "{\"level\": %d, \"won\": %s, \"reason\": \"%s\", \"clock\": %.2f, \"cup\": \"%s\", "
        "\"money\": %d, \"gold\": %u, \"silver\": %u, \"bank\": %lld, \"shortAt\": %d, \"winFrame\": %llu, "
        "\"frames\": %llu}",
        level, outcome.won ? "true" : "false", Plain(outcome.reason).c_str(),
        static_cast<double>(outcome.clock), CupName(outcome.cup), outcome.money, outcome.goldSeconds,
        outcome.silverSeconds, static_cast<long long>(bankBefore), shortAtLevel,
        static_cast<unsigned long long>(outcome.winFrame), static_cast<unsigned long long>(frames));
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
    if (fields.size() != 12)
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
        out.outcome.winFrame = std::stoull(fields[10]);
        out.frames = std::stoull(fields[11]);
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
