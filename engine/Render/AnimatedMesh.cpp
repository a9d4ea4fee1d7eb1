#include "engine/Render/AnimatedMesh.h"

#include "engine/Log/LogManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"

namespace Korrin
{

namespace
{

// No frame of a sane mesh has more elements than its grid's vertices can use.
constexpr int kMostElements = 2 * static_cast<int>(Mesh::kMostVertices) + 1;

} // namespace

AnimatedMesh::AnimatedMesh(const std::string& table, const std::string& file) : Mesh(table, file)
{
    LuaScript script;
    script.LoadFile(file, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());
    if (const LuaValue global = script.GetGlobal(table.c_str()); global.IsTable())
    {
        LoadAnimation(global);
    }
}

AnimatedMesh::~AnimatedMesh() = default;

void AnimatedMesh::LoadAnimation(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    mFrames.clear();
    mTime = 0.0f;
    const LuaValue animation = table.GetField("Animation");
    if (!animation.IsTable())
    {
        return;
    }
    const LuaValue list = animation.GetField("FramesList");
    const std::size_t vertexCount = GetVertexCount();
    list.ForEachEntry(
        [this, vertexCount](const LuaValue& /*key*/, const LuaValue& entry)
        {
            if (!entry.IsTable())
            {
                return;
            }
            Frame frame;
            bool pending = false;
            float pendingX = 0.0f;
            bool pendingNumber = false;
            entry.ForEachElement(
                [&](int position, const LuaValue& element)
                {
                    if (position == 1)
                    {
                        // A frame without a number for its time starts at 0.
                        frame.time = element.IsNumber() ? element.ToFloat() : 0.0f;
                        return;
                    }
                    if (position > kMostElements)
                    {
                        return;
                    }
                    if (!pending)
                    {
                        pending = true;
                        pendingNumber = element.IsNumber();
                        pendingX = element.ToFloat();
                        return;
                    }
                    pending = false;
                    if (pendingNumber && element.IsNumber())
                    {
                        frame.positions.push_back(Vector2{pendingX, element.ToFloat()});
                    }
                });
            if (frame.positions.size() != vertexCount)
            {
                LogManager::GetInstance()->Write("ERROR cr=%i,s=%f", static_cast<int>(vertexCount),
                                                 static_cast<double>(frame.positions.size()));
            }
            mFrames.push_back(std::move(frame));
        });
}

std::size_t AnimatedMesh::FrameAt(float time) const
{
    std::size_t found = 0;
    for (std::size_t i = 0; i < mFrames.size(); ++i)
    {
        if (mFrames[i].time <= time)
        {
            found = i;
        }
    }
    return found;
}

bool AnimatedMesh::UpdateAnimation(float dt)
{
    if (mFrames.empty())
    {
        return true;
    }
    mTime += dt;
    std::size_t current = FrameAt(mTime);
    std::size_t next = current + 1 < mFrames.size() ? current + 1 : current;
    if (next == current && mLoop)
    {
        // Starts again once; when the start is already the end (a last frame at time 0 or before), the
        // mesh rests there instead of looping for ever.
        mTime = 0.0f;
        current = FrameAt(mTime);
        next = current + 1 < mFrames.size() ? current + 1 : current;
    }
    const Frame& from = mFrames[current];
    const Frame& to = mFrames[next];
    if (to.positions.size() != mGrid.size() || from.positions.size() != mGrid.size())
    {
        return true;
    }
    float span = to.time - from.time;
    if (span == 0.0f)
    {
        span = 1.0f;
    }
    const float fraction = (mTime - from.time) / span;
    for (std::size_t i = 0; i < mGrid.size(); ++i)
    {
        mGrid[i].x = from.positions[i].x + (to.positions[i].x - from.positions[i].x) * fraction;
        mGrid[i].y = from.positions[i].y + (to.positions[i].y - from.positions[i].y) * fraction;
    }
    return next != current;
}

} // namespace Korrin
