#include "game/Game/GameField.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Game/PathSearch.h"
#include "game/Pers/PersManager.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr std::uint16_t kShopCode = 17;
constexpr std::uint16_t kStorehouseCode = 10;
constexpr std::uint16_t kRopeObjectCode = 1;
// A wet-ground mark fades out in two seconds.
constexpr float kMarkFadePerSecond = 0.5f;
// Animated scenery stands this far above the y the level file gives (less the field's origin).
constexpr float kSceneryRise = 65.0f;
// Tile-sheet frames of the cell highlight (the cell and the one below) and of a wet-ground mark.
constexpr std::uint32_t kHighlightFrame = 97;
constexpr std::uint32_t kHighlightFootFrame = 113;
constexpr std::uint32_t kWetMarkFrame = 99;

bool InRange(std::uint16_t code, std::uint16_t first, std::uint16_t last)
{
    return code >= first && code <= last;
}

} // namespace

GameField::GameField()
    : mSearcherA(std::make_unique<PathSearch>()), mSearcherB(std::make_unique<PathSearch>())
{
}

GameField::~GameField()
{
    // The drawables are the sprite manager's; each level gives its own back.
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    std::vector<Korrin::NullSprite*> released;
    for (const AnimBkObject& object : mAnimatedObjects)
    {
        if (object.drawable != nullptr &&
            std::find(released.begin(), released.end(), object.drawable) == released.end())
        {
            released.push_back(object.drawable);
            sprites->DeleteSprite(object.drawable);
        }
    }
    if (mTileSheet != nullptr)
    {
        sprites->DeleteSprite(mTileSheet);
    }
}

void GameField::Reset()
{
    mRopeHighlights = {IJ{-1, -1}, IJ{-1, -1}};
}

void GameField::SetTile(std::int32_t i, std::int32_t j, std::uint16_t code)
{
    if (FieldGeometry::IsInside(i, j))
    {
        mTiles[FieldGeometry::Index(i, j)] = code;
        mGridAStale = true;
        mGridBStale = true;
    }
}

std::uint16_t GameField::GetTile(std::int32_t i, std::int32_t j) const
{
    return FieldGeometry::IsInside(i, j) ? mTiles[FieldGeometry::Index(i, j)] : 0;
}

void GameField::SetObjectCode(std::int32_t i, std::int32_t j, std::uint16_t code)
{
    if (FieldGeometry::IsInside(i, j))
    {
        mObjects[FieldGeometry::Index(i, j)] = code;
        mGridAStale = true;
        mGridBStale = true;
    }
}

std::uint16_t GameField::GetObjectCode(std::int32_t i, std::int32_t j) const
{
    return FieldGeometry::IsInside(i, j) ? mObjects[FieldGeometry::Index(i, j)] : 0;
}

int GameField::GetWalkKind(std::int32_t i, std::int32_t j) const
{
    const std::uint16_t code = GetTile(i, j);
    if (InRange(code, 2, 6))
    {
        return kFloor;
    }
    switch (mStyle)
    {
    case 0:
        if (InRange(code, 180, 184))
        {
            return kFloor;
        }
        break;
    case 2:
        if (InRange(code, 212, 216))
        {
            return kFloor;
        }
        break;
    default:
        if (InRange(code, 196, 200))
        {
            return kFloor;
        }
        break;
    }
    if (InRange(code, 34, 38) || InRange(code, 65, 67) || InRange(code, 69, 72) || InRange(code, 145, 147))
    {
        return kLadder;
    }
    if (code == 97 || code == 98)
    {
        return 3;
    }
    return kNotWalkable;
}

int GameField::GetRopeKind(std::int32_t i, std::int32_t j) const
{
    switch (GetTile(i, j))
    {
    case 40:
    case 56:
    case 72:
    case 88:
    case 104:
    case 120:
        return 1;
    case 71:
    case 87:
    case 103:
    case 119:
    case 147:
        return 2;
    case 70:
    case 86:
    case 102:
    case 118:
    case 146:
        return 3;
    case 69:
    case 85:
    case 101:
    case 145:
    case 161:
        return 4;
    default:
        return 0;
    }
}

