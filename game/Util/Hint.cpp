#include "game/Util/Hint.h"

#include "engine/Gui/Text.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Main.h"
#include "game/Util/VirtualMouse.h"

#include <cmath>
#include <limits>

namespace
{

constexpr float kScreenMiddleX = 512.0f;
constexpr float kScreenMiddleY = 384.0f;
constexpr float kFar = std::numeric_limits<float>::max();
// More pieces than this along one edge come only from a broken window size; drawing them would stall.
constexpr std::uint32_t kMostRuns = 4096;

// Where the pointer piece stands relative to the window corner it replaces, by corner type.
constexpr Korrin::Vector2 kPointerShift[4] = {
    {-3.0f, -2.0f}, {-21.0f, -2.0f}, {-3.0f, -28.0f}, {-21.0f, -28.0f}};
// The window's extra offset on the map screen, by corner type.
constexpr Korrin::Vector2 kMapOffset[4] = {{2.0f, 0.0f}, {5.0f, -5.0f}, {1.0f, -2.0f}, {7.0f, -2.0f}};

bool ReadPair(const LuaValue& table, const char* key, Korrin::Vector2& out)
{
    Korrin::LuaStackGuard guard(table.GetState());
    return table.GetField(key).GetFloat2(out.x, out.y);
}

// How many pieces of a run of `length` pixels are drawn: one more than fit whole. A piece without
// size draws nothing (and cannot be counted out).
std::uint32_t RunCount(float length, float piece)
{
    if (!(piece > 0.0f) || !(length >= 0.0f))
    {
        return 0;
    }
    return std::min(Korrin::CheckedInteger<std::uint32_t>(length / piece), kMostRuns) + 1;
}

} // namespace

Hint::Hint(const LuaValue& table, const std::string& scriptFile)
    : Hint(table, Korrin::SpriteManager::Peek() != nullptr
                      ? Korrin::SpriteManager::Peek()->LoadAnimatedSprite("hintCorners", scriptFile)
                      : nullptr)
{
}

Hint::Hint(const LuaValue& table, const LuaValue& corners)
    : Hint(table, Korrin::SpriteManager::Peek() != nullptr
                      ? Korrin::SpriteManager::Peek()->CreateAnimatedSpriteFromTable(corners)
                      : nullptr)
{
}

Hint::Hint(const LuaValue& table, Korrin::AnimatedSprite* corners) : mCorners(corners)
{
    Korrin::LuaStackGuard guard(table.GetState());
    const LuaValue style = table.GetField("windowStyle");
    const LuaValue data = table.GetField("data");
    if (style.IsTable())
    {
        ReadWindowStyle(style);
    }
    else if (data.IsTable())
    {
        const LuaValue inner = data.GetField("windowStyle");
        if (inner.IsTable())
        {
            ReadWindowStyle(inner);
        }
    }
    ReadPair(table, "pos", mAnchor);
    if (const LuaValue corner = table.GetField("cornerType"); corner.IsNumber())
    {
        mCornerType = Korrin::CheckedInteger<std::uint32_t>(corner.ToFloat()) % 4u;
        mFixedCorner = 1;
    }
    if (const LuaValue clickable = table.GetField("isClickable"); clickable.IsNumber())
    {
        mClickable = Korrin::CheckedInteger<std::uint32_t>(clickable.ToFloat());
    }
    if (const LuaValue cornered = table.GetField("isCornered");
        cornered.IsNumber() && cornered.ToFloat() == 0.0f)
    {
        mCornered = 0;
    }
    if (data.IsTable())
    {
        ReadData(data);
    }
    ComputePieces();
    SetPosition(mAnchor.x, mAnchor.y);
}

Hint::~Hint() = default;

void Hint::ReadWindowStyle(const LuaValue& style)
{
    ReadPair(style, "WinSize", mWinSize);
    ReadPair(style, "AngleScrSize", mAngleSize);
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mStyle = sprites->CreateSpriteFromTable(style);
        if (mStyle != nullptr)
        {
            mStylePosition = mStyle->GetPosition();
        }
    }
}

std::string Hint::NextItemName()
{
    static std::uint32_t counter = 0;
    return std::to_string(counter++);
}

void Hint::ReadData(const LuaValue& data)
{
    Korrin::LuaStackGuard guard(data.GetState());
    if (const LuaValue delay = data.GetField("delay"); delay.IsNumber())
    {
        mDelay = delay.ToFloat();
    }
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    data.ForEachEntry(
        [this, sprites](const LuaValue& /*key*/, const LuaValue& item)
        {
            if (!item.IsTable())
            {
                return;
            }
            Korrin::LuaStackGuard itemGuard(item.GetState());
            const std::string type = item.GetField("dataType").ToString();
            const LuaValue nameValue = item.GetField("name");
            if (type != "image" && type != "text")
            {
                return;
            }
            const std::string name = nameValue.IsString() ? nameValue.ToString() : NextItemName();
            if (type == "image")
            {
                if (sprites != nullptr)
                {
                    mImages[name] = sprites->CreateSpriteFromTable(item);
                }
                return;
            }
            auto text = std::make_unique<Korrin::Text>();
            text->ReadScript(item);
            mTexts[name] = std::move(text);
        });
}

