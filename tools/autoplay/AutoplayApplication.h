#pragma once

#include "game/GameApplication.h"

// The game as the automatic player runs it: the same application, drawing every frame or, for
// speed, skipping the frames of a level in play with no window over it. Windows and screens are
// always drawn: some wait for their closed look to have been drawn once before they go on.
class AutoplayApplication : public GameApplication
{
public:
    explicit AutoplayApplication(bool drawLevels) : mDrawLevels(drawLevels) {}

    void Render() override
    {
        if (mDrawLevels || !IsLevelInPlay())
        {
            GameApplication::Render();
        }
    }

    // The game screen with no modal window over it.
    static bool IsLevelInPlay();

private:
    bool mDrawLevels = true;
};
