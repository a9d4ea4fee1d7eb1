#include "engine/Gui/GuiContainer.h"

#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiCheckBox.h"
#include "engine/Gui/GuiDrawing.h"
#include "engine/Gui/GuiEdit.h"
#include "engine/Gui/GuiImage.h"
#include "engine/Gui/GuiList.h"
#include "engine/Gui/GuiSlider.h"
#include "engine/Gui/GuiText.h"
#include "engine/Gui/Text.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/CheckedInteger.h"
#include "engine/Util/ValueText.h"

#include <algorithm>
#include <cmath>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Gui\\GuiContainer";
// More tiles than this along one side of a frame come only from a broken layout; drawing them all
// would stall the frame.
constexpr float kMostTiles = 4096.0f;

int TileCount(float length, float tile)
{
    if (!(tile > 0.0f) || !std::isfinite(length))
    {
        return 0;
    }
    const float tiles = std::clamp(length / tile, 0.0f, kMostTiles);
    return static_cast<int>(tiles) + 1;
}

} // namespace

GuiContainer::GuiContainer() = default;

GuiContainer::GuiContainer(const std::string& name, const std::string& fileName)
{
    mName = name;
    LuaScript script;
    script.LoadFile(fileName, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());
    const LuaValue table = script.GetGlobal(name.c_str());
    if (!table.IsTable())
    {
        ReportAndBreak(name + " not found: " + fileName + " (GuiManager::CreateContainer)", kEngineModule,
                       kSource, 72);
        return;
    }
    ReadLayout(table);
}

GuiContainer::~GuiContainer()
{
    // Children go in their input order, each through its own destructor.
    mByName.clear();
    mInputOrder.clear();
    mDrawOrder.clear();
    mOwned.clear();
}

void GuiContainer::ReadLayout(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue image = table.GetField("Image");
    if (image.IsString())
    {
        mBackground = GuiDrawing::CreateSprite(image.ToString());
    }
    Vector2 position;
    if (table.GetField("Pos").GetVector2(position))
    {
        mPosition = position;
    }
    Rect source;
    if (mBackground != nullptr && table.GetField("SrcRect").GetRect(source))
    {
        GuiDrawing::SetSourceRect(mBackground, source);
        mSrcRect = source;
    }
    const LuaValue frame = table.GetField("WinEx");
    if (frame.IsTable())
    {
        mFramed = true;
        Vector2 size;
        if (frame.GetField("WinSize").GetVector2(size))
        {
            mWindowSize = size;
        }
        Vector2 corner;
        if (frame.GetField("AngleScrSize").GetVector2(corner))
        {
            mCornerSize = corner;
            ComputePieces();
        }
    }
    const LuaValue horizontal = table.GetField("HAlign");
    if (horizontal.IsString())
    {
        mAnchorFlags |= Text::HorizontalFlag(horizontal.ToString());
    }
    const LuaValue vertical = table.GetField("VAlign");
    if (vertical.IsString())
    {
        mAnchorFlags |= Text::VerticalFlag(vertical.ToString());
    }
    ReadChildren(table);
}

void GuiContainer::ReadChildren(const LuaValue& table)
{
    // A table's own walk has no stable order; children are made in a fixed one instead: the listed
    // entries in their order, then the named ones by name.
    std::vector<int> positions;
    std::vector<std::string> names;
    table.ForEachEntry(
        [&positions, &names](const LuaValue& key, const LuaValue& value)
        {
            if (!value.IsTable())
            {
                return;
            }
            if (lua_type(key.GetState(), key.GetIndex()) == LUA_TNUMBER)
            {
                // Only whole positions list a child; any other number key is no position at all.
                const double number = lua_tonumber(key.GetState(), key.GetIndex());
                const int position = CheckedInteger<int>(number);
                if (static_cast<double>(position) == number)
                {
                    positions.push_back(position);
                }
            }
            else if (lua_type(key.GetState(), key.GetIndex()) == LUA_TSTRING)
            {
                names.push_back(key.ToString());
            }
        });
    std::sort(positions.begin(), positions.end());
    std::sort(names.begin(), names.end());
    lua_State* state = table.GetState();
    for (const int position : positions)
    {
        LuaStackGuard guard(state);
        lua_rawgeti(state, table.GetIndex(), position);
        AddChild(LuaValue(state, -1));
    }
    for (const std::string& name : names)
    {
        LuaStackGuard guard(state);
        AddChild(table.GetField(name));
    }
}

