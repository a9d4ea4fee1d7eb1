// The fairy's flights along cubic curves, and its record.
#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/Log/LogManager.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Pers/PersFairy.h"
#include "game/Pers/WorkerErrand.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{

constexpr float kPi = std::numbers::pi_v<float>;
// Rounding of the arc cosine must not move a flight of exactly 45 degrees out of the steep bend.
constexpr float kAngleTolerance = 1e-5f;

void Log(const char* line)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", line);
    }
}

Korrin::Vector2 Normalized(Korrin::Vector2 v)
{
    v.Normalize();
    return v;
}

float Distance(const Korrin::Vector2& a, const Korrin::Vector2& b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

bool Finite(const Korrin::Vector2& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y);
}

} // namespace

Korrin::Vector2 PersFairy::Bezier(const std::vector<Korrin::Vector2>& points, float t)
{
    if (points.size() != kControlPoints)
    {
        return {};
    }
    const float u = 1.0f - t;
    const float a = u * u * u;
    const float b = 3.0f * u * u * t;
    const float c = 3.0f * u * t * t;
    const float d = t * t * t;
    return {a * points[0].x + b * points[1].x + c * points[2].x + d * points[3].x,
            a * points[0].y + b * points[1].y + c * points[2].y + d * points[3].y};
}

Korrin::Vector2 PersFairy::BendOffset(const Korrin::Vector2& start, const Korrin::Vector2& end,
                                      std::uint8_t mode)
{
    Korrin::Vector2 reference;
    if (mode == 0 || mode == 2)
    {
        reference = {end.x - start.x, end.y - start.y};
    }
    else if (mode == 1)
    {
        reference = {start.x - end.x, start.y - end.y};
    }
    reference.Normalize();
    const float angle = std::acos(std::clamp(reference.x, -1.0f, 1.0f)) + (reference.y < 0.0f ? kPi : 0.0f);
    const bool steep = angle >= kPi / 4.0f - kAngleTolerance && angle <= 3.0f * kPi / 4.0f + kAngleTolerance;
    const float bend = steep ? kSteepBend : kBend;

    const Korrin::Vector2 n = Normalized({end.x - start.x, end.y - start.y});
    if (n.x == 0.0f && n.y == 0.0f)
    {
        Log("! Error vector c=0 && s=0");
        return {};
    }
    if (n.y == 0.0f)
    {
        Log("$s==0");
        return {0.0f, -bend};
    }
    if (n.x == 0.0f)
    {
        Log("$c==0");
        return {};
    }
    return n.x > 0.0f ? Korrin::Vector2{bend * n.y, -bend * n.x} : Korrin::Vector2{-bend * n.y, bend * n.x};
}

bool PersFairy::GoTo(const WalkTarget& target, std::uint8_t mode)
{
    const bool sameTarget = mTargetCell == IJ{target.I, target.J} && mWalkTarget == target.entity;
    // Sent again to the storehouse she hovers at (an order placed just after she delivered there), she
    // flies the little way down to it and arrives: answered at once, her errand would never begin and
    // she would hover busy for good.
    const bool hoveringAtTheStorehouse = sameTarget && mFlying == 0 && target.entity != nullptr &&
                                         target.entity->GetType() == Entity::kStorehouse && mode != 2;
    if (sameTarget && !hoveringAtTheStorehouse)
    {
        return mode != 2;
    }
    mTargetCell = {target.I, target.J};
    mWalkTarget = target.entity;
    const Korrin::Vector2 start = mPosition;
    const Korrin::Vector2 end = CellPoint(target.I, target.J);
    const Korrin::Vector2 bend = BendOffset(start, end, mode);
    mControlPoints.assign(
        {start, {start.x + bend.x, start.y + bend.y}, {end.x + bend.x, end.y + bend.y}, end});
    const float length =
        (Distance(mControlPoints[0], mControlPoints[1]) + Distance(mControlPoints[1], mControlPoints[2]) +
         Distance(mControlPoints[2], mControlPoints[3])) /
            2.0f +
        Distance(mControlPoints[2], mControlPoints[3]) / 2.0f;
    // A flight without length has no rate: it ends at the next update, like any flight past its end.
    mFlightRate = length > 0.0f ? mWalkSpeed / length : 0.0f;
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("mFlySpeed %f", static_cast<double>(mFlightRate));
    }
    mFlightParameter = 0.0f;
    mFlying = 1;
    return true;
}