void Hint::ComputePieces()
{
    mWidth = Korrin::CheckedInteger<std::uint32_t>(std::round(mWinSize.x));
    mHeight = Korrin::CheckedInteger<std::uint32_t>(std::round(mWinSize.y));
    if (mStyle != nullptr)
    {
        mStyleRect = mStyle->GetSrcRect();
    }
    const float x1 = mStyleRect.left;
    const float y1 = mStyleRect.top;
    const float x2 = mStyleRect.right;
    const float y2 = mStyleRect.bottom;
    const float cw = mAngleSize.x;
    const float ch = mAngleSize.y;
    mPieces[kTopLeft] = {x1, y1, x1 + cw, y1 + ch};
    mPieces[kTopRight] = {x2 - cw, y1, x2, y1 + ch};
    mPieces[kBottomLeft] = {x1, y2 - ch, x1 + cw, y2};
    mPieces[kBottomRight] = {x2 - cw, y2 - ch, x2, y2};
    mPieces[kTopEdge] = {x1 + cw, y1, x2 - cw, y1 + ch};
    mPieces[kBottomEdge] = {x1 + cw, y2 - ch, x2 - cw, y2};
    mPieces[kLeftEdge] = {x1, y1 + ch, x1 + cw, y2 - ch};
    mPieces[kRightEdge] = {x2 - cw, y1 + ch, x2, y2 - ch};
    mPieces[kCentre] = {x1 + cw, y1 + ch, x2 - cw, y2 - ch};
}

std::uint32_t Hint::CornerTypeOf(const Korrin::Vector2& anchor)
{
    const bool right = anchor.x >= kScreenMiddleX;
    if (anchor.y > kScreenMiddleY)
    {
        return right ? kLowerRight : kLowerLeft;
    }
    return right ? kUpperRight : kUpperLeft;
}

void Hint::SetPosition(float x, float y)
{
    mAnchor = {x, y};
    if (mFixedCorner == 0)
    {
        mCornerType = GetCornerType();
    }
    const Main* main = Main::Peek();
    if (main != nullptr && main->GetCurrent() == Main::kMapScreen)
    {
        mExtraOffset = kMapOffset[mCornerType];
    }
    const float width = static_cast<float>(mWidth);
    const float height = static_cast<float>(mHeight);
    const float ox = mExtraOffset.x;
    const float oy = mExtraOffset.y;
    switch (mCornerType)
    {
    case kLowerRight:
        mWindowPos = {x - width - 13.0f + ox, y - height - 13.0f + oy};
        break;
    case kLowerLeft:
        mWindowPos = {x + 7.0f + ox, y - height - 7.0f + oy};
        break;
    case kUpperRight:
        mWindowPos = {x - width - 13.0f + ox, y + 13.0f + oy};
        break;
    default:
        mWindowPos = {x + 6.0f + ox, y + 13.0f + oy};
        break;
    }
}

bool Hint::IsPointOver(const Korrin::Vector2& point) const
{
    const float width = static_cast<float>(mWidth);
    const float height = static_cast<float>(mHeight);
    const float x = mAnchor.x;
    const float y = mAnchor.y;
    Korrin::Rect area;
    switch (mCornerType)
    {
    case kLowerRight:
        area = {x - width, y - height, x, y};
        break;
    case kLowerLeft:
        area = {x, y - height, x + width, y};
        break;
    case kUpperRight:
        area = {x - width, y, x, y + height};
        break;
    default:
        area = {x, y, x + width, y + height};
        break;
    }
    return point.x >= area.left && point.x <= area.right && point.y >= area.top && point.y <= area.bottom;
}

bool Hint::IsMouseOver() const
{
    Korrin::Vector2 mouse;
    return VirtualMousePosition(mouse) && IsPointOver(mouse);
}

void Hint::SetText(const std::string& name, const std::u16string& text)
{
    if (const auto found = mTexts.find(name); found != mTexts.end())
    {
        found->second->mCaption = text;
    }
}

void Hint::ShowItem(const std::string& name, const Korrin::Rect& source)
{
    if (const auto found = mImages.find(name); found != mImages.end() && found->second != nullptr)
    {
        found->second->SetSrcRectF(source);
    }
}

void Hint::Draw(const Korrin::Colour& colour)
{
    if (mStyle != nullptr)
    {
        mStyle->SetColourV(colour);
    }
    if (mCorners != nullptr)
    {
        mCorners->SetColourV(colour);
        mCorners->SetMirrorH(false);
        mCorners->SetMirrorV(false);
    }
    DrawCorners();
    DrawEdges();
    DrawItems(colour);
}