void GuiContainer::AddChild(const LuaValue& child)
{
    const LuaValue typeValue = child.GetField("Type");
    if (lua_type(child.GetState(), typeValue.GetIndex()) != LUA_TSTRING)
    {
        return;
    }
    const std::string type = typeValue.ToString();
    GuiElement* widget = nullptr;
    if (type == "button")
    {
        widget = new GuiButton(child);
    }
    else if (type == "text")
    {
        widget = new GuiText(child);
    }
    else if (type == "slider")
    {
        widget = new GuiSlider(child);
    }
    else if (type == "checkbox")
    {
        widget = new GuiCheckBox(child);
    }
    else if (type == "list")
    {
        // The list files itself and its arrow buttons and slider.
        new GuiList(child, this);
        return;
    }
    else if (type == "edit")
    {
        widget = new GuiEdit(child);
    }
    else if (type == "image")
    {
        widget = new GuiImage(child);
    }
    if (widget != nullptr)
    {
        AddGuiElement(widget, type, this, widget->GetName());
    }
}

void GuiContainer::AddGuiElement(GuiElement* element, const std::string& kind, GuiContainer* container,
                                 const std::string& name)
{
    if (element == nullptr)
    {
        return;
    }
    GuiContainer* target = container != nullptr ? container : this;
    element->SetKind(kind);
    const std::string filed = ToLower(name);
    if (!target->mByName.emplace(filed, element).second)
    {
        ReportAndBreak("Gui Element with the name " + filed + " already exists." +
                           " (GuiContainer::AddGuiElement)",
                       kEngineModule, kSource, 290);
    }
    target->mOwned.emplace_back(element);
    target->mInputOrder.push_back(element);
    target->mDrawOrder.push_back(element);
}

GuiElement* GuiContainer::GetByName(const std::string& name) const
{
    const auto found = mByName.find(ToLower(name));
    return found != mByName.end() ? found->second : nullptr;
}

GuiElement* GuiContainer::GetByIndex(std::uint16_t index) const
{
    if (index >= mDrawOrder.size())
    {
        ReportAndBreak("index>size (GuiContainer::GetByIndex)", kEngineModule, kSource, 693);
        return nullptr;
    }
    return mDrawOrder[index];
}

void GuiContainer::SetDisabled(bool disabled)
{
    mDisabled = disabled;
    for (GuiElement* child : mInputOrder)
    {
        child->ClearMouse();
    }
}

void GuiContainer::SetWinSize(const Vector2& windowSize, const Vector2& cornerSize)
{
    mWindowSize = windowSize;
    mCornerSize = cornerSize;
    ComputePieces();
}

void GuiContainer::ComputePieces()
{
    const Rect& s = mSrcRect;
    const float cw = mCornerSize.x;
    const float ch = mCornerSize.y;
    mPieces[kTopLeft] = Rect{s.left, s.top, s.left + cw, s.top + ch};
    mPieces[kTopRight] = Rect{s.right - cw, s.top, s.right, s.top + ch};
    mPieces[kBottomLeft] = Rect{s.left, s.bottom - ch, s.left + cw, s.bottom};
    mPieces[kBottomRight] = Rect{s.right - cw, s.bottom - ch, s.right, s.bottom};
    mPieces[kTopEdge] = Rect{s.left + cw, s.top, s.right - cw, s.top + ch};
    mPieces[kBottomEdge] = Rect{s.left + cw, s.bottom - ch, s.right - cw, s.bottom};
    mPieces[kLeftEdge] = Rect{s.left, s.top + ch, s.left + cw, s.bottom - ch};
    mPieces[kRightEdge] = Rect{s.right - cw, s.top + ch, s.right, s.bottom - ch};
    mPieces[kCentre] = Rect{s.left + cw, s.top + ch, s.right - cw, s.bottom - ch};
}

Vector2 GuiContainer::PlacedSize() const
{
    if (mFramed)
    {
        return mWindowSize;
    }
    return Vector2{mSrcRect.right - mSrcRect.left, mSrcRect.bottom - mSrcRect.top};
}

void GuiContainer::UpdatePosition(const Vector2& position)
{
    mPosition = position;
    const Vector2 size = PlacedSize();
    if ((mAnchorFlags & kAlignCentreX) != 0)
    {
        mPosition.x -= size.x * 0.5f;
    }
    else if ((mAnchorFlags & kAlignRight) != 0)
    {
        mPosition.x -= size.x;
    }
    if ((mAnchorFlags & kAlignCentreY) != 0)
    {
        mPosition.y -= size.y * 0.5f;
    }
    else if ((mAnchorFlags & kAlignBottom) != 0)
    {
        mPosition.y -= size.y;
    }
}

void GuiContainer::GetAnchorPos(Vector2& position) const
{
    const Vector2 size = PlacedSize();
    position = mPosition;
    if ((mAnchorFlags & kAlignCentreX) != 0)
    {
        position.x += size.x * 0.5f;
    }
    else if ((mAnchorFlags & kAlignRight) != 0)
    {
        position.x += size.x;
    }
    if ((mAnchorFlags & kAlignCentreY) != 0)
    {
        position.y += size.y * 0.5f;
    }
    else if ((mAnchorFlags & kAlignBottom) != 0)
    {
        position.y += size.y;
    }
}

