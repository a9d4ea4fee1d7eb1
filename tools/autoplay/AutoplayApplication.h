#pragma once

#include "game/GameApplication.h"

// The game as the automatic player runs it: the same application, drawing every frame or, for
// speed, skipping the frames of a level in play and of a story clip while no window stands over
// them. Windows and the other screens are always drawn: some wait for their closed look to have been
// drawn once before they go on.
class AutoplayApplication : public GameApplication
{
public:
    explicit AutoplayApplication(bool drawAll) : mDrawAll(drawAll) {}

    void Render() override
    {
        if (mDrawAll || !MayGoUndrawn())
        {
            GameApplication::Render();
        }
    }

    // The game screen or a clip, with no modal window over it.
    static bool MayGoUndrawn();

private:
    bool mDrawAll = true;
};
