#include "game/Butterfly.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"
#include "engine/Util/RandomGenerator.h"
#include "engine/Util/Vector2.h"
#include "game/ButterflyList.h"
#include "game/Util/VirtualMouse.h"

#include <cmath>

namespace
{

constexpr float kTwoPi = 6.2831855f;
constexpr float kFrameRates[] = {40.0f, 10.0f, 4.0f, 10.0f}; // fly, landing, sit, off

float NumberOr(const LuaValue& table, const char* key, float fallback)
{
    Korrin::LuaStackGuard guard(table.GetState());
    const LuaValue value = table.GetField(key);
    return value.IsNumber() ? value.ToFloat() : fallback;
}

// The first numbers of a list's entries of two numbers that name one of the sprite's frames after the
// first.
void ReadFrames(const LuaValue& table, const char* key, std::size_t frameCount,
                Korrin::SafeVector<std::uint16_t>& frames)
{
    Korrin::LuaStackGuard guard(table.GetState());
    table.GetField(key).ForEachElement(
        [&frames, frameCount](int /*position*/, const LuaValue& entry)
        {
            float number = 0.0f;
            float unused = 0.0f;
            if (!entry.GetFloat2(number, unused))
            {
                return;
            }
            const auto frame = Korrin::CheckedInteger<std::int32_t>(number);
            if (frame >= 1 && static_cast<std::size_t>(frame) < frameCount)
            {
                frames.push_back(static_cast<std::uint16_t>(frame));
            }
        });
}

} // namespace

Butterfly::Butterfly(ButterflyList* owner) : mOwner(owner) {}

void Butterfly::Load(const LuaValue& table, const std::string& name)
{
    Korrin::LuaStackGuard guard(table.GetState());
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        sprite = sprites->CreateAnimatedSpriteFromTable(table);
    }
    style = NumberOr(table, "Style", 0.0f) == 1.0f ? 1u : 0u;
    speed = NumberOr(table, "V", 30.0f);
    amplitude = NumberOr(table, "A", 20.0f);
    wobble = NumberOr(table, "W", 2.0f);
    const float speedSpread = NumberOr(table, "dV", 10.0f);
    const float amplitudeSpread = NumberOr(table, "dA", 2.0f);
    const float wobbleSpread = NumberOr(table, "dW", 0.5f);
    for (auto [value, spread] : {std::pair<float*, float>{&speed, speedSpread},
                                 {&amplitude, amplitudeSpread},
                                 {&wobble, wobbleSpread}})
    {
        const int step = mOwner != nullptr ? mOwner->random.Next() % 11 : 5;
        *value = *value + spread * 0.2f * static_cast<float>(step) - spread;
    }
    baseWobble = wobble;
    if (!(speed >= kLeastSpeed))
    {
        // Flights and landings last their distance over the speed: none at all would never end.
        Korrin::LogManager::GetInstance()->Write("Butterfly '%s': speed %f raised to %f", name.c_str(),
                                                 static_cast<double>(speed),
                                                 static_cast<double>(kLeastSpeed));
        speed = kLeastSpeed;
    }
    landingHeight = NumberOr(table, "LandingHeight", 20.0f);
    const std::size_t frameCount = sprite != nullptr ? sprite->GetFrameCount() : 0;
    if (frameCount == 0)
    {
        return;
    }
    ReadFrames(table, "FrameFly2", frameCount, flyFrames);
    ReadFrames(table, "FrameLanding2", frameCount, landingFrames);
    ReadFrames(table, "FrameSit2", frameCount, sitFrames);
    ReadFrames(table, "FrameOff2", frameCount, offFrames);
}

void Butterfly::LoadPath(const LuaValue& table)
{
    Korrin::LuaStackGuard guard(table.GetState());
    table.GetField("List2").ForEachElement(
        [this](int /*position*/, const LuaValue& entry)
        {
            ButterflyPoint point;
            if (!entry.GetFloat3(point.x, point.y, point.scale))
            {
                return;
            }
            for (const ButterflyPoint& kept : points.Elements())
            {
                if (kept.x == point.x && kept.y == point.y)
                {
                    return;
                }
            }
            points.push_back(point);
        });
}

bool Butterfly::PickTarget(bool restart)
{
    if (points.empty())
    {
        return false;
    }
    if (restart)
    {
        from = 0;
        to = 0;
    }
    const auto count = static_cast<std::uint16_t>(points.size());
    if (count == 1)
    {
        return true;
    }
    from = to;
    to = static_cast<std::uint16_t>(mOwner != nullptr ? mOwner->random.Next() % count : 0);
    if (to == from)
    {
        to = static_cast<std::uint16_t>((to + 1) % count);
    }
    if (restart)
    {
        x = points[from].x;
        y = points[from].y;
    }
    if (sprite != nullptr)
    {
        sprite->SetMirrorH(points[to].x < points[from].x);
        sprite->SetSrcRectF(sprite->GetSrcRect());
    }
    return true;
}

void Butterfly::NextState()
{
    const bool touched = mOwner != nullptr && mOwner->reaction && state == kResting && IsUnderCursor();
    if (time >= duration)
    {
        time = duration;
    }
    else if (!touched)
    {
        return;
    }
    switch (state)
    {
    case kFlying:
        state = kLanding;
        time = 0.0f;
        duration = landingHeight / (speed / 3.0f);
        break;
    case kLanding:
        state = kResting;
        time = 0.0f;
        duration = 6.0f + static_cast<float>(mOwner != nullptr ? mOwner->random.Next() % 8 : 0);
        break;
    case kResting:
        state = kTakingOff;
        PickTarget(false);
        time = 0.0f;
        duration = 0.0f;
        break;
    default:
        StartFlight();
        break;
    }
}