void PersFairy::UpdateFlight(float dt)
{
    mFlightParameter += mFlightRate * dt;
    const bool ended = mFlightParameter > 1.0f || !(mFlightRate > 0.0f);
    if (ended)
    {
        mFlightParameter = 1.0f;
        mFlying = 0;
        Arrive();
        if (EntityBuilding* building = WorkerErrand::Building(mHomeEntity))
        {
            building->SetWorkerStepTimer(kPlanNow);
        }
    }
    const Korrin::Vector2 point = Bezier(mControlPoints, mFlightParameter);
    mPosition = point;
    if (!(point == mFlightPosition))
    {
        SetDirection(point.x >= mFlightPosition.x ? kRight : kLeft);
    }
    mFlightPosition = point;
    if (ended)
    {
        mFlightParameter = 0.0f;
    }
}

void PersFairy::Save(Korrin::BinaryWriter& out)
{
    if (mFigure == nullptr)
    {
        return;
    }
    Pers::Save(out);
    out.WriteF32(mFlightParameter);
    out.WriteF32(mFlightRate);
    out.WriteU8(mFlying);
    out.WriteF32(mFlightPosition.x);
    out.WriteF32(mFlightPosition.y);
    out.WriteU32(mErrand);
    out.WriteU8(mDoubleLoad);
    out.WriteU8(mIdlePlaying);
    out.WriteF32(mNagTimer);
    out.WriteU32(static_cast<std::uint32_t>(mControlPoints.size()));
    for (const Korrin::Vector2& point : mControlPoints)
    {
        out.WriteF32(point.x);
        out.WriteF32(point.y);
    }
}

void PersFairy::Load(Korrin::BinaryReader& in)
{
    if (mFigure == nullptr)
    {
        return;
    }
    Pers::Load(in);
    const float parameter = in.ReadF32();
    const float rate = in.ReadF32();
    const std::uint8_t flying = in.ReadU8();
    const Korrin::Vector2 flightPosition{in.ReadF32(), in.ReadF32()};
    const std::uint32_t errand = in.ReadU32();
    const std::uint8_t doubleLoad = in.ReadU8();
    const std::uint8_t idlePlaying = in.ReadU8();
    const float nagTimer = in.ReadF32();
    const std::uint32_t count = in.ReadU32();
    // While it hovers the parameter is the hover's phase.
    const float parameterEnd = flying != 0 ? 1.0f : 2.0f * kPi;
    if (!in.Ok() || !(parameter >= 0.0f && parameter <= parameterEnd) || !std::isfinite(rate) || flying > 1 ||
        !Finite(flightPosition) || errand > kLeaveBuilding || doubleLoad > 1 || idlePlaying > 1 ||
        !(nagTimer >= 0.0f && nagTimer <= kNagInterval) || count != kControlPoints)
    {
        in.Fail();
        return;
    }
    std::vector<Korrin::Vector2> points;
    for (std::uint32_t k = 0; k < count; ++k)
    {
        points.push_back({in.ReadF32(), in.ReadF32()});
        if (!Finite(points.back()))
        {
            in.Fail();
        }
    }
    if (!in.Ok())
    {
        in.Fail();
        return;
    }
    mFlightParameter = parameter;
    mFlightRate = rate;
    mFlying = flying;
    mFlightPosition = flightPosition;
    mErrand = errand;
    mDoubleLoad = doubleLoad;
    mIdlePlaying = idlePlaying;
    mNagTimer = nagTimer;
    mControlPoints.clear();
    mControlPoints.insert(mControlPoints.end(), points.begin(), points.end());
}
