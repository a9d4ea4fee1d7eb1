#pragma once

namespace Korrin
{
class Texture;
} // namespace Korrin

// The frames a loading screen runs from inside a long load: each pass pumps the window messages (a
// close is held until the load is over), measures the time since the step began and opens the scene
// on the game's render texture; Present shows the pass. Without a running game (tests) the passes
// only measure time.
class LoadingFrame
{
public:
    // A step animates over this many seconds.
    static constexpr float kStepSeconds = 0.2f;
    // However slow or stopped the clock, a step ends after this many passes.
    static constexpr int kMostPasses = 600;

    // Restarts the frame timer and begins the device's frame.
    LoadingFrame();

    // Starts one pass; IsLastPass tells whether the step ends with it.
    void BeginPass();
    void Present();

    float GetDt() const { return mDt; }
    // The time since the step began, held at the step's length once reached.
    float GetElapsed() const { return mElapsed; }
    bool IsLastPass() const { return mLastPass; }
    int GetPasses() const { return mPasses; }

private:
    float mDt = 0.0f;
    float mElapsed = 0.0f;
    bool mLastPass = false;
    int mPasses = 0;
};
