#include "engine/Render/Animation.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"

#include <array>
#include <cmath>

namespace Korrin
{

namespace
{

void LogLine(const std::string& text)
{
    if (LogManager* log = LogManager::Peek())
    {
        log->Write("%s", text.c_str());
    }
}

// A pose: nine numbers, a missing (or not finite) one counting as 0.
Animation::BoneKey ReadPose(const LuaValue& pose)
{
    std::array<float, 9> values{};
    pose.ForEachElement(
        [&](int position, const LuaValue& value)
        {
            if (position <= 9 && value.IsNumber() && std::isfinite(value.ToFloat()))
            {
                values[static_cast<std::size_t>(position - 1)] = value.ToFloat();
            }
        });
    Animation::BoneKey key;
    key.x = values[0];
    key.y = values[1];
    key.frame = values[2];
    key.angle = values[3];
    key.scaleX = values[4];
    key.scaleY = values[5];
    key.depth = values[6];
    key.mirrorHorizontal = values[7] > 0.0f;
    key.mirrorVertical = values[8] > 0.0f;
    return key;
}

} // namespace

Animation::Animation() = default;

Animation::~Animation()
{
    Clear();
}

void Animation::Clear()
{
    mFrames.clear();
}

void Animation::Load(const Skeleton& skeleton, const std::string& file, const std::string& animation)
{
    LuaScript script;
    script.LoadFile(file, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());

    bool cut = false;
    script.GetGlobal("TimeList")
        .ForEachEntry(
            [&](const LuaValue& /*key*/, const LuaValue& value)
            {
                if (!value.IsNumber())
                {
                    return;
                }
                if (mFrames.size() >= kMaxFrames)
                {
                    cut = true;
                    return;
                }
                auto frame = std::make_unique<_KeyFrame>();
                frame->duration = std::isfinite(value.ToFloat()) ? value.ToFloat() : 0.0f;
                mFrames.Elements().push_back(std::move(frame));
            });
    if (cut)
    {
        LogLine("Animation " + animation + " (" + file + "): more than " + std::to_string(kMaxFrames) +
                " frames; the rest are left out");
    }

    for (std::size_t b = 0; b < skeleton.GetBoneCount(); ++b)
    {
        const Bone* bone = skeleton.GetBone(static_cast<std::uint16_t>(b));
        LuaStackGuard boneGuard(script.GetState());
        const LuaValue poses = script.GetGlobal(bone->GetName().c_str());
        if (!poses.IsTable())
        {
            if (LogManager* log = LogManager::Peek())
            {
                log->Write("Error load Frame: %s", bone->GetName().c_str());
            }
            continue;
        }
        std::size_t frame = 0;
        poses.ForEachEntry(
            [&](const LuaValue& /*key*/, const LuaValue& pose)
            {
                if (!pose.IsTable() || frame >= mFrames.size())
                {
                    return;
                }
                mFrames.Elements()[frame]->boneKeys.push_back(std::make_unique<BoneKey>(ReadPose(pose)));
                ++frame;
            });
    }
}

const Animation::_KeyFrame& Animation::GetFrame(std::size_t index) const
{
    static const _KeyFrame kNone;
    const std::unique_ptr<_KeyFrame>& frame = mFrames[index];
    return frame ? *frame : kNone;
}

} // namespace Korrin
