#pragma once

#include "engine/Util/SafeVector.h"
#include "game/Blank.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/MapItem.h"
#include "game/MapSettings.h"
#include "game/NamedObjectContainer.h"

#include <cstdint>

namespace Korrin
{
class GuiContainer;
class Sprite;
} // namespace Korrin

// The world-map screen. Until the map's own pictures and level items come, it shows the menu's picture
// and a button for each sample level.
class Map : public Blank, public NamedObjectContainer
{
public:
    // The decorations that the start shows and progress removes.
    static constexpr std::uint32_t kFirstStartItem = 28;
    static constexpr std::uint32_t kSecondStartItem = 29;
    static constexpr std::uint32_t kItemCount = 30;

    Map();
    ~Map() override;

    static constexpr const char* kLevelButtonScript = "map_levels.lua";
    static constexpr std::uint16_t kSampleLevels = 3;

    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    const MapSettings& GetSettings() const { return mSettings; }
    ProgressBoardManager& GetBoards() { return mBoards; }

    // The start state: every item hidden, but for the two start items.
    void ResetItems();
    // Shows the items of the levels reached (0 to the highest, both included), without effects.
    void ShowReachedItems();
    // Null, with a report, past the end.
    MapItem* GetItem(std::uint32_t index);
    std::uint32_t GetItemCount() const { return static_cast<std::uint32_t>(mItems.size()); }

    // The levels that choose the board the map shows: from the first the companion's, from the second
    // the rivals'.
    std::uint32_t firstProgressLevel = 0;
    std::uint32_t secondProgressLevel = 0;

private:
    // The level whose button was clicked this frame, or 0.
    std::uint16_t ClickedLevel() const;

    Korrin::Sprite* mBackground = nullptr;         // the sprite manager's
    Korrin::GuiContainer* mLevelButtons = nullptr; // the widget manager's
    MapSettings mSettings;
    ProgressBoardManager mBoards;
    Korrin::SafeVector<MapItem*> mItems{"Map::items"};
};
