#pragma once

#include "game/ClipFade.h"
#include "game/ClipText.h"

// The clip before level 22: the estate grows; a mill and then a bakery rise beside the house.
class ClipScene4 : public ClipText
{
public:
    // Parts of "scene_4.1.anim" that fade in.
    static constexpr int kMill = 9;
    static constexpr int kBakery = 10;

    ClipScene4();

    void Init() override;
    float GetMillFade() const { return mMill.value; }
    float GetBakeryFade() const { return mBakery.value; }

protected:
    void Step(float dt, int phase) override;

private:
    void Apply();

    ClipFade mMill;
    ClipFade mBakery;
};
