#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A level written as text: header lines for the time limits, money, goals, thieves, storehouse goods,
// buyers and scenery, a legend of characters per grid, then the grids as 26 lines of 16 characters
// (one character per cell, I across, J down). Compiled into the game's binary level file.
class LevelMap
{
public:
    static constexpr int kColumns = 16;
    static constexpr int kRows = 26;
    using Grid = std::array<std::uint16_t, kColumns * kRows>; // index I x 26 + J, as the file stores it

    struct Goal
    {
        std::uint8_t code = 0;
        std::uint32_t target = 0;
    };
    struct Thief
    {
        std::uint8_t minutes = 0;
        std::uint8_t seconds = 0;
        std::uint8_t I = 0;
        std::uint8_t J = 0;
    };
    struct Scenery
    {
        std::string table;
        float x = 0.0f;
        float y = 0.0f;
        std::uint8_t kind = 0;
        std::int32_t drawOrder = 0;
    };

    // False with a message naming the line on a mistake.
    bool Parse(const std::string& text, std::string& error);
    std::vector<std::uint8_t> Compile() const;

private:
    bool ParseHeader(const std::vector<std::string>& words, std::string& error);
    bool ParseGridLine(const std::string& line, std::string& error);

    std::uint8_t mBackground = 0;
    std::uint8_t mGold[2] = {0, 0};
    std::uint8_t mSilver[2] = {0, 0};
    std::int32_t mMoney = 0;
    std::vector<Goal> mGoals;
    std::vector<Thief> mThieves;
    std::vector<std::uint8_t> mGoods;
    std::vector<std::uint8_t> mBuyers;
    std::vector<Scenery> mScenery;
    // Legends: grid name -> character -> code.
    std::map<std::string, std::map<char, std::uint16_t>> mLegends;
    std::map<std::string, Grid> mGrids;
    std::string mCurrentGrid;
    int mCurrentRow = 0;
};
