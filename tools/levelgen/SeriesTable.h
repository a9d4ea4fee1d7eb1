#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

// The series table "series.txt": one line per level, its parts split by '|', each a key and its values:
//   level 4 | field 2 | money 150 | gold 2:40 | silver 4:00 | clock 1:50 | goals 6:4 20:400 |
//   buyers 1 2 1 | thieves 2:00 3:30 | goods 1 2 | places A=29h B=0 x=5h y=4
// Goals are level-file goods codes with their targets; buyers are buyer codes; thieves are the clock
// times at which one comes; places fill the field's lots (capital letters: a building's level-file code,
// its base code less one for a lot for sale) and beds (small letters: 4 for sale, 5 to 9 the looks), 0
// leaving the place empty, "h" hiring its worker. "clock" is the automatic player's winning clock.
class SeriesTable
{
public:
    struct Content
    {
        int code = 0;
        bool hired = false;
    };
    struct Entry
    {
        int level = 0;
        int field = 0; // 0: the level has its own map
        int money = 0;
        int gold = 0; // seconds
        int silver = 0;
        int clock = 0;
        std::vector<std::pair<int, int>> goals;
        std::vector<int> buyers;
        std::vector<int> thieves;
        std::vector<int> goods;
        std::map<char, Content> places;
    };

    static bool IsLotName(char c) { return c >= 'A' && c <= 'D'; }
    static bool IsBedName(char c) { return c >= 'x' && c <= 'z'; }

    // False with a message naming the line on a mistake.
    bool Read(const std::string& text, std::string& error);
    const std::vector<Entry>& Entries() const { return mEntries; }
    const Entry* Find(int level) const;
    // The table of the series: level, field, goals, what is new, the clock, gold and silver.
    std::string Markdown() const;

private:
    bool ReadPart(const std::string& key, const std::vector<std::string>& values, Entry& entry,
                  std::string& error) const;

    std::vector<Entry> mEntries;
};
