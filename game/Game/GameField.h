#pragma once

#include "game/Game/AnimBkObject.h"
#include "game/Game/Decoration.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/IJ.h"
#include "game/Util/Blank.h"

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

class PathSearch;

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// The level's grid: the tiles characters walk on, the object codes where entities stand, three layers of
// decoration, the animated scenery and the fading wet-ground marks. It answers questions about cells and
// finds walking paths. The level draws it twice a frame: the scenery, then the ground.
class GameField : public Blank
{
public:
    static constexpr std::size_t kLayerCount = 3;

    // Walk kinds of a tile.
    static constexpr int kNotWalkable = 0;
    static constexpr int kFloor = 1;
    static constexpr int kLadder = 2;

    struct Layer
    {
        std::vector<Decoration> decorations;
        std::string name;
    };
    struct WetMark
    {
        float x = 0.0f;
        float y = 0.0f;
        float alpha = 0.0f;
    };

    GameField();
    ~GameField() override;
    GameField(const GameField&) = delete;
    GameField& operator=(const GameField&) = delete;

    void Init() override {}
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;

    // Loads "obj1.jpg" to "obj4.jpg" by the level's background type, cut into cell-sized frames.
    void LoadTileSheet(std::uint8_t type);
    void SetStyle(std::uint8_t style) { mStyle = style; }
    std::uint8_t GetStyle() const { return mStyle; }

    void SetTile(std::int32_t i, std::int32_t j, std::uint16_t code);
    std::uint16_t GetTile(std::int32_t i, std::int32_t j) const;
    void SetObjectCode(std::int32_t i, std::int32_t j, std::uint16_t code);
    std::uint16_t GetObjectCode(std::int32_t i, std::int32_t j) const;
    int GetWalkKind(std::int32_t i, std::int32_t j) const;
    int GetRopeKind(std::int32_t i, std::int32_t j) const;
    // False on the shop's and the storehouse's cells.
    bool IsCellFree(std::int32_t i, std::int32_t j) const;
    // Moves cell along its row to the nearest cell that is free and where no character stands, looking
    // right first (never onto the last column), then left.
    bool FindFreeCellNear(IJ& cell) const;

    void AddDecoration(std::size_t layer, std::int32_t i, std::int32_t j, std::uint16_t code);
    // y: as the level file gives it.
    void AddAnimatedObject(const std::string& table, float x, float y, std::uint8_t kind,
                           std::int32_t drawOrder);
    void AddCellMark(std::int32_t i, std::int32_t j);
    void ShowCellHighlight(std::int32_t i, std::int32_t j);

    // The walking path from start to goal (start, ..., goal) into path; false and empty when there is none,
    // also when start or goal lies outside the field. Ropes count only where their tile lies.
    bool FindPath(const IJ& start, const IJ& goal, std::vector<IJ>& path);
    // The buyers' path, over every walkable or occupied cell.
    bool FindPathIgnoringRopes(const IJ& start, const IJ& goal, std::vector<IJ>& path);
    // The grids are built at the first search after the level is loaded. Changing a tile or an object code
    // leaves them as they are: only the rope entity marks the walking grid stale, when ropes change, and
    // the buyers' grid stays as built for the whole level, so that paths never change behind a walker.
    void MarkGridAStale() { mGridAStale = true; }
    void SetRopeHighlight(std::size_t index, const IJ& top);

    const std::vector<Layer>& GetLayers() const { return mLayers; }
    const std::vector<AnimBkObject>& GetAnimatedObjects() const { return mAnimatedObjects; }
    const std::list<WetMark>& GetWetMarks() const { return mWetMarks; }
    const IJ& GetRopeHighlight(std::size_t index) const { return mRopeHighlights[index]; }
    // The animated objects the scenery pass draws, in order: after each decoration layer k (and after the
    // last, with k = the number of layers) those at the cursor whose draw order is k.
    // The list is the field's own, refilled by each call.
    const std::vector<const AnimBkObject*>& SceneryObjectsInDrawOrder();

private:
    void RebuildGridA();
    void RebuildGridB();
    void Search(PathSearch& searcher, const IJ& start, const IJ& goal, std::vector<IJ>& path);
    void UpdateAnimatedObjects(float dt);
    void DrawScenery();
    void DrawGround();
    void DrawTileFrame(std::uint32_t frame, float x, float y);
    void DrawAnimatedObject(const AnimBkObject& object);
    static std::uint16_t HighlightedTile(std::uint16_t code);

    std::unique_ptr<PathSearch> mSearcherA;
    std::unique_ptr<PathSearch> mSearcherB;
    std::vector<Layer> mLayers;
    std::array<std::uint16_t, FieldGeometry::kCellCount> mTiles{};
    std::array<std::uint16_t, FieldGeometry::kCellCount> mObjects{};
    Korrin::AnimatedSprite* mTileSheet = nullptr;
    bool mGridAStale = true;
    bool mGridBStale = true;
    std::list<WetMark> mWetMarks;
    std::vector<AnimBkObject> mAnimatedObjects;
    // Working lists of the scenery's update and draw, kept so that a frame allocates nothing.
    std::vector<const AnimBkObject*> mSceneryDrawList;
    std::vector<const Korrin::NullSprite*> mUpdatedDrawables;
    std::uint8_t mStyle = 0;
    std::array<IJ, 2> mRopeHighlights{IJ{-1, -1}, IJ{-1, -1}};
};
