#include "game/ClipScene2.h"

namespace
{

ClipText::Timeline Scene()
{
    ClipText::Timeline timeline;
    timeline.textKeys = {"scene_2", "scene_2_1", "scene_2_1_1"};
    timeline.animations = {"scene_2.anim", "scene_2.1.anim"};
    timeline.phases = {{0.0f, 12.0f}, {12.0f, 25.0f}};
    timeline.texts = {{3.0f, 8.0f, 0}, {12.0f, 18.0f, 1}, {19.0f, 24.0f, 2}};
    timeline.textFades = {{11.0f, 12.0f}, {18.0f, 19.0f}, {24.0f, -1.0f}};
    timeline.cover = {24.0f, -1.0f};
    timeline.end = 26.0f;
    return timeline;
}

} // namespace

ClipScene2::ClipScene2() : ClipText(Scene()) {}
