#pragma once

#include "engine/Gui/GuiContainer.h"
#include "engine/Util/Vector2.h"

#include <cstdint>
#include <string>

namespace Korrin
{
class Sprite;
} // namespace Korrin

// The root container of every modal window, built from the window's layout: it slides in from the
// upper left while it fades in, slides out to the upper right while it fades out twice as fast, and
// dims the whole screen behind itself as much as it is faded in.
class GameWindowFrame : public Korrin::GuiContainer
{
public:
    enum State : std::uint32_t
    {
        kOpening = 0, // opening, or open once at its place
        kHeld = 1,
        kClosing = 2,
    };

    static constexpr float kSpeed = 600.0f; // virtual pixels per second
    static constexpr float kFactor = 2.5f;  // progress per second while opening; twice that closing
    static constexpr float kDimming = 0.4f;

    GameWindowFrame(const std::string& name, const std::string& layoutFile);
    ~GameWindowFrame() override;

    // Builds the frame and hands it to the widget manager, which owns it from then on; null when there
    // is no widget manager.
    static GameWindowFrame* Create(const std::string& name, const std::string& layoutFile);

    // Starts the slide-in from the start place (sound "show_window").
    void Show();
    // Starts the slide-out (sound "hide_window").
    void Hide();
    // One frame of the slide and the fade; the window calls it from its update.
    void UpdateAnimation(float dt);
    void Draw() override;

    State GetState() const { return mState; }
    void SetState(State state) { mState = state; }
    float GetProgress() const { return mProgress; }
    // The slide-out has ended: the window is invisible and takes no input.
    bool HasClosed() const { return mState == kClosing && mProgress <= 0.0f; }
    const Korrin::Vector2& GetStart() const { return mStart; }
    const Korrin::Vector2& GetTarget() const { return mTarget; }
    const Korrin::Vector2& GetEnd() const { return mEnd; }
    // The frame's place, before its anchoring.
    Korrin::Vector2 GetPlace() const;

private:
    // Moves p towards the goal at the frame's speed; a zero-length difference leaves it where it is.
    static void MoveTowards(Korrin::Vector2& p, const Korrin::Vector2& goal, float step);

    Korrin::Vector2 mStart;
    Korrin::Vector2 mTarget;
    Korrin::Vector2 mEnd;
    State mState = kOpening;
    float mProgress = 0.0f;
    float mSpeed = kSpeed;
    float mFactor = kFactor;
    Korrin::Sprite* mDimmer = nullptr; // the sprite manager's
};
