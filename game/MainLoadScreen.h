#pragma once

namespace Korrin
{
class Sprite;
} // namespace Korrin

// The progress bar shown while the game builds itself at start-up. Each step animates the bar from
// the last value to the new one over a fifth of a second, drawing and presenting its own frames.
class MainLoadScreen
{
public:
    static constexpr const char* kScript = "main_load.lua";
    // The bar grows from this far inside its place.
    static constexpr float kBarInset = 10.0f;

    MainLoadScreen() = default;
    ~MainLoadScreen();
    MainLoadScreen(const MainLoadScreen&) = delete;
    MainLoadScreen& operator=(const MainLoadScreen&) = delete;

    void Load();
    // Progress 0 only resets; other values animate to it.
    void ShowProgress(float progress);
    // Gives the three sprites back to the sprite manager.
    void Release();

    float GetShown() const { return mShown; }
    int GetPassesOfLastStep() const { return mPasses; }
    Korrin::Sprite* GetBar() const { return mBar; }

private:
    void PlaceBar(float shown);
    void DrawSprites();

    Korrin::Sprite* mBackground = nullptr;
    Korrin::Sprite* mBar = nullptr;
    Korrin::Sprite* mFrame = nullptr;
    bool mBarMeasured = false;
    float mBarLeft = 0.0f;
    float mBarTop = 0.0f;
    float mBarRight = 0.0f;
    float mBarBottom = 0.0f;
    float mBarX = 0.0f;
    float mBarY = 0.0f;
    float mPrevious = 0.0f;
    float mCurrent = 0.0f;
    float mShown = 0.0f;
    int mPasses = 0;
};
