#pragma once

#include <cstdint>

// The base of every game object, screen and modal window. Each subclass starts active.
class Blank
{
public:
    virtual ~Blank() = default;

    // Loads resources.
    virtual void Init() = 0;
    // Back to the start state.
    virtual void Reset() = 0;
    // One frame of dt seconds; false stops the container's update pass.
    virtual bool Update(float dt) = 0;
    virtual void Draw() = 0;
    virtual void SetActive(bool active) { mActive = active; }

    bool IsActive() const { return mActive; }
    std::uint16_t GetDrawCount() const { return mDrawCount; }
    void ClearDrawCount() { mDrawCount = 0; }
    void CountDraw() { ++mDrawCount; }

protected:
    Blank() = default;

    std::uint16_t mDrawCount = 0;
    bool mActive = true;
};
