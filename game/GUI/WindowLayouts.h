#pragma once

#include <cstdint>

class GameWindowFrame;

// The two layouts of a window that has two frames of the same purpose (the player dialogs), of which one
// shows at a time: the window chooses it when it opens; once it has slid out, the next window shows.
class WindowLayouts
{
public:
    // Both frames start disabled, the first chosen.
    void Adopt(GameWindowFrame* first, GameWindowFrame* second);
    void Choose(GameWindowFrame* frame) { mCurrent = frame; }
    // Enables and slides in the chosen layout when active, else disables it.
    void Open(bool active);
    // Moves the layout on. True when the window has nothing more to do this frame: no layout, or the
    // layout has closed (the first frame after, it is disabled and the window `next` is asked for).
    bool UpdateUntilClosed(float dt, std::uint8_t next);
    void Draw() const;

    GameWindowFrame* Current() const { return mCurrent; }
    bool IsShown() const { return mShown; }

private:
    GameWindowFrame* mCurrent = nullptr;
    bool mShown = false;
};
