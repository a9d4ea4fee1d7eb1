#pragma once

#include "engine/Util/SafeVector.h"
#include "game/Blank.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/MapItem.h"
#include "game/MapSettings.h"
#include "game/NamedObjectContainer.h"

#include <cstdint>

// The world-map screen.
class Map : public Blank, public NamedObjectContainer
{
public:
    // The decorations that the start shows and progress removes.
    static constexpr std::uint32_t kFirstStartItem = 28;
    static constexpr std::uint32_t kSecondStartItem = 29;
    static constexpr std::uint32_t kItemCount = 30;

    Map();
    ~Map() override;

    void Init() override {}
    void Reset() override {}
    bool Update(float dt) override { return UpdateAll(dt); }
    void Draw() override { DrawAll(); }

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
    MapSettings mSettings;
    ProgressBoardManager mBoards;
    Korrin::SafeVector<MapItem*> mItems{"Map::items"};
};
