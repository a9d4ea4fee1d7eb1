#include "game/ClipScene1.h"

#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedMesh.h"
#include "game/Util/AniMeshContainer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

constexpr std::size_t kStreet = 0; // scene_1.anim: the car arrives
constexpr std::size_t kMeeting = 1;
constexpr std::size_t kWalkUp = 2;
constexpr int kLamps = 5;
constexpr int kRearWheel = 7;
constexpr int kFrontWheel = 8;
constexpr int kLastPart = 17;
constexpr float kWheelTurn = 4.0f;
constexpr float kCompanionSpeed = 30.0f;
constexpr float kDustFrom = 2.5f;
constexpr float kLayeredUntil = 11.0f;

ClipText::Timeline SceneOne()
{
    ClipText::Timeline timeline;
    timeline.textKeys = {"scene_1", "scene_1_1", "scene_1_2", "scene_1_2_1"};
    timeline.animations = {"scene_1.anim", "scene_1.1.anim", "scene_1.2.anim"};
    timeline.phases = {{0.0f, 17.0f}, {17.0f, 30.0f}, {30.0f, 45.0f}};
    timeline.texts = {{8.0f, 16.0f, 0}, {17.0f, 29.0f, 1}, {30.0f, 33.0f, 2}, {38.0f, 40.0f, 3}};
    timeline.textFades = {{16.0f, 17.0f}, {29.0f, 30.0f}, {37.0f, 38.0f}, {43.0f, -1.0f}};
    timeline.cover = {37.0f, 38.0f};
    timeline.end = ClipScene1::kLastSecond;
    return timeline;
}

// Whether the car's smoke runs: it drives, stalls, and drives on until it stops at the gate.
bool CarRuns(float time)
{
    return time < 3.0f || (time > 5.0f && time <= 9.0f);
}

Korrin::ParticleSystem* RunningCopy(const char* file, const char* table)
{
    Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
    return particles != nullptr ? particles->CreateParticleSystem(file, table) : nullptr;
}

void DeleteRunning(Korrin::ParticleSystem*& system)
{
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
        particles != nullptr && system != nullptr)
    {
        particles->DeleteParticleSystem(system);
    }
    system = nullptr;
}

void DrawSystem(Korrin::ParticleSystem* system)
{
    if (system != nullptr)
    {
        system->Draw(Korrin::Vector2{});
    }
}

} // namespace

ClipScene1::ClipScene1() : ClipText(SceneOne()) {}

ClipScene1::~ClipScene1() = default;

void ClipScene1::Init()
{
    ClipText::Init();
    mCompanion = std::make_unique<AniMeshContainer>();
    mCompanion->Load("scene_1.1.quib.anim", true);
    if (AniMeshContainer::Entity* legs = mCompanion->GetEntity(1); legs != nullptr && legs->mesh != nullptr)
    {
        legs->mesh->SetLoop(true);
    }
    mSmoke = RunningCopy("smoke.particle", "smoke");
    mCompanionSmoke = RunningCopy("quib_smoke.particle", "quib_smoke");
    mDust = RunningCopy("dust.particle", "dust");
    if (Korrin::AnimatedMesh* lamps = Part(kStreet, kLamps))
    {
        lamps->SetColour(1.0f, 1.0f, 1.0f, mLampsAlpha);
    }
}

void ClipScene1::Release()
{
    mCompanion.reset();
    DeleteRunning(mSmoke);
    DeleteRunning(mCompanionSmoke);
    DeleteRunning(mDust);
    ClipText::Release();
}

void ClipScene1::Step(float dt, int phase)
{
    if (mCompanionSmoke != nullptr)
    {
        mCompanionSmoke->Update(dt);
    }
    if (mDust != nullptr && mTime >= kDustFrom)
    {
        mDust->Update(dt);
    }
    if (phase == static_cast<int>(kStreet))
    {
        StepFirstPhase(dt);
    }
    if (mTime >= 4.0f && mLampsAlpha < 1.0f)
    {
        mLampsAlpha = std::min(mLampsAlpha + dt, 1.0f);
        if (Korrin::AnimatedMesh* lamps = Part(kStreet, kLamps))
        {
            lamps->SetColour(1.0f, 1.0f, 1.0f, mLampsAlpha);
        }
    }
    if (phase == static_cast<int>(kMeeting))
    {
        StepCompanion(dt);
    }
}

