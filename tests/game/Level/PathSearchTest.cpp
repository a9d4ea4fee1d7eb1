#include "game/Game/PathSearch.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// A searcher over a small picture of the field: '#' closed, anything else open, row J by row; cells
// the picture does not reach stay closed.
void Fill(PathSearch& search, const std::vector<std::string>& rows)
{
    for (std::size_t j = 0; j < rows.size(); ++j)
    {
        for (std::size_t i = 0; i < rows[j].size(); ++i)
        {
            search.grid[FieldGeometry::Index(static_cast<int>(i), static_cast<int>(j))] =
                rows[j][i] == '#' ? PathSearch::kClosed : PathSearch::kOpen;
        }
    }
}

std::vector<IJ> Find(PathSearch& search, IJ start, IJ goal)
{
    search.start = start;
    search.goal = goal;
    search.Search();
    return search.path;
}

} // namespace

TEST(PathSearch, ShortPathsAndClosedEnds)
{
    PathSearch search;
    Fill(search, {"..#", "..."});
    EXPECT_EQ(Find(search, {0, 0}, {0, 0}), (std::vector<IJ>{{0, 0}}));
    EXPECT_EQ(Find(search, {0, 0}, {1, 0}), (std::vector<IJ>{{0, 0}, {1, 0}}));
    // Neighbours, but the goal is closed; and a closed start alone.
    EXPECT_FALSE((search.start = {1, 0}, search.goal = {2, 0}, search.Search()));
    EXPECT_TRUE(search.path.empty());
    EXPECT_TRUE(Find(search, {2, 0}, {2, 0}).empty());
    EXPECT_TRUE(Find(search, {2, 0}, {2, 1}).empty());
    // Off the grid.
    EXPECT_TRUE(Find(search, {16, 0}, {0, 0}).empty());
    EXPECT_TRUE(Find(search, {0, 0}, {0, 26}).empty());
}

TEST(PathSearch, FindsTheShortestWayAroundWalls)
{
    PathSearch search;
    Fill(search, {".....", ".###.", "...#.", "####.", "....."});
    const std::vector<IJ> path = Find(search, {0, 2}, {4, 2});
    // Over the top: (0,2) up to (0,0), across to (4,0), down to (4,2): eight steps.
    ASSERT_EQ(path.size(), 9u);
    EXPECT_EQ(path.front(), (IJ{0, 2}));
    EXPECT_EQ(path.back(), (IJ{4, 2}));
    for (std::size_t step = 1; step < path.size(); ++step)
    {
        const int distance =
            std::abs(path[step].I - path[step - 1].I) + std::abs(path[step].J - path[step - 1].J);
        EXPECT_EQ(distance, 1) << "step " << step;
    }
    EXPECT_EQ(path[1], (IJ{0, 1}));
}

TEST(PathSearch, EqualPathsAreDecidedByTheNeighbourOrder)
{
    // From (0,0) to (1,1) on an open square: right-then-down and down-then-right are equally short.
    // The neighbours are offered up, right, down, left, and the first inserted of equal cost goes first.
    PathSearch square;
    Fill(square, {"..", ".."});
    EXPECT_EQ(Find(square, {0, 0}, {1, 1}), (std::vector<IJ>{{0, 0}, {1, 0}, {1, 1}}));
    EXPECT_EQ(Find(square, {1, 1}, {0, 0}), (std::vector<IJ>{{1, 1}, {1, 0}, {0, 0}}));
    EXPECT_EQ(Find(square, {1, 0}, {0, 1}), (std::vector<IJ>{{1, 0}, {1, 1}, {0, 1}}));
}

TEST(PathSearch, AWalledGoalHasNoPathAndTheLastResultIsDropped)
{
    PathSearch search;
    Fill(search, {"...", "###", "..."});
    ASSERT_EQ(Find(search, {0, 0}, {2, 0}).size(), 3u);
    EXPECT_FALSE((search.start = {0, 0}, search.goal = {0, 2}, search.Search()));
    EXPECT_TRUE(search.path.empty());
}

TEST(PathSearch, CrossesTheWholeFieldRepeatedly)
{
    PathSearch search;
    Fill(search, std::vector<std::string>(26, std::string(16, '.')));
    for (int round = 0; round < 3; ++round)
    {
        const std::vector<IJ> path = Find(search, {0, 0}, {15, 25});
        ASSERT_EQ(path.size(), 15u + 25u + 1u);
        EXPECT_EQ(path.back(), (IJ{15, 25}));
    }
}
