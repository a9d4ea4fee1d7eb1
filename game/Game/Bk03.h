#pragma once

#include "game/Game/LevelBackdrop.h"
#include "game/Util/AnimatedObjectList.h"

namespace Korrin
{
class Mesh;
} // namespace Korrin

// The river backdrop: a river and a pond, and a water wheel.
class Bk03 : public LevelBackdrop
{
public:
    Bk03();
    ~Bk03() override;

    Korrin::Mesh* GetWheel() const { return mWheel; }

protected:
    void LoadWater() override;
    void LoadExtras() override;
    void UpdateExtras(float dt) override;
    void DrawBeforeBirds() override;
    void DrawAfterBirds() override;

private:
    Korrin::Mesh* mWheel = nullptr;
    AnimatedObjectList mAnimals;
};
