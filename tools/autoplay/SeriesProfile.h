#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The player a level of the series is played as: the map-shop goods the series requires up to that
// level, bought, and the money left of what a player who won every earlier level with a silver cup
// banked. Written into a save folder with the game's own save writers.
struct SeriesProfile
{
    struct Purchase
    {
        std::int32_t id = 0;
        std::int32_t upgrade = 0;
        std::uint32_t price = 0;
        std::int32_t dueAtLevel = 0;
    };

    std::int32_t level = 1;
    std::vector<Purchase> purchases;
    std::int64_t banked = 0; // the silver cups' scores of the earlier levels
    std::int64_t spent = 0;  // the purchases' prices
    // The first level whose purchases the bank could not pay when they fell due; 0 when all were paid.
    std::int32_t firstShortLevel = 0;
    bool tipsOn = true;

    std::int64_t MoneyLeft() const { return banked > spent ? banked - spent : 0; }

    // Works the profile out from the game's data (its map settings and price tables); the data folder
    // and the file system must be set up.
    static SeriesProfile ForLevel(std::int32_t level, bool tipsOn);
    // A new player named "Autoplay" with that profile, in the save folder set in Platform::Folders.
    bool Write() const;
};