bool GameField::IsCellFree(std::int32_t i, std::int32_t j) const
{
    const std::uint16_t code = GetObjectCode(i, j);
    return code != kShopCode && code != kStorehouseCode;
}

bool GameField::FindFreeCellNear(IJ& cell) const
{
    const PersManager* characters = PersManager::Peek();
    const auto usable = [&](std::int32_t i)
    { return IsCellFree(i, cell.J) && (characters == nullptr || !characters->IsCellTaken(i, cell.J)); };
    for (std::int32_t k = 0; k <= FieldGeometry::kRows; ++k)
    {
        if (cell.I + k < FieldGeometry::kColumns - 1 && usable(cell.I + k))
        {
            cell.I += k;
            return true;
        }
        if (cell.I - k >= 0 && usable(cell.I - k))
        {
            cell.I -= k;
            return true;
        }
    }
    return false;
}

void GameField::AddDecoration(std::size_t layer, std::int32_t i, std::int32_t j, std::uint16_t code)
{
    if (layer >= kLayerCount || code == 0)
    {
        return;
    }
    if (mLayers.empty())
    {
        mLayers.resize(kLayerCount);
    }
    const float x = FieldGeometry::CellX(i);
    mLayers[layer].decorations.push_back({x, FieldGeometry::CellY(j), code});
    if (j == FieldGeometry::kRows - 1)
    {
        // The last row goes on one row below the field, to the bottom of the screen.
        mLayers[layer].decorations.push_back({x, FieldGeometry::CellY(j + 1), code});
    }
}

void GameField::AddCellMark(std::int32_t i, std::int32_t j)
{
    mWetMarks.push_back({FieldGeometry::CellX(i), FieldGeometry::CellY(j), 1.0f});
}

void GameField::SetRopeHighlight(std::size_t index, const IJ& top)
{
    if (index < mRopeHighlights.size())
    {
        mRopeHighlights[index] = top;
    }
}

void GameField::RebuildGridA()
{
    for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
    {
        for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
        {
            const std::uint16_t object = GetObjectCode(i, j);
            const bool open = GetWalkKind(i, j) != kNotWalkable || object > kRopeObjectCode ||
                              (object == kRopeObjectCode && GetRopeKind(i, j) != 0);
            mSearcherA->grid[FieldGeometry::Index(i, j)] = open ? PathSearch::kOpen : PathSearch::kClosed;
        }
    }
    mGridAStale = false;
}

void GameField::RebuildGridB()
{
    Korrin::LogManager::GetInstance()->Write("ffff");
    for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
    {
        for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
        {
            const bool open = GetWalkKind(i, j) != kNotWalkable || GetObjectCode(i, j) != 0;
            mSearcherB->grid[FieldGeometry::Index(i, j)] = open ? PathSearch::kOpen : PathSearch::kClosed;
        }
    }
    mGridBStale = false;
}

void GameField::Search(PathSearch& searcher, const IJ& start, const IJ& goal, std::vector<IJ>& path)
{
    // A start or goal off the field has no path; the searcher would otherwise answer for the cells of
    // the search before.
    if (!FieldGeometry::IsInside(start.I, start.J) || !FieldGeometry::IsInside(goal.I, goal.J))
    {
        return;
    }
    searcher.start = start;
    searcher.goal = goal;
    if (searcher.Search())
    {
        path.insert(path.end(), searcher.path.begin(), searcher.path.end());
    }
}

void GameField::FindPath(const IJ& start, const IJ& goal, std::vector<IJ>& path)
{
    path.clear();
    if (mGridAStale)
    {
        RebuildGridA();
    }
    Search(*mSearcherA, start, goal, path);
}

void GameField::FindPathIgnoringRopes(const IJ& start, const IJ& goal, std::vector<IJ>& path)
{
    path.clear();
    if (mGridBStale)
    {
        RebuildGridB();
    }
    Search(*mSearcherB, start, goal, path);
}

