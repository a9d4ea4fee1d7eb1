#pragma once

#include "game/Game/LoadProgress.h"
#include "game/Util/AniMeshContainer.h"

#include <array>
#include <memory>
#include <vector>

namespace Korrin
{
class Sprite;
} // namespace Korrin

// The screen shown while a level loads: a small scene whose fence and ground grow with the progress,
// with one of three sets of characters (each set is shown once before any repeats); at the end the
// scene's animated parts play.
class LevelLoadScreen : public LoadProgress
{
public:
    static constexpr const char* kScript = "level_load.lua";
    static constexpr int kSceneCount = 6;
    static constexpr int kCharacterSets = 3;
    // The scenes play to their end after the last step, but a looping part would never end: they get
    // at most this long.
    static constexpr float kMostSceneSeconds = 5.0f;
    static constexpr float kSceneSpeed = 1.5f;

    LevelLoadScreen();
    ~LevelLoadScreen() override;
    LevelLoadScreen(const LevelLoadScreen&) = delete;
    LevelLoadScreen& operator=(const LevelLoadScreen&) = delete;

    // Progress 0 starts a load (chooses the characters); other values animate to it.
    void Draw(float progress) override;
    void Release();

    int GetCharacterSet() const { return mSet; }
    int GetPassesOfLastStep() const { return mPasses; }
    float GetShown() const { return mShown; }
    AniMeshContainer* GetScene(int index) { return mScenes[static_cast<std::size_t>(index)].get(); }
    // Which character sets were shown since they were last all cleared (process-wide).
    static std::vector<bool>& ShownSets();

private:
    enum Part
    {
        kBackground,
        kBackgroundFence,
        kFence,
        kGround,
        kFairy,
        kGardener,
        kGirl,
        kBoy,
        kPartCount
    };

    void ChooseCharacterSet();
    // Draws one pass; true while a scene part still plays.
    bool DrawPass(float shown, float dt);
    void DrawSprite(Part part);
    void DrawGrowing(Part part, float shown);
    void MoveSetZeroCharacters();

    std::array<Korrin::Sprite*, kPartCount> mSprites{};
    std::array<std::unique_ptr<AniMeshContainer>, kSceneCount> mScenes;
    float mPrevious = 0.0f;
    float mCurrent = 0.0f;
    float mShown = 0.0f;
    int mSet = 0;
    int mPasses = 0;
    bool mSetZeroPlaced = false;
};
