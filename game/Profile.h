#pragma once

#include "engine/Util/Singleton.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The players and every file that belongs to one: the player list, each player's settings,
// achievements, upgrades, level in play and map progress, and the best times all players share. Created
// before the application so that the player's display mode is known before the window opens.
class Map;

class Profile : public Korrin::Singleton<Profile>
{
public:
    enum Kind : std::uint32_t
    {
        kSettings = 1,
        kAchievements = 2,
        kUpgrades = 3,
        kLevelInPlay = 4,
        kMap = 5,
    };

    static constexpr std::uint32_t kMaxPlayers = 1000;
    static constexpr std::uint32_t kMaxNameUnits = 256;
    static constexpr std::size_t kStoryFlagCount = 6;

    struct Player
    {
        std::u16string name;
        std::uint32_t number = 0;
    };

    // The player's settings as last read or applied.
    struct Settings
    {
        float soundVolume = 0.7f;
        float musicVolume = 0.7f;
        std::uint8_t tipsEnabled = 1;
        std::uint8_t displayMode = 0;
        std::uint8_t prettyCursor = 0;
    };

    enum class LoadGameResult
    {
        Loaded,
        NoSave,
        // The save did not match the level: it was kept aside and the level started afresh.
        Damaged,
        // The level itself could not be built (the game went back to the map): the save stays as it is.
        LevelNotStarted,
    };

    Profile();
    ~Profile();

    static Profile* GetInstance()
    {
        return CheckedInstance("Profile::mSingleton==NULL", Korrin::kGameModule, "Source\\Profile", 30);
    }

    std::string GetSaveFolder() const;
    // Empty while no player list was read and no player was created or selected.
    std::string GetSaveFileName(std::uint32_t kind, std::uint32_t player) const;
    std::string GetUserListFileName() const;
    std::string GetBestTimesFileName() const;
    // Makes this player's files the ones read and written without a player list (the save checker).
    void OpenPlayerFiles(std::uint32_t player);
    // Removes what a killed save left half written; at start-up, before any file is read.
    void RemoveLeftoverTemporaries();

    // The player list. The player-selection window shows it and changes the selection.
    bool SaveUserList();
    void LoadUserList(bool refreshList);
    void SelectCurrentPlayer();
    void CreateUser(const std::u16string& name);
    void DeleteUser();
    const std::vector<Player>& GetPlayers() const { return mPlayers; }
    std::int32_t GetSelectedIndex() const { return mSelectedIndex; }
    void SetSelectedIndex(std::int32_t index);

    bool SaveSettings();
    bool LoadSettings(bool apply);
    void ApplyDefaultSettings(bool apply);
    const Settings& GetSettings() const { return mSettings; }
    // The options window's changes, applied at once.
    void ChangeSettings(const Settings& settings);
    // A display mode given on the command line wins over the player's setting.
    void ForceDisplayMode(bool windowed);

    void LoadAchievements();
    bool SaveUpgrades();
    void LoadUpgrades();
    bool SaveGame();
    LoadGameResult LoadGame();
    void DeleteSavedGame();
    std::int32_t GetSavedGameLevel();
    bool SaveMap();
    void LoadMap();
    // Moves the story on to a stage (n - 1 once clip n has started), clearing the flag of the stage held
    // so far; a negative stage changes nothing.
    void SetStoryStage(std::int32_t stage);
    bool SaveBestTimes();
    void LoadBestTimes();
    void SaveAll();
    bool LoadAll();

    bool IsLoaded() const { return mLoaded; }

    std::uint8_t displayMode = 0;
    std::uint32_t currentPlayer = 0;
    std::uint32_t nextPlayerNumber = 0;
    std::int32_t storyStage = -1;
    std::array<bool, kStoryFlagCount> storyFlags{};
    std::int32_t levelInPlay = -1;
    // Set by the world map once the player has clicked a level button.
    std::uint8_t mapHint = 0;
    // The shop's sales towards the hundred-sales achievement; stays at the goal once reached.
    static constexpr std::int32_t kSalesGoal = 100;
    std::int32_t salesCount = 0;
    // One sale more while the goal is not reached; true for the sale that reaches it.
    bool CountSale()
    {
        if (salesCount >= kSalesGoal)
        {
            return false;
        }
        ++salesCount;
        return salesCount == kSalesGoal;
    }
    // The count starts anew with each level until the goal is reached in one.
    void RestartUnreachedSales()
    {
        if (salesCount < kSalesGoal)
        {
            salesCount = 0;
        }
    }

private:
    void ApplySettings();
    void TakeLiveVolumes();
    void RemovePlayerFiles(std::uint32_t player);
    bool IsListed(std::uint32_t player) const;
    std::optional<std::uint32_t> FreePlayerNumber() const;
    void ResetMap();
    // The world-map screen, found through the screen manager; null before there is one.
    static Map* FindMap();
    bool LoadLevelRecords(const std::string& path, const std::vector<std::uint8_t>& bytes);
    void RestartDamagedLevel(const std::string& path);
    void ShowLevelWindows();
    static void KeepAsideUncontinuableSave(const std::string& path);

    std::vector<Player> mPlayers;
    std::int32_t mSelectedIndex = 0;
    bool mLoaded = false;
    Settings mSettings;
    std::optional<bool> mForcedWindowed;
};
