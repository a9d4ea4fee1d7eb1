#pragma once

#include "engine/Util/Singleton.h"

namespace Korrin
{

class Sprite;

// The cursor picture and the flags that decide whether the system's arrow shows over the client
// area (the window procedure applies them on the set-cursor message). It does not own the sprite.
class CursorManager : public Singleton<CursorManager>
{
public:
    CursorManager();
    ~CursorManager();

    static CursorManager* GetInstance();
    // True once a cursor manager has been made in this process; nothing clears it.
    static bool WasCreated();
    static void MarkCreated();

    // Hands the cursor picture to the graphics device; nothing without a sprite with a texture.
    void SetDeviceCursor();

    bool IsSystemCursorHidden() const { return mSystemCursorHidden; }
    void SetSystemCursorHidden(bool hidden) { mSystemCursorHidden = hidden; }
    bool GetShowSystemCursor() const { return mShowSystemCursor; }
    void SetShowSystemCursor(bool show) { mShowSystemCursor = show; }
    bool IsEnabled() const { return mEnable; }
    void SetEnabled(bool enable) { mEnable = enable; }
    // The arrow shows over the client area only while both flags are set.
    bool WantsSystemArrow() const { return mShowSystemCursor && mEnable; }

    float GetHotSpotX() const { return mHotSpotX; }
    float GetHotSpotY() const { return mHotSpotY; }
    void SetHotSpot(float x, float y)
    {
        mHotSpotX = x;
        mHotSpotY = y;
    }
    Sprite* GetCursorSprite() const { return mCursorSprite; }
    void SetCursorSprite(Sprite* sprite) { mCursorSprite = sprite; }

private:
    bool mSystemCursorHidden = false;
    bool mShowSystemCursor = true;
    bool mEnable = true;
    float mHotSpotX = 0.0f;
    float mHotSpotY = 0.0f;
    Sprite* mCursorSprite = nullptr;
};

} // namespace Korrin