void ClipScene1::StepFirstPhase(float dt)
{
    const bool runs = CarRuns(mTime);
    if (runs)
    {
        mTurnAngle += dt;
    }
    for (const int wheel : {kRearWheel, kFrontWheel})
    {
        if (Korrin::AnimatedMesh* mesh = Part(kStreet, wheel))
        {
            TurnPart(*mesh, kWheelTurn * mTurnAngle);
        }
    }
    if (mSmoke == nullptr)
    {
        return;
    }
    mSmoke->SetLoop(runs);
    float x = 0.0f;
    float y = 0.0f;
    Korrin::AnimatedMesh* rear = Part(kStreet, kRearWheel);
    if (rear != nullptr && PartMiddle(*rear, x, y))
    {
        const Korrin::Vector2 exhaust{x - 120.0f, y - 20.0f};
        mSmoke->SetPosition(exhaust);
        const Korrin::Vector2 offsets[] = {{40.0f, 30.0f}, {440.0f, 30.0f}};
        for (std::size_t index = 0; index < 2 && index + 1 < mSmoke->GetEmitterCount(); ++index)
        {
            mSmoke->GetBaseParticleSystem(index + 1)->SetPosition(
                Korrin::Vector2{exhaust.x + offsets[index].x, exhaust.y + offsets[index].y});
        }
    }
    mSmoke->Update(dt);
}

void ClipScene1::StepCompanion(float dt)
{
    if (mCompanionOffset <= kCompanionStop)
    {
        return;
    }
    mCompanionOffset = std::max(mCompanionOffset - kCompanionSpeed * dt, kCompanionStop);
    if (mCompanion != nullptr)
    {
        mCompanion->Update(dt);
    }
}

bool ClipScene1::IsOver(bool running) const
{
    // The last animation reports its end; the time limit ends the scene too, as an animation without
    // keys would never report one.
    return (CurrentPhase() == static_cast<int>(kWalkUp) && !running) || mTime > kLastSecond;
}

void ClipScene1::DrawParts(int first, int last, int skipFrom, int skipTo) const
{
    constexpr std::uint16_t kWholeGrid = std::numeric_limits<std::uint16_t>::max();
    for (int part = first; part <= last; ++part)
    {
        if (part >= skipFrom && part <= skipTo)
        {
            continue;
        }
        if (Korrin::AnimatedMesh* mesh = Part(kStreet, part))
        {
            mesh->DrawCells(0, 0, kWholeGrid, kWholeGrid);
        }
    }
}

void ClipScene1::Draw()
{
    // The smoke and the dust lie between the layers of the street: in front of the car, behind the
    // gate and the hedge.
    const bool layered = CurrentPhase() == static_cast<int>(kStreet) && mTime < kLayeredUntil;
    DrawParts(0, kLastPart, 1, 0);
    DrawSystem(mCompanionSmoke);
    if (layered)
    {
        DrawParts(3, kLastPart, kLamps, kLamps);
    }
    if (CurrentPhase() == static_cast<int>(kStreet))
    {
        DrawSystem(mSmoke);
    }
    DrawSystem(mDust);
    if (layered)
    {
        DrawParts(3, kLastPart, kLamps, 10);
    }
    if (IsShown(kMeeting) && Animation(kMeeting) != nullptr)
    {
        Animation(kMeeting)->Draw(0, 0, 0, false);
    }
    if (IsShown(kMeeting) && mCompanion != nullptr)
    {
        mCompanion->Draw(0, static_cast<int>(mCompanionOffset), static_cast<int>(kCompanionY), false);
    }
    if (IsShown(kWalkUp) && Animation(kWalkUp) != nullptr)
    {
        Animation(kWalkUp)->Draw(0, 0, 0, false);
    }
    DrawCover();
    DrawCaption();
}
