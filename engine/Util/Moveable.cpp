#include "engine/Util/Moveable.h"

#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"

#include <cmath>

namespace Korrin
{

namespace
{
constexpr const char* kSource = "Source\\Util\\Moveable";

float Distance(float x1, float y1, float x2, float y2)
{
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}
} // namespace

Moveable::Moveable() = default;

Moveable::Moveable(const Moveable& other)
{
    CopyPathOf(other);
}

Moveable& Moveable::operator=(const Moveable& other)
{
    if (this != &other)
    {
        mPoints.clear();
        mTravelled = 0.0f;
        CopyPathOf(other);
    }
    return *this;
}

Moveable::~Moveable() = default;

void Moveable::CopyPathOf(const Moveable& other)
{
    for (std::size_t i = 0; i < other.GetCount(); ++i)
    {
        const Vector2 point = other.GetValue(i);
        mPoints.push_back({point.x, point.y, other.GetKey(i)});
    }
    mVelocity = other.mVelocity;
    mLoop = other.mLoop;
}

void Moveable::Load(const std::string& tableName, const std::string& scriptFile)
{
    LuaScript script;
    script.LoadFile(scriptFile, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());
    const LuaValue table = script.GetGlobal(tableName.c_str());
    if (table.IsTable())
    {
        Read(table);
    }
}

void Moveable::Read(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    if (const LuaValue velocity = table.GetField("Velocity"); velocity.IsNumber())
    {
        mVelocity = velocity.ToFloat();
    }
    if (const LuaValue loop = table.GetField("Loop"); loop.IsNumber())
    {
        mLoop = loop.ToFloat() == 1.0f;
    }
    if (const LuaValue points = table.GetField("List2"); points.IsTable())
    {
        ReadPoints(points);
    }
    else if (const LuaValue legs = table.GetField("List3"); legs.IsTable())
    {
        ReadLegs(legs);
    }
}

bool Moveable::HasRoom() const
{
    if (mPoints.size() < kMaxPoints)
    {
        return true;
    }
    if (LogManager* log = LogManager::Peek())
    {
        log->Write("Moveable: the path \"%s\" has more than %zu points; the rest are left out", mName.c_str(),
                   kMaxPoints);
    }
    return false;
}

void Moveable::ReadPoints(const LuaValue& list)
{
    Clear();
    bool full = false;
    list.ForEachEntry(
        [&](const LuaValue& /*key*/, const LuaValue& entry)
        {
            Vector2 point;
            if (full || !entry.IsTable() || !entry.GetFloat2(point.x, point.y))
            {
                return;
            }
            full = !HasRoom();
            if (!full)
            {
                AddPoint(point);
            }
        });
}

void Moveable::ReadLegs(const LuaValue& list)
{
    Clear();
    bool full = false;
    list.ForEachEntry(
        [&](const LuaValue& /*key*/, const LuaValue& entry)
        {
            float x = 0.0f;
            float y = 0.0f;
            float leg = 0.0f;
            if (full || !entry.IsTable() || !entry.GetFloat3(x, y, leg))
            {
                return;
            }
            full = !HasRoom();
            if (!full)
            {
                // The third number is the length of the leg that ends at the point.
                const float previous = mPoints.empty() ? 0.0f : mPoints.Elements().back().key;
                mPoints.push_back({x, y, previous + leg});
            }
        });
}

void Moveable::AddPoint(const Vector2& point)
{
    float key = 0.0f;
    if (!mPoints.empty())
    {
        const KeyFrame& last = mPoints.Elements().back();
        key = last.key + Distance(last.x, last.y, point.x, point.y);
    }
    mPoints.push_back({point.x, point.y, key});
}

void Moveable::Clear()
{
    mPoints.clear();
}

void Moveable::RecalcDistances()
{
    std::vector<KeyFrame>& points = mPoints.Elements();
    for (std::size_t i = 1; i < points.size(); ++i)
    {
        points[i].key =
            points[i - 1].key + Distance(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }
}

bool Moveable::Update(float dt, Vector2& position)
{
    const std::vector<KeyFrame>& points = mPoints.Elements();
    if (points.empty())
    {
        return false;
    }
    mTravelled += mVelocity * dt;

    std::size_t segment = 0;
    for (std::size_t i = 0; i < points.size(); ++i)
    {
        if (points[i].key <= mTravelled)
        {
            segment = i;
        }
    }
    const std::size_t last = points.size() - 1;
    if (points[last].key <= mTravelled)
    {
        if (!mLoop)
        {
            mTravelled = points[last].key;
            return false;
        }
        // The overshoot is dropped: this frame ends on the last point, the next starts from the first.
        mTravelled = 0.0f;
    }
    const std::size_t next = segment == last ? segment : segment + 1;
    float length = points[next].key - points[segment].key;
    if (length == 0.0f)
    {
        length = 1.0f;
    }
    const float t = (mTravelled - points[segment].key) / length;
    position.x = points[segment].x + (points[next].x - points[segment].x) * t;
    position.y = points[segment].y + (points[next].y - points[segment].y) * t;
    return true;
}

Vector2 Moveable::GetValue(std::size_t index) const
{
    if (index >= mPoints.size())
    {
        ReportAndBreak("index>size (Moveable::GetValue)", kEngineModule, kSource, 202);
        return {};
    }
    const KeyFrame& point = mPoints.Elements()[index];
    return {point.x, point.y};
}

float Moveable::GetKey(std::size_t index) const
{
    if (index >= mPoints.size())
    {
        ReportAndBreak("index>size (Moveable::GetKey)", kEngineModule, kSource, 216);
        return 0.0f;
    }
    return mPoints.Elements()[index].key;
}

} // namespace Korrin
