#include "game/Game/PathSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool PathSearch::IsOpen(std::int32_t i, std::int32_t j) const
{
    return FieldGeometry::IsInside(i, j) && grid[FieldGeometry::Index(i, j)] != kClosed;
}

float PathSearch::Estimate(std::int32_t i, std::int32_t j) const
{
    const float di = static_cast<float>(i - goal.I);
    const float dj = static_cast<float>(j - goal.J);
    return std::sqrt(di * di + dj * dj);
}

void PathSearch::Clear()
{
    mOpenList.clear();
    mNodes.clear();
    mBestF.fill(std::numeric_limits<float>::infinity());
}

PathNode* PathSearch::AddNode(const PathNode* parent, std::int32_t i, std::int32_t j, float g, float f)
{
    PathNode& node = mNodes.emplace_back(PathNode{parent, i, j, g, false});
    float& best = mBestF[FieldGeometry::Index(i, j)];
    best = std::min(best, f);
    // A multimap puts a new key after the equal keys already there: first inserted, first expanded.
    mOpenList.emplace(f, &node);
    return &node;
}

PathNode* PathSearch::TakeNextOpen()
{
    while (!mOpenList.empty() && mOpenList.begin()->second->closed)
    {
        mOpenList.erase(mOpenList.begin());
    }
    return mOpenList.empty() ? nullptr : mOpenList.begin()->second;
}

void PathSearch::Offer(const PathNode& from, std::int32_t i, std::int32_t j)
{
    if (!IsOpen(i, j))
    {
        return;
    }
    const float g = from.g + 1.0f;
    const float f = g + Estimate(i, j);
    if (mBestF[FieldGeometry::Index(i, j)] <= f)
    {
        return;
    }
    AddNode(&from, i, j, g, f);
}

void PathSearch::BuildPath(const PathNode& goalNode)
{
    mBackwardPath.clear();
    const PathNode* node = &goalNode;
    while (node != nullptr)
    {
        mBackwardPath.push_back({node->I, node->J});
        const PathNode* parent = node->parent;
        if (parent == nullptr || (parent->I == start.I && parent->J == start.J))
        {
            break;
        }
        node = parent;
    }
    path.push_back(start);
    path.insert(path.end(), mBackwardPath.rbegin(), mBackwardPath.rend());
}

bool PathSearch::Search()
{
    Clear();
    path.clear();
    if (!IsOpen(start.I, start.J) || !IsOpen(goal.I, goal.J))
    {
        return false;
    }
    if (start == goal)
    {
        path.push_back(start);
        return true;
    }
    AddNode(nullptr, start.I, start.J, 0.0f, Estimate(start.I, start.J));
    while (PathNode* current = TakeNextOpen())
    {
        current->closed = true;
        Offer(*current, current->I, current->J - 1);
        Offer(*current, current->I + 1, current->J);
        Offer(*current, current->I, current->J + 1);
        Offer(*current, current->I - 1, current->J);
        if (current->I == goal.I && current->J == goal.J)
        {
            BuildPath(*current);
            return true;
        }
    }
    return false;
}