bool GameField::Update(float dt)
{
    for (auto mark = mWetMarks.begin(); mark != mWetMarks.end();)
    {
        if (mark->alpha <= 0.0f)
        {
            mark = mWetMarks.erase(mark);
            Korrin::LogManager::GetInstance()->Write(" i=mDrawWaterGroundList.erase(i); ");
            continue;
        }
        mark->alpha = std::max(0.0f, mark->alpha - dt * kMarkFadePerSecond);
        ++mark;
    }
    UpdateAnimatedObjects(dt);
    return true;
}

std::vector<const AnimBkObject*> GameField::SceneryObjectsInDrawOrder() const
{
    std::vector<const AnimBkObject*> drawn;
    auto cursor = mAnimatedObjects.begin();
    const auto drawOrderAt = [&](std::int32_t order)
    {
        while (cursor != mAnimatedObjects.end() && cursor->drawOrder == order)
        {
            drawn.push_back(&*cursor);
            ++cursor;
        }
    };
    for (std::size_t k = 0; k < mLayers.size(); ++k)
    {
        drawOrderAt(static_cast<std::int32_t>(k));
    }
    drawOrderAt(static_cast<std::int32_t>(mLayers.size()));
    return drawn;
}

std::uint16_t GameField::HighlightedTile(std::uint16_t code)
{
    switch (code)
    {
    case 72:
        return 136;
    case 88:
        return 152;
    case 71:
        return 135;
    case 87:
        return 151;
    case 147:
        return 167;
    case 70:
        return 134;
    case 86:
        return 150;
    case 146:
        return 166;
    case 145:
        return 193;
    case 161:
        return 209;
    case 69:
        return 133;
    case 85:
        return 149;
    default:
        return code;
    }
}

void GameField::LoadTileSheet(std::uint8_t type)
{
    mStyle = type;
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    const std::string image = "obj" + std::to_string(type + 1) + ".jpg";
    mTileSheet = sprites->CreateAnimatedSprite(image);
    const Korrin::Rect source = mTileSheet->GetSrcRect();
    const auto columns = Korrin::CheckedInteger<std::uint16_t>(
        std::round((source.right - source.left) / FieldGeometry::kCellWidth));
    const auto rows = Korrin::CheckedInteger<std::uint16_t>(
        std::round((source.bottom - source.top) / FieldGeometry::kCellHeight));
    mTileSheet->SetFrames(columns, rows, static_cast<std::uint32_t>(columns) * rows, source);
}

void GameField::AddAnimatedObject(const std::string& table, float x, float y, std::uint8_t kind,
                                  std::int32_t drawOrder)
{
    AnimBkObject object{x, y - FieldGeometry::kOriginY, table, kind, drawOrder, nullptr};
    const auto same = std::find_if(mAnimatedObjects.begin(), mAnimatedObjects.end(),
                                   [&](const AnimBkObject& other) { return other.table == table; });
    if (same != mAnimatedObjects.end())
    {
        object.drawOrder = same->drawOrder;
        object.drawable = same->drawable;
    }
    else if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        const std::string script = "animbk" + std::to_string(mStyle + 1) + ".lua";
        if (kind == 0)
        {
            object.drawable = sprites->LoadAnimatedSprite(table, script);
        }
        else
        {
            Korrin::AnimatedMesh* mesh = sprites->LoadAnimatedMesh(table, script);
            mesh->SetLoop(true);
            object.drawable = mesh;
        }
    }
    mAnimatedObjects.push_back(std::move(object));
    std::stable_sort(mAnimatedObjects.begin(), mAnimatedObjects.end(),
                     [](const AnimBkObject& a, const AnimBkObject& b) { return a.drawOrder < b.drawOrder; });
}

