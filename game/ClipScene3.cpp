#include "game/ClipScene3.h"

#include "engine/Render/AnimatedMesh.h"

namespace
{

ClipText::Timeline Scene()
{
    ClipText::Timeline timeline;
    timeline.textKeys = {"scene_3", "scene_3_1"};
    timeline.animations = {"scene_3.anim"};
    timeline.phases = {{0.0f, 33.0f}};
    timeline.texts = {{1.0f, 8.0f, 0}, {9.0f, 11.0f, 1}};
    timeline.textFades = {{8.0f, 9.0f}, {24.0f, -1.0f}};
    timeline.cover = {23.0f, 28.0f};
    timeline.end = 26.0f;
    return timeline;
}

} // namespace

ClipScene3::ClipScene3() : ClipText(Scene())
{
    mDay.value = 1.0f;
    mDay.cues = {{6.0f, 0.0f}};
    mNight.value = 0.0f;
    mNight.cues = {{8.5f, 1.0f}};
}

void ClipScene3::Init()
{
    ClipText::Init();
    Apply();
}

void ClipScene3::Step(float dt, int /*phase*/)
{
    // Both fades step every frame; either one moving redraws the parts.
    const bool first = mDay.Step(mTime, dt);
    const bool second = mNight.Step(mTime, dt);
    if (first || second)
    {
        Apply();
    }
}

void ClipScene3::Apply()
{
    if (Korrin::AnimatedMesh* sky = Part(0, kDaySky))
    {
        sky->SetColour(1.0f, 1.0f, 1.0f, mDay.value);
    }
    for (const int part : {kMoon, kLamps})
    {
        if (Korrin::AnimatedMesh* mesh = Part(0, part))
        {
            mesh->SetColour(1.0f, 1.0f, 1.0f, mNight.value);
        }
    }
}
