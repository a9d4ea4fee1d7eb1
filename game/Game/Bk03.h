#pragma once

#include "game/Game/LevelBackdrop.h"

namespace Korrin
{
class Sprite;
} // namespace Korrin

// The river backdrop: a river and a pond, and a water wheel.
class Bk03 : public LevelBackdrop
{
public:
    Bk03();
    ~Bk03() override;

protected:
    void LoadWater() override;
    void LoadExtras() override;
    void UpdateExtras(float dt) override;
    void DrawBeforeBirds() override;

private:
    Korrin::Sprite* mWheel = nullptr;
    float mWheelAngle = 0.0f;
};