void Butterfly::StartFlight()
{
    state = kFlying;
    time = 0.0f;
    const ButterflyPoint& start = points[from];
    const ButterflyPoint& end = points[to];
    const float dx = end.x - start.x;
    const float dy = end.y - start.y - landingHeight;
    duration = std::sqrt(dx * dx + dy * dy) / speed;
    wobble = baseWobble;
    if (duration <= 0.0f)
    {
        // A flight of no length has no wobble periods to fit.
        return;
    }
    // A whole number of wobble periods, so that the flight ends on its line.
    const float cycles = baseWobble * duration / kTwoPi;
    const float fraction = cycles - std::trunc(cycles);
    wobble = fraction < 0.5f ? baseWobble - kTwoPi * fraction / duration
                             : baseWobble + kTwoPi * (1.0f - fraction) / duration;
}

void Butterfly::UpdatePosition()
{
    const ButterflyPoint& start = points[from];
    const ButterflyPoint& end = points[to];
    switch (state)
    {
    case kFlying:
    {
        Korrin::Vector2 line{end.x - start.x, end.y - start.y - landingHeight};
        line.Normalize();
        const float side = amplitude * std::sin(wobble * time);
        x = start.x + line.x * speed * time - line.y * side;
        y = start.y + line.y * speed * time + line.x * side;
        break;
    }
    case kLanding:
        x = end.x;
        y = end.y - landingHeight + speed / 3.0f * time;
        break;
    case kResting:
        x = end.x;
        y = end.y;
        break;
    default:
        x = start.x;
        y = start.y;
        break;
    }
}

const Korrin::SafeVector<std::uint16_t>& Butterfly::FramesOfState() const
{
    switch (state)
    {
    case kFlying:
        return flyFrames;
    case kLanding:
        return landingFrames;
    case kResting:
        return sitFrames;
    default:
        return offFrames;
    }
}

void Butterfly::UpdateFrame()
{
    const Korrin::SafeVector<std::uint16_t>& frames = FramesOfState();
    if (frames.empty())
    {
        return;
    }
    const float rate = kFrameRates[state < 4 ? state : 3];
    const auto tick = static_cast<std::uint32_t>(Korrin::CheckedInteger<std::int32_t>(time * rate)) & 0xFFu;
    frame = frames[tick % frames.size()];
}

void Butterfly::UpdateScale()
{
    const ButterflyPoint& start = points[from];
    const ButterflyPoint& end = points[to];
    if (start.x == end.x && start.y == end.y)
    {
        scale = baseScale * start.scale;
        return;
    }
    const float covered = (x - start.x) * (x - start.x) + (y - start.y) * (y - start.y);
    const float whole = (end.x - start.x) * (end.x - start.x) + (end.y - start.y) * (end.y - start.y);
    const float ratio = std::sqrt(covered / whole);
    scale = baseScale * (start.scale + ratio * (end.scale - start.scale));
}

bool Butterfly::Update(float dt)
{
    if (points.empty())
    {
        return false;
    }
    time += dt;
    NextState();
    UpdatePosition();
    UpdateFrame();
    UpdateScale();
    return true;
}

bool Butterfly::IsUnderCursor() const
{
    Korrin::Vector2 pointer;
    if (sprite == nullptr || !VirtualMousePosition(pointer))
    {
        return false;
    }
    const Korrin::Rect& source = sprite->GetSrcRect();
    const float halfWidth = (source.right - source.left) * 0.5f * scale;
    const float halfHeight = (source.bottom - source.top) * 0.5f * scale;
    return pointer.x > x - halfWidth && pointer.x < x + halfWidth && pointer.y > y - halfHeight &&
           pointer.y < y + halfHeight;
}

void Butterfly::Draw() const
{
    if (sprite == nullptr || sprite->GetFrameCount() == 0)
    {
        return;
    }
    const std::size_t last = sprite->GetFrameCount() - 1;
    sprite->SetSrcRectF(sprite->GetFrameRect(static_cast<std::uint16_t>(frame < last ? frame : last)));
    sprite->DrawEx(x, y, scale, scale, 0.0f, 0.0f, 0.0f);
}

bool Butterfly::HasPoint(float pointX, float pointY) const
{
    for (const ButterflyPoint& point : points.Elements())
    {
        if (point.x == pointX && point.y == pointY)
        {
            return true;
        }
    }
    return false;
}

void LoadButterfly(ButterflyList& list, const std::string& file, const std::string& butterflyTable,
                   const std::string& pathTable, float baseScale)
{
    auto* butterfly = new Butterfly(&list);
    list.butterflies.push_back(butterfly);
    {
        Korrin::LuaScript script;
        script.LoadFile(file, Korrin::LuaScript::IfMissing::Report);
        Korrin::LuaStackGuard guard(script.GetState());
        if (const LuaValue table = script.GetGlobal(butterflyTable.c_str()); table.IsTable())
        {
            butterfly->Load(table, butterflyTable);
        }
        if (const LuaValue path = script.GetGlobal(pathTable.c_str()); path.IsTable())
        {
            butterfly->LoadPath(path);
        }
    }
    butterfly->baseScale = baseScale;
    for (Butterfly* each : list.butterflies.Elements())
    {
        if (!each->PickTarget(true))
        {
            break;
        }
    }
}

void DrawButterflies(const ButterflyList& list)
{
    for (const Butterfly* butterfly : list.butterflies.Elements())
    {
        butterfly->Draw();
    }
}

void DeleteButterflies(ButterflyList& list)
{
    for (Butterfly* butterfly : list.butterflies.Elements())
    {
        delete butterfly;
    }
    list.butterflies.clear();
}