void GameField::UpdateAnimatedObjects(float dt)
{
    // Objects of one table share their drawable: each drawable advances once.
    std::vector<const Korrin::NullSprite*> updated;
    for (AnimBkObject& object : mAnimatedObjects)
    {
        if (object.drawable == nullptr ||
            std::find(updated.begin(), updated.end(), object.drawable) != updated.end())
        {
            continue;
        }
        updated.push_back(object.drawable);
        if (object.kind == 0)
        {
            static_cast<Korrin::AnimatedSprite*>(object.drawable)->Update(dt);
        }
        else
        {
            static_cast<Korrin::AnimatedMesh*>(object.drawable)->UpdateAnimation(dt);
        }
    }
}

void GameField::DrawTileFrame(std::uint32_t frame, float x, float y)
{
    const std::size_t count = mTileSheet->GetFrameCount();
    if (count == 0)
    {
        return;
    }
    const auto clamped = static_cast<std::uint16_t>(std::min<std::size_t>(frame, count - 1));
    mTileSheet->DrawFrame(clamped, static_cast<int>(x), static_cast<int>(y));
}

void GameField::ShowCellHighlight(std::int32_t i, std::int32_t j)
{
    if (mTileSheet == nullptr)
    {
        return;
    }
    mTileSheet->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    DrawTileFrame(kHighlightFrame, FieldGeometry::CellX(i), FieldGeometry::CellY(j));
    DrawTileFrame(kHighlightFootFrame, FieldGeometry::CellX(i), FieldGeometry::CellY(j + 1));
}

void GameField::Draw()
{
    if (mTileSheet == nullptr)
    {
        return;
    }
    if (GetDrawCount() == 0)
    {
        DrawScenery();
    }
    else
    {
        DrawGround();
    }
}

void GameField::DrawAnimatedObject(const AnimBkObject& object)
{
    if (object.drawable == nullptr)
    {
        return;
    }
    if (object.kind == 0)
    {
        static_cast<Korrin::AnimatedSprite*>(object.drawable)->DrawAt({object.x, object.y - kSceneryRise});
        return;
    }
    auto* mesh = static_cast<Korrin::AnimatedMesh*>(object.drawable);
    mesh->DrawCells(Korrin::CheckedInteger<int>(object.x),
                    Korrin::CheckedInteger<int>(object.y - kSceneryRise), mesh->GetVertexColumns(),
                    mesh->GetVertexRows());
}

void GameField::DrawScenery()
{
    mTileSheet->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    const std::vector<const AnimBkObject*> objects = SceneryObjectsInDrawOrder();
    auto next = objects.begin();
    const auto drawObjectsOfOrder = [&](std::int32_t order)
    {
        while (next != objects.end() && (*next)->drawOrder == order)
        {
            DrawAnimatedObject(**next);
            ++next;
        }
    };
    for (std::size_t k = 0; k < mLayers.size(); ++k)
    {
        for (const Decoration& decoration : mLayers[k].decorations)
        {
            DrawTileFrame(decoration.code - 1u, decoration.x, decoration.y);
        }
        drawObjectsOfOrder(static_cast<std::int32_t>(k));
    }
    drawObjectsOfOrder(static_cast<std::int32_t>(mLayers.size()));
}

void GameField::DrawGround()
{
    for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
    {
        for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
        {
            if (const std::uint16_t code = GetTile(i, j); code != 0)
            {
                DrawTileFrame(code - 1u, FieldGeometry::CellX(i), FieldGeometry::CellY(j));
            }
        }
    }
    for (const IJ& top : mRopeHighlights)
    {
        if (top.I < 0)
        {
            continue;
        }
        mTileSheet->SetBlendMode(Korrin::RenderData::kBlendAdd);
        for (std::int32_t j = top.J; GetRopeKind(top.I, j) != 0; ++j)
        {
            DrawTileFrame(HighlightedTile(GetTile(top.I, j)) - 1u, FieldGeometry::CellX(top.I),
                          FieldGeometry::CellY(j));
        }
        mTileSheet->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    }
    for (const WetMark& mark : mWetMarks)
    {
        mTileSheet->SetColour(1.0f, 1.0f, 1.0f, mark.alpha);
        DrawTileFrame(kWetMarkFrame, mark.x, mark.y);
    }
    mTileSheet->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
}