void Hint::DrawCorners()
{
    const float cw = mAngleSize.x;
    const float ch = mAngleSize.y;
    const float left = mWindowPos.x + mStylePosition.x;
    const float top = mWindowPos.y + mStylePosition.y;
    const float right = left + static_cast<float>(mWidth) - cw;
    const float bottom = top + static_cast<float>(mHeight) - ch;
    // Window corners by corner type of the anchor nearest them: bottom-right, bottom-left, top-right,
    // top-left.
    const struct
    {
        Piece piece;
        float x;
        float y;
    } corners[4] = {{kBottomRight, right, bottom},
                    {kBottomLeft, left, bottom},
                    {kTopRight, right, top},
                    {kTopLeft, left, top}};
    for (std::uint32_t type = 0; type < 4; ++type)
    {
        const auto& corner = corners[type];
        if (mCornered != 0 && type == mCornerType)
        {
            if (mCorners != nullptr)
            {
                mCorners->SetMirrorH(type == kLowerRight || type == kUpperRight);
                mCorners->SetMirrorV(type == kUpperRight || type == kUpperLeft);
                mCorners->DrawFrame(static_cast<std::uint16_t>(mCornerFrame),
                                    Korrin::CheckedInteger<int>(corner.x + kPointerShift[type].x),
                                    Korrin::CheckedInteger<int>(corner.y + kPointerShift[type].y));
            }
            continue;
        }
        if (mStyle != nullptr)
        {
            mStyle->SetSrcRectF(mPieces[corner.piece]);
            mStyle->Draw(Korrin::CheckedInteger<int>(corner.x), Korrin::CheckedInteger<int>(corner.y));
        }
    }
}

void Hint::DrawEdges()
{
    if (mStyle == nullptr)
    {
        return;
    }
    const float cw = mAngleSize.x;
    const float ch = mAngleSize.y;
    const float left = mWindowPos.x + mStylePosition.x;
    const float top = mWindowPos.y + mStylePosition.y;
    const float innerLeft = left + cw;
    const float innerTop = top + ch;
    const float innerRight = left + static_cast<float>(mWidth) - cw;
    const float innerBottom = top + static_cast<float>(mHeight) - ch;
    const float ew = mPieces[kTopEdge].right - mPieces[kTopEdge].left;
    const float eh = mPieces[kLeftEdge].bottom - mPieces[kLeftEdge].top;
    const std::uint32_t across = RunCount(mWinSize.x, ew);
    const std::uint32_t down = RunCount(mWinSize.y, eh);
    const Korrin::Rect horizontal{innerLeft, -kFar, innerRight, kFar};
    const Korrin::Rect vertical{-kFar, innerTop, kFar, innerBottom};
    const Korrin::Rect inner{innerLeft, innerTop, innerRight, innerBottom};
    for (std::uint32_t i = 0; i < across; ++i)
    {
        const float x = innerLeft + ew * static_cast<float>(i);
        mStyle->DrawInRect(mPieces[kTopEdge], horizontal, x, top);
        mStyle->DrawInRect(mPieces[kBottomEdge], horizontal, x, innerBottom);
    }
    for (std::uint32_t j = 0; j < down; ++j)
    {
        const float y = innerTop + eh * static_cast<float>(j);
        mStyle->DrawInRect(mPieces[kLeftEdge], vertical, left, y);
        mStyle->DrawInRect(mPieces[kRightEdge], vertical, innerRight, y);
    }
    for (std::uint32_t j = 0; j < down; ++j)
    {
        for (std::uint32_t i = 0; i < across; ++i)
        {
            mStyle->DrawInRect(mPieces[kCentre], inner, innerLeft + ew * static_cast<float>(i),
                               innerTop + eh * static_cast<float>(j));
        }
    }
}

void Hint::DrawItems(const Korrin::Colour& colour)
{
    for (const auto& [name, image] : mImages)
    {
        if (image == nullptr)
        {
            continue;
        }
        const Korrin::Vector2 own = image->GetPosition();
        Korrin::Vector2 extra;
        if (const auto found = mOffsets.find(name); found != mOffsets.end())
        {
            extra = found->second;
        }
        image->SetColourV(colour);
        image->Draw(Korrin::CheckedInteger<int>(mWindowPos.x + own.x + extra.x),
                    Korrin::CheckedInteger<int>(mWindowPos.y + own.y + extra.y));
        image->SetPosition(own);
    }
    for (const auto& [name, text] : mTexts)
    {
        const Korrin::Rect area = text->mTextArea;
        const Korrin::Colour own = text->mColour;
        text->mTextArea = {area.left + mWindowPos.x, area.top + mWindowPos.y, area.right + mWindowPos.x,
                           area.bottom + mWindowPos.y};
        text->mColour = {own.red, own.green, own.blue, colour.alpha};
        text->Draw();
        text->mTextArea = area;
        text->mColour = own;
    }
}
