#pragma once

#include "game/ClipFade.h"
#include "game/ClipText.h"

// The clip before level 10: a day of the estate turns to night; the sky darkens, the moon rises and
// the windows light up.
class ClipScene3 : public ClipText
{
public:
    // Parts of "scene_3.anim": the day sky fades out over the night sky, the moon and lamps fade in.
    static constexpr int kDaySky = 1;
    static constexpr int kMoon = 4;
    static constexpr int kLamps = 5;

    ClipScene3();

    void Init() override;
    float GetDayFade() const { return mDay.value; }
    float GetNightFade() const { return mNight.value; }

protected:
    void Step(float dt, int phase) override;

private:
    void Apply();

    ClipFade mDay;
    ClipFade mNight;
};
