#pragma once

#include "game/ClipText.h"

#include <memory>

class AniMeshContainer;

namespace Korrin
{
class ParticleSystem;
} // namespace Korrin

// The opening clip: the new owner's motor car drives up to the estate, puffing smoke, the lamps of the
// house light up, the companion walks in to meet the owner, and the two go up to the house.
class ClipScene1 : public ClipText
{
public:
    static constexpr float kLastSecond = 45.0f;
    static constexpr float kCompanionStop = -290.0f;
    static constexpr float kCompanionY = 87.0f;

    ClipScene1();
    ~ClipScene1() override;

    void Init() override;
    void Release() override;
    void Draw() override;

    float GetCompanionOffset() const { return mCompanionOffset; }
    float GetTurnAngle() const { return mTurnAngle; }
    Korrin::ParticleSystem* GetSmoke() const { return mSmoke; }

protected:
    void Step(float dt, int phase) override;
    bool IsOver(bool running) const override;

private:
    void StepFirstPhase(float dt);
    void StepCompanion(float dt);
    void DrawParts(int first, int last, int skipFrom, int skipTo) const;

    // The particle manager's running copies.
    Korrin::ParticleSystem* mSmoke = nullptr;
    Korrin::ParticleSystem* mCompanionSmoke = nullptr;
    Korrin::ParticleSystem* mDust = nullptr;
    std::unique_ptr<AniMeshContainer> mCompanion;
    float mCompanionOffset = 0.0f;
    float mTurnAngle = 0.0f;
    float mLampsAlpha = 0.0f;
};
