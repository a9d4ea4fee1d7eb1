#pragma once

#include <algorithm>
#include <vector>

// A value (a picture part's alpha) that cues move towards 0 or 1 at a fixed rate: from the time of
// the latest cue passed, the value heads for that cue's target.
struct ClipFade
{
    struct Cue
    {
        float from = 0.0f;
        float target = 1.0f;
    };

    float value = 0.0f;
    std::vector<Cue> cues;
    float rate = 1.0f; // per second

    // One frame at the scene's time; true while a cue has been passed (the value is then driven).
    bool Step(float time, float dt)
    {
        const Cue* latest = nullptr;
        for (const Cue& cue : cues)
        {
            if (time > cue.from)
            {
                latest = &cue;
            }
        }
        if (latest == nullptr)
        {
            return false;
        }
        value = latest->target > value ? std::min(value + rate * dt, latest->target)
                                       : std::max(value - rate * dt, latest->target);
        return true;
    }
};
