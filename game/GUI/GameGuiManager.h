#pragma once

#include "game/Util/Blank.h"

#include <cstdint>
#include <map>
#include <vector>

class RewardAlertSystemGui;

// The registry of modal windows by one-byte id. At most one is shown, above the current screen.
class GameGuiManager : public Blank
{
public:
    static constexpr std::uint8_t kNoWindow = 16;
    static constexpr std::uint8_t kStoreHouse = 0;
    static constexpr std::uint8_t kGameMenu = 3;
    static constexpr std::uint8_t kExit = 15;

    GameGuiManager();
    ~GameGuiManager() override;

    // The running game's windows; null before the screen manager has them (or without a game).
    static GameGuiManager* Current();
    // Shows that window of the running game; nothing without one.
    static void ShowCurrent(std::uint8_t id);
    // True while the running game shows a window. Before the first one the manager holds no identifier
    // at all, which shows none either.
    static bool IsAnyShown();

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;

    // Shows the window of that id (16, or an id without a window, shows none).
    void Show(std::uint8_t id);
    Blank* Get(std::uint8_t id) const;
    std::uint8_t GetRequested() const { return mRequested; }
    std::uint8_t GetShown() const { return mShown; }
    Blank* GetShownWindow() const { return mShownWindow; }
    RewardAlertSystemGui* GetRewardWindow() const { return mRewardWindow; }

    // What the level and its tutorial ask of the storehouse window, so that they need not know it.
    // The shop page offers exactly these goods, one of each; nothing happens without the window.
    void OfferStorehouseGoods(const std::vector<std::uint8_t>& goods);
    // True when the storehouse window is turned to its storehouse page rather than the shop's.
    bool IsStorehousePageOpen() const;

private:
    void SetInputLocks(bool locked);

    std::map<std::uint8_t, Blank*> mWindows;
    Blank* mShownWindow = nullptr;
    RewardAlertSystemGui* mRewardWindow = nullptr; // also in mWindows, which owns it
    std::uint8_t mRequested = kNoWindow;
    std::uint8_t mShown = 200; // no id yet, so the first Show always acts
};
