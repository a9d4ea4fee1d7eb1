#include "game/ClipScene6.h"

#include "engine/Render/AnimatedMesh.h"
#include "engine/Script/LocaleManager.h"
#include "game/Game/GameInfo.h"

namespace
{

constexpr int kMillPhase = 3;
constexpr float kMillPhaseStart = 28.0f;

ClipText::Timeline Scene()
{
    ClipText::Timeline timeline;
    timeline.textKeys = {"scene_6", "scene_6_1", "scene_6_2", "scene_6_3", "scene_6_4", "scene_6_5"};
    timeline.animations = {"scene_6.anim", "scene_6.1.anim", "scene_6.2.anim", "scene_6.3.anim"};
    timeline.phases = {{0.0f, 12.0f}, {12.0f, 22.0f}, {22.0f, 28.0f}, {28.0f, 42.0f}};
    timeline.texts = {{2.0f, 4.0f, 0},   {8.0f, 9.0f, 1},   {12.0f, 13.0f, 2},
                      {17.0f, 18.0f, 3}, {22.0f, 24.0f, 4}, {28.0f, 31.0f, 5}};
    timeline.textFades = {{7.0f, 8.0f},   {11.0f, 12.0f}, {16.0f, 17.0f},
                          {21.0f, 22.0f}, {27.0f, 28.0f}, {41.0f, -1.0f}};
    timeline.cover = {41.0f, -1.0f};
    timeline.end = 43.0f;
    return timeline;
}

} // namespace

ClipScene6::ClipScene6() : ClipText(Scene())
{
    mGroups[0] = Group{14, 0, ClipFade{0.0f, {{5.2f, 1.0f}}, 1.0f}};
    mGroups[1] = Group{16, 1, ClipFade{0.0f, {{4.6f, 1.0f}, {8.0f, 0.0f}}, 1.0f}};
    mGroups[2] = Group{11, 2, ClipFade{0.0f, {{6.5f, 1.0f}, {9.2f, 0.0f}}, 1.0f}};
}

void ClipScene6::Init()
{
    ClipText::Init();
    mColours[0].assign(2, Korrin::Colour{1.0f, 0.95f, 0.8f, 0.0f});
    mColours[1].assign(3, Korrin::Colour{1.0f, 1.0f, 1.0f, 0.0f});
    mColours[2].assign(3, Korrin::Colour{1.0f, 1.0f, 1.0f, 0.0f});
    Apply();
}

void ClipScene6::Step(float dt, int phase)
{
    if (phase == 0)
    {
        bool moved = false;
        for (Group& group : mGroups)
        {
            moved = group.fade.Step(mTime, dt) || moved;
        }
        if (moved)
        {
            Apply();
        }
    }
    if (phase == kMillPhase)
    {
        if (Korrin::AnimatedMesh* sails = Part(kMillPhase, kMillSails))
        {
            TurnPart(*sails, kSailTurn * (mTime - kMillPhaseStart));
        }
    }
}

void ClipScene6::Apply()
{
    for (const Group& group : mGroups)
    {
        std::vector<Korrin::Colour>& colours = mColours[group.list];
        for (std::size_t index = 0; index < colours.size(); ++index)
        {
            colours[index].alpha = group.fade.value;
            if (Korrin::AnimatedMesh* part = Part(0, group.firstPart + static_cast<int>(index)))
            {
                part->SetColourV(colours[index]);
            }
        }
    }
}

std::u16string_view ClipScene6::CaptionText() const
{
    if (mTextIndex != kNamedCaption)
    {
        return ClipText::CaptionText();
    }
    const Korrin::LocaleManager* locale = Korrin::LocaleManager::Peek();
    const GameInfo* info = GameInfo::Peek();
    // Built into a kept string, so a caption drawn every frame reuses its storage.
    mNamedCaption.clear();
    if (locale != nullptr)
    {
        mNamedCaption += locale->getStringByNameAsUtf16("scene_6_5");
    }
    if (info != nullptr)
    {
        mNamedCaption += info->playerName;
    }
    if (locale != nullptr)
    {
        mNamedCaption += locale->getStringByNameAsUtf16("scene_6_6");
    }
    return mNamedCaption;
}
