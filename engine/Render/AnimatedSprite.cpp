#include "engine/Render/AnimatedSprite.h"

#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"

#include <algorithm>
#include <cmath>

namespace Korrin
{

namespace
{

// A frame index is 16 bits wide: no sheet holds more frames than that.
constexpr std::uint32_t kMostFrames = 65535;

// A script number cut toward zero into 0..limit (a hostile or broken value cannot overflow).
std::uint32_t WholeNumber(float value, std::uint32_t limit)
{
    return std::min(CheckedInteger<std::uint32_t>(value), limit);
}

template <std::size_t N>
std::vector<std::array<float, N>> ReadKeyList(const LuaValue& table)
{
    std::vector<std::array<float, N>> keys;
    table.ForEachElement(
        [&keys](int /*position*/, const LuaValue& entry)
        {
            std::array<float, N> key{};
            if (NullSprite::ReadNumbers(entry, key.data(), static_cast<int>(N)))
            {
                keys.push_back(key);
            }
        });
    return keys;
}

const Rect kNoFrame{};

} // namespace

AnimatedSprite::AnimatedSprite(const std::string& image) : Sprite(image)
{
    ResetAnimation();
}

AnimatedSprite::AnimatedSprite(const std::string& table, const std::string& file)
{
    ResetAnimation();
    LuaScript script;
    script.LoadFile(file, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());
    if (const LuaValue global = script.GetGlobal(table.c_str()); global.IsTable())
    {
        Load(global);
    }
}

AnimatedSprite::AnimatedSprite(const LuaValue& table)
{
    ResetAnimation();
    if (table.IsTable())
    {
        Load(table);
    }
}

AnimatedSprite::~AnimatedSprite() = default;

AnimatedSprite& AnimatedSprite::operator=(const AnimatedSprite& other)
{
    if (this == &other)
    {
        return *this;
    }
    mRenderData.mBlendMode = other.mRenderData.mBlendMode;
    mRenderData.mFilter = other.mRenderData.mFilter;
    mPosition = other.mPosition;
    mMirrorH = other.mMirrorH;
    mMirrorV = other.mMirrorV;
    SetSrcRectF(other.mSrcRect);
    SetColourV(other.mColour);
    if (!other.mFrames.empty())
    {
        mFrames = other.mFrames;
    }
    mUVSpeed = other.mUVSpeed;
    mCurrentFrame = other.mCurrentFrame;
    mFramePosition = other.mFramePosition;
    mFrameSpeed = other.mFrameSpeed;
    mResetFlag = other.mResetFlag;
    mLoop = other.mLoop;
    return *this;
}

void AnimatedSprite::ResetAnimation()
{
    mFrameSpeed = 1.0f;
    mType = kTurnBack;
    mResetFlag = 1;
    mLoop = false;
    mFramePosition = 0.0f;
    mCurrentFrame = 0;
    mDrawEx = DrawExKey{};
    mDrawScale = DrawScaleKey{};
}

void AnimatedSprite::Load(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    mKeyTime = 0.0f;
    mKeySpeed = 1.0f;
    NullSprite::Load(table);
    float speed[2] = {};
    if (ReadNumbers(table.GetField("MoveUV"), speed, 2))
    {
        mUVSpeed = Vector2{speed[0], speed[1]};
    }
    if (const LuaValue animation = table.GetField("Animation"); animation.IsTable())
    {
        ReadAnimation(animation);
    }
    ReadKeys(table);
}

void AnimatedSprite::ReadAnimation(const LuaValue& animation)
{
    LuaStackGuard guard(animation.GetState());
    mColumns = 1;
    mRows = 1;
    if (const LuaValue loop = animation.GetField("Loop"); loop.IsNumber())
    {
        mLoop = loop.ToFloat() > 0.0f;
    }
    if (const LuaValue speed = animation.GetField("Speed"); speed.IsNumber())
    {
        mFrameSpeed = speed.ToFloat();
    }
    if (const LuaValue columns = animation.GetField("FramesCols"); columns.IsNumber())
    {
        mColumns = static_cast<std::uint16_t>(WholeNumber(columns.ToFloat(), 65535));
    }
    if (const LuaValue rows = animation.GetField("FramesRows"); rows.IsNumber())
    {
        mRows = static_cast<std::uint16_t>(WholeNumber(rows.ToFloat(), 65535));
    }
    std::uint32_t count =
        static_cast<std::uint32_t>(std::max<std::uint16_t>(mColumns, 1)) * std::max<std::uint16_t>(mRows, 1);
    if (const LuaValue frames = animation.GetField("NumFrames"); frames.IsNumber())
    {
        count = WholeNumber(frames.ToFloat(), kMostFrames);
    }
    SetFrames(mColumns, mRows, count, mSrcRect);
    if (const LuaValue list = animation.GetField("FramesList"); list.IsTable())
    {
        std::vector<Rect> frames;
        list.ForEachElement(
            [&frames](int /*position*/, const LuaValue& entry)
            {
                float rect[4] = {};
                if (frames.size() < kMostFrames && ReadNumbers(entry, rect, 4))
                {
                    frames.push_back(Rect{rect[0], rect[1], rect[2], rect[3]});
                }
            });
        mFrames = std::move(frames);
    }
}

void AnimatedSprite::ReadKeys(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    if (const LuaValue drawEx = table.GetField("DrawEx"); drawEx.IsTable())
    {
        mDrawExKeys = ReadKeyList<8>(drawEx);
        if (const LuaValue type = drawEx.GetField("Type"); type.IsNumber())
        {
            mType = static_cast<std::uint8_t>(WholeNumber(type.ToFloat(), 255));
        }
        if (!mDrawExKeys.empty())
        {
            mDrawEx = mDrawExKeys.front();
        }
    }
    if (!mDrawExKeys.empty())
    {
        return;
    }
    if (const LuaValue drawScale = table.GetField("DrawScale"); drawScale.IsTable())
    {
        mDrawScaleKeys = ReadKeyList<5>(drawScale);
        if (!mDrawScaleKeys.empty())
        {
            mDrawScale = mDrawScaleKeys.front();
        }
    }
    if (!mDrawScaleKeys.empty())
    {
        return;
    }
    if (const LuaValue drawClip = table.GetField("DrawClip"); drawClip.IsTable())
    {
        mDrawClipKeys = ReadKeyList<7>(drawClip);
        if (const LuaValue type = drawClip.GetField("Type"); type.IsNumber())
        {
            mType = static_cast<std::uint8_t>(WholeNumber(type.ToFloat(), 255));
        }
        if (!mDrawClipKeys.empty())
        {
            mDrawClip = mDrawClipKeys.front();
        }
    }
}

void AnimatedSprite::SetFrames(std::uint16_t columns, std::uint16_t rows, std::uint32_t count,
                               const Rect& origin)
{
    mColumns = columns == 0 ? 1 : columns;
    mRows = rows == 0 ? 1 : rows;
    const int frameWidth = CheckedInteger<int>(origin.right - origin.left) / mColumns;
    const int frameHeight = CheckedInteger<int>(origin.bottom - origin.top) / mRows;
    count = std::min(count, kMostFrames);
    mFrames.clear();
    for (std::uint32_t row = 0; row < mRows && mFrames.size() < count; ++row)
    {
        for (std::uint32_t column = 0; column < mColumns && mFrames.size() < count; ++column)
        {
            const float left = origin.left + static_cast<float>(column) * static_cast<float>(frameWidth);
            const float top = origin.top + static_cast<float>(row) * static_cast<float>(frameHeight);
            mFrames.push_back(Rect{left, top, left + static_cast<float>(frameWidth),
                                   top + static_cast<float>(frameHeight)});
        }
    }
}

const Rect& AnimatedSprite::GetFrameRect(std::uint16_t index) const
{
    return index < mFrames.size() ? mFrames[index] : kNoFrame;
}

void AnimatedSprite::Update(float dt)
{
    if (mUVSpeed.x != 0.0f || mUVSpeed.y != 0.0f)
    {
        for (Vertex& vertex : mVertices)
        {
            vertex.u += dt * mUVSpeed.x;
            vertex.v += dt * mUVSpeed.y;
        }
    }
    UpdateFrames(dt);
    UpdateKeys(dt);
}

void AnimatedSprite::UpdateFrames(float dt)
{
    if (mFrames.empty())
    {
        return;
    }
    const float count = static_cast<float>(mFrames.size());
    mFramePosition += dt * mFrameSpeed;
    if (!mLoop && mFramePosition > count - 1.0f)
    {
        mFramePosition = count - 1.0f;
    }
    else if (mLoop && mFramePosition >= count)
    {
        mFramePosition = 0.0f;
    }
    if (!(mFramePosition >= 0.0f))
    {
        mFramePosition = 0.0f;
    }
    mCurrentFrame = static_cast<std::uint16_t>(mFramePosition);
    SetSrcRectF(mFrames[mCurrentFrame]);
}

void AnimatedSprite::UpdateKeys(float dt)
{
    if (mDrawExKeys.empty() && mDrawScaleKeys.empty() && mDrawClipKeys.empty())
    {
        return;
    }
    mKeyTime += dt * mKeySpeed;
    if (!mDrawExKeys.empty())
    {
        RunKeys(mDrawExKeys, mDrawEx, mType == kTurnBack, false);
    }
    else if (!mDrawScaleKeys.empty())
    {
        RunKeys(mDrawScaleKeys, mDrawScale, true, false);
    }
    else
    {
        RunKeys(mDrawClipKeys, mDrawClip, mType == kTurnBack, mType == kHoldLast);
    }
}

template <std::size_t N>
void AnimatedSprite::RunKeys(const std::vector<std::array<float, N>>& keys, std::array<float, N>& current,
                             bool swings, bool holdTime)
{
    constexpr std::size_t kTime = N - 1;
    const float lastTime = keys.back()[kTime];
    if (mKeyTime >= lastTime)
    {
        if (swings)
        {
            mKeyTime = lastTime;
            mKeySpeed -= 1.0f;
        }
        else if (mType == kStartAgain)
        {
            mKeyTime = 0.0f;
        }
        else if (holdTime)
        {
            mKeyTime = lastTime;
        }
    }
    if (mKeyTime < 0.0f && swings)
    {
        mKeyTime = 0.0f;
        mKeySpeed = 1.0f;
    }
    std::size_t at = 0;
    for (std::size_t i = 0; i < keys.size(); ++i)
    {
        if (keys[i][kTime] <= mKeyTime)
        {
            at = i;
        }
    }
    const std::size_t next = at + 1 < keys.size() ? at + 1 : at;
    float span = keys[next][kTime] - keys[at][kTime];
    if (span == 0.0f)
    {
        span = 1.0f;
    }
    const float fraction = next == at ? 0.0f : (mKeyTime - keys[at][kTime]) / span;
    for (std::size_t value = 0; value < kTime; ++value)
    {
        current[value] = keys[at][value] + fraction * (keys[next][value] - keys[at][value]);
    }
}

void AnimatedSprite::Draw()
{
    DrawKeys(mDrawExKeys.empty() ? (mDrawScaleKeys.empty() ? mDrawClip[0] : mDrawScale[0]) : mDrawEx[0],
             mDrawExKeys.empty() ? (mDrawScaleKeys.empty() ? mDrawClip[1] : mDrawScale[1]) : mDrawEx[1]);
}

void AnimatedSprite::DrawAt(const Vector2& position)
{
    DrawKeys(position.x, position.y);
}

void AnimatedSprite::DrawKeys(float x, float y)
{
    if (!mDrawExKeys.empty())
    {
        Sprite::DrawEx(x, y, mDrawEx[2], mDrawEx[3], mDrawEx[4], mDrawEx[5], mDrawEx[6]);
    }
    else if (!mDrawScaleKeys.empty())
    {
        Sprite::DrawScale(CheckedInteger<int>(x), CheckedInteger<int>(y), CheckedInteger<int>(mDrawScale[2]),
                          CheckedInteger<int>(mDrawScale[3]));
    }
    else if (!mDrawClipKeys.empty())
    {
        DrawInRectRestoring(Rect{mDrawClip[2], mDrawClip[3], mDrawClip[4], mDrawClip[5]}, x, y);
    }
}

std::uint16_t AnimatedSprite::ClampFrame(std::uint16_t frame) const
{
    return std::min<std::uint16_t>(frame, static_cast<std::uint16_t>(mFrames.size() - 1));
}

void AnimatedSprite::DrawFrame(std::uint16_t frame, int x, int y)
{
    if (mFrames.empty())
    {
        return;
    }
    SetSrcRectF(mFrames[ClampFrame(frame)]);
    Sprite::Draw(x, y);
}

void AnimatedSprite::DrawFrameAt(const Vector2& position, std::uint16_t frame)
{
    DrawFrame(frame, CheckedInteger<int>(position.x), CheckedInteger<int>(position.y));
}

void AnimatedSprite::DrawFrameTexture(const Vector2& position, std::uint16_t frame, Texture* texture)
{
    Texture* own = mRenderData.mTexture;
    mRenderData.mTexture = texture;
    DrawFrameAt(position, frame);
    mRenderData.mTexture = own;
}

void AnimatedSprite::DrawFrameEx(std::uint16_t frame, float x, float y, float scaleX, float scaleY,
                                 float angle, float pivotX, float pivotY)
{
    if (mFrames.empty())
    {
        return;
    }
    SetSrcRectF(mFrames[ClampFrame(frame)]);
    Sprite::DrawEx(x, y, scaleX, scaleY, angle, pivotX, pivotY);
}

void AnimatedSprite::DrawFrameInRect(std::uint16_t frame, float x, float y, const Rect& clip)
{
    if (mFrames.empty())
    {
        return;
    }
    DrawInRect(mFrames[ClampFrame(frame)], clip, x, y);
}

} // namespace Korrin
