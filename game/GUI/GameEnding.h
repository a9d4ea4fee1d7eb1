#pragma once

#include <cstdint>

// The game's end after the first win of the last level: the final clip, the story at its last stage,
// the new level counted once, and back to the main menu when the clip is over.
class GameEnding
{
public:
    static constexpr std::uint16_t kLastLevel = 67;
    static constexpr std::int32_t kFinalClip = 6;
    static constexpr std::int32_t kFinalStage = 5;
    static constexpr std::uint32_t kNewLevelAchievement = 6;

    // Winning this level now ends the game: the last level, while the story has not reached its end.
    static bool IsDue(std::uint16_t levelNumber);
    // What the win banks before the clip: its pass type, and the level's save removed (the caller saves
    // the player once it has left the level's screen). No money and no level completion: the ending
    // counts the level itself.
    static void RecordWin();
    // Plays the final clip on the cut-scene screen, sets the last story stage, counts the new level and
    // saves the player.
    static void Start();
};
