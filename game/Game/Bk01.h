#pragma once

#include "game/Game/LevelBackdrop.h"

#include <array>

namespace Korrin
{
class Mesh;
} // namespace Korrin

// The mill backdrop: a river whose course is set here to match the picture, and three turning sails.
class Bk01 : public LevelBackdrop
{
public:
    Bk01();
    ~Bk01() override;

    const std::array<Korrin::Mesh*, 3>& GetSails() const { return mSails; }

protected:
    void LoadWater() override;
    void LoadExtras() override;
    void UpdateExtras(float dt) override;
    void DrawAfterBirds() override;

private:
    std::array<Korrin::Mesh*, 3> mSails{};
};
