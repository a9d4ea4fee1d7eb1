#pragma once

#include "engine/App/InputManager.h"
#include "platform/WindowSystem.h"

#include <memory>

namespace TestSupport
{

// The input manager over a window of the test's platform services, with the left button pressed anew
// (up in one frame, down in the next) wherever the test puts the mouse.
class LeftButton
{
public:
    explicit LeftButton(Platform::WindowSystem& windows) : mWindows(windows)
    {
        const Platform::WindowHandle window =
            windows.CreateAppWindow("level", 0, {0, 0, 1024, 768},
                                    [](Platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t)
                                    { return std::intptr_t{0}; });
        windows.ShowWindow(window, Platform::ShowCommand::Normal);
        mInput = std::make_unique<Korrin::InputManager>(window);
    }

    void MoveTo(int x, int y) { mWindows.Mouse().MoveTo({x, y}); }
    void Press()
    {
        mWindows.Mouse().SetButton(0, false);
        mInput->Update();
        mWindows.Mouse().SetButton(0, true);
        mInput->Update();
    }
    // The button stays down: no new press in this frame.
    void Hold() { mInput->Update(); }

private:
    Platform::WindowSystem& mWindows;
    std::unique_ptr<Korrin::InputManager> mInput;
};

} // namespace TestSupport