void GuiContainer::HandleInput()
{
    if (mDisabled)
    {
        return;
    }
    if (mPressed)
    {
        CheckMouse();
        return;
    }
    bool childPressed = false;
    for (GuiElement* child : mInputOrder)
    {
        if (childPressed)
        {
            child->ClearMouse();
            continue;
        }
        child->CheckMouse();
        childPressed = child->IsPressed();
    }
    if (!childPressed)
    {
        CheckMouse();
    }
}

void GuiContainer::Update()
{
    if (mDisabled)
    {
        return;
    }
    for (GuiElement* child : mInputOrder)
    {
        child->UpdatePosition(mPosition);
        child->Update();
    }
}

void GuiContainer::GetFramePieces(std::vector<PiecePlacement>& out) const
{
    const float x = mPosition.x;
    const float y = mPosition.y;
    const float w = mWindowSize.x;
    const float h = mWindowSize.y;
    const float cw = mCornerSize.x;
    const float ch = mCornerSize.y;
    out.push_back(PiecePlacement{kTopLeft, {x, y}, {}, true});
    out.push_back(PiecePlacement{kTopRight, {x + w - cw, y}, {}, true});
    out.push_back(PiecePlacement{kBottomLeft, {x, y + h - ch}, {}, true});
    out.push_back(PiecePlacement{kBottomRight, {x + w - cw, y + h - ch}, {}, true});

    const float tileWidth = mPieces[kTopEdge].right - mPieces[kTopEdge].left;
    const float tileHeight = mPieces[kLeftEdge].bottom - mPieces[kLeftEdge].top;
    // A frame whose edge pieces have no size has nothing to tile with.
    const int across = TileCount(w, tileWidth);
    const int down = TileCount(h, tileHeight);
    const Rect edgeClipX{x, y, x + w - cw, y + h};
    for (int i = 0; i < across; ++i)
    {
        const float tileX = x + cw + static_cast<float>(i) * tileWidth;
        out.push_back(PiecePlacement{kTopEdge, {tileX, y}, edgeClipX, false});
        out.push_back(PiecePlacement{kBottomEdge, {tileX, y + h - ch}, edgeClipX, false});
    }
    const Rect edgeClipY{x, y, x + w, y + h - ch};
    for (int j = 0; j < down; ++j)
    {
        const float tileY = y + ch + static_cast<float>(j) * tileHeight;
        out.push_back(PiecePlacement{kLeftEdge, {x, tileY}, edgeClipY, false});
        out.push_back(PiecePlacement{kRightEdge, {x + w - cw, tileY}, edgeClipY, false});
    }
    const Rect centreClip{x, y, x + w - cw, y + h - ch};
    for (int i = 0; i < across; ++i)
    {
        for (int j = 0; j < down; ++j)
        {
            out.push_back(PiecePlacement{
                kCentre,
                {x + cw + static_cast<float>(i) * tileWidth, y + ch + static_cast<float>(j) * tileHeight},
                centreClip,
                false});
        }
    }
}

void GuiContainer::Draw()
{
    if (mBackground != nullptr)
    {
        if (mFramed)
        {
            mPiecesToDraw.clear();
            GetFramePieces(mPiecesToDraw);
            for (const PiecePlacement& piece : mPiecesToDraw)
            {
                DrawBackgroundPiece(piece);
            }
        }
        else
        {
            DrawBackgroundWhole();
        }
    }
    for (GuiElement* child : mDrawOrder)
    {
        child->Draw();
    }
}

void GuiContainer::SetColour(const Colour& colour)
{
    GuiDrawing::SetColour(mBackground, colour);
    for (GuiElement* child : mDrawOrder)
    {
        child->SetColour(colour);
    }
}

void GuiContainer::SetAlpha(float alpha)
{
    GuiDrawing::SetAlpha(mBackground, alpha);
    for (GuiElement* child : mDrawOrder)
    {
        child->SetAlpha(alpha);
    }
}

void GuiContainer::DrawBackgroundWhole()
{
    GuiDrawing::DrawPart(mBackground, mSrcRect, mPosition);
}

void GuiContainer::DrawBackgroundPiece(const PiecePlacement& piece)
{
    if (piece.whole)
    {
        GuiDrawing::DrawPart(mBackground, mPieces[piece.piece], piece.position);
    }
    else
    {
        GuiDrawing::DrawPartInRect(mBackground, mPieces[piece.piece], piece.clip, piece.position);
    }
}

} // namespace Korrin
