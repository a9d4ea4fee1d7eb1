#include "game/ClipScene4.h"

#include "engine/Render/AnimatedMesh.h"

namespace
{

constexpr std::size_t kGrowing = 1; // the second animation

ClipText::Timeline Scene()
{
    ClipText::Timeline timeline;
    timeline.textKeys = {"scene_4", "scene_4_1", "scene_4_2", "scene_4_3", "scene_4_4"};
    timeline.animations = {"scene_4.anim", "scene_4.1.anim"};
    timeline.phases = {{0.0f, 9.0f}, {9.0f, 37.0f}};
    timeline.texts = {
        {2.0f, 4.0f, 0}, {9.0f, 15.0f, 1}, {16.0f, 18.0f, 2}, {26.0f, 27.0f, 3}, {31.0f, 32.0f, 4}};
    timeline.textFades = {{8.0f, 9.0f}, {15.0f, 16.0f}, {25.0f, 26.0f}, {30.0f, 31.0f}, {33.0f, -1.0f}};
    timeline.cover = {33.0f, 34.0f};
    timeline.end = 35.0f;
    return timeline;
}

} // namespace

ClipScene4::ClipScene4() : ClipText(Scene())
{
    mMill.cues = {{18.0f, 1.0f}};
    mBakery.cues = {{22.0f, 1.0f}};
}

void ClipScene4::Init()
{
    ClipText::Init();
    Apply();
}

void ClipScene4::Step(float dt, int /*phase*/)
{
    // Both fades step every frame; either one moving redraws the parts.
    const bool first = mMill.Step(mTime, dt);
    const bool second = mBakery.Step(mTime, dt);
    if (first || second)
    {
        Apply();
    }
}

void ClipScene4::Apply()
{
    if (Korrin::AnimatedMesh* mill = Part(kGrowing, kMill))
    {
        mill->SetColour(1.0f, 1.0f, 1.0f, mMill.value);
    }
    if (Korrin::AnimatedMesh* bakery = Part(kGrowing, kBakery))
    {
        bakery->SetColour(1.0f, 1.0f, 1.0f, mBakery.value);
    }
}
