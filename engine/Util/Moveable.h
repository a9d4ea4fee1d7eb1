#pragma once

#include "engine/Util/SafeVector.h"
#include "engine/Util/Vector2.h"

#include <cstddef>
#include <string>

class LuaValue;

namespace Korrin
{

// A path of points travelled at a constant speed. Each point carries its distance from the start
// along the path (its key), so a travelled distance maps to a place by interpolating between the two
// points around it.
class Moveable
{
public:
    struct KeyFrame
    {
        float x = 0.0f;
        float y = 0.0f;
        float key = 0.0f;
    };

    // Data files are untrusted: a longer path is cut here, with a log line.
    static constexpr std::size_t kMaxPoints = 65536;

    Moveable();
    // A copy has the same points, velocity and loop flag, and starts at the beginning.
    Moveable(const Moveable& other);
    Moveable& operator=(const Moveable& other);
    virtual ~Moveable();

    // Reads the path from a global table of a script file; a missing or non-table global leaves it.
    void Load(const std::string& tableName, const std::string& scriptFile);
    // Reads the path from a table: "Velocity", "Loop", then "List2" (points) or else "List3" (legs).
    void Read(const LuaValue& table);

    // Appends a point; its key is the previous key plus the straight distance to it (0 for the first).
    void AddPoint(const Vector2& point);
    void Clear();
    // Recomputes every key after the first from the points' places.
    void RecalcDistances();

    // Travels velocity x dt and writes the place reached; false (position untouched) when there are no
    // points, or when a path that does not loop has reached its end.
    bool Update(float dt, Vector2& position);

    Vector2 GetValue(std::size_t index) const;
    float GetKey(std::size_t index) const;
    std::size_t GetCount() const { return mPoints.size(); }

    const std::string& GetName() const { return mName; }
    void SetName(const std::string& name) { mName = name; }
    float GetTravelled() const { return mTravelled; }
    void SetTravelled(float travelled) { mTravelled = travelled; }
    float GetVelocity() const { return mVelocity; }
    void SetVelocity(float velocity) { mVelocity = velocity; }
    bool GetLoop() const { return mLoop; }
    void SetLoop(bool loop) { mLoop = loop; }

private:
    void CopyPathOf(const Moveable& other);
    bool HasRoom() const;
    void ReadPoints(const LuaValue& list);
    void ReadLegs(const LuaValue& list);

    SafeVector<KeyFrame> mPoints{"Moveable"};
    std::string mName;
    float mTravelled = 0.0f;
    float mVelocity = 0.0f;
    bool mLoop = false;
};

} // namespace Korrin
