#pragma once

#include "game/Game/FieldGeometry.h"
#include "game/Game/IJ.h"
#include "game/Game/PathNode.h"

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <vector>

// A* search over the field's grid of open cells: unit steps up, right, down and left, a Euclidean estimate,
// and an open list sorted by f in which entries of equal f keep their insertion order. A cell is not offered
// again at a cost no better than its best entry so far, open or already expanded.
class PathSearch
{
public:
    static constexpr std::uint8_t kOpen = 1;
    static constexpr std::uint8_t kClosed = 0;

    PathSearch() = default;
    PathSearch(const PathSearch&) = delete;
    PathSearch& operator=(const PathSearch&) = delete;

    // Finds the path from start to goal into path (start, ..., goal); false with an empty path when none.
    bool Search();
    // Frees every node and empties the open list.
    void Clear();

    // Index I x 26 + J, filled by the field.
    std::array<std::uint8_t, FieldGeometry::kCellCount> grid{};
    IJ start;
    IJ goal;
    std::vector<IJ> path;

private:
    using OpenList = std::multimap<float, PathNode*>;

    bool IsOpen(std::int32_t i, std::int32_t j) const;
    float Estimate(std::int32_t i, std::int32_t j) const;
    PathNode* AddNode(const PathNode* parent, std::int32_t i, std::int32_t j, float g, float f);
    PathNode* TakeNextOpen();
    void Offer(const PathNode& from, std::int32_t i, std::int32_t j);
    void BuildPath(const PathNode& goalNode);

    std::vector<IJ> mBackwardPath;
    OpenList mOpenList;
    std::deque<PathNode> mNodes;
    // The lowest f of the entries each cell has had in this search; the open list drops expanded entries
    // from its front, so the cost of a step does not grow with all that has been searched.
    std::array<float, FieldGeometry::kCellCount> mBestF{};
};
