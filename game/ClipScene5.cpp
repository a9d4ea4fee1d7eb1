#include "game/ClipScene5.h"

namespace
{

ClipText::Timeline Scene()
{
    ClipText::Timeline timeline;
    timeline.textKeys = {"scene_5", "scene_5_1", "scene_5_2"};
    timeline.animations = {"scene_5.anim"};
    timeline.phases = {{0.0f, 33.0f}};
    timeline.texts = {{4.0f, 7.0f, 0}, {11.0f, 12.0f, 1}, {17.0f, 18.0f, 2}};
    timeline.textFades = {{10.0f, 11.0f}, {16.0f, 17.0f}, {27.0f, -1.0f}};
    timeline.cover = {26.0f, 27.0f};
    timeline.end = 29.0f;
    return timeline;
}

} // namespace

ClipScene5::ClipScene5() : ClipText(Scene()) {}
