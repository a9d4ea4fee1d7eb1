#pragma once

#include "engine/App/Application.h"

#include <memory>

class LogoScreen;
class Main;

namespace Korrin
{
class RenderSystem;
class Sprite;
class Texture;
} // namespace Korrin

// The game's application: the hooks the engine's loop calls.
class GameApplication : public Korrin::Application
{
public:
    static constexpr const char* kCaption = "Wrenfold";
    // A window that keeps asking for the screen update to run again must not hold the frame forever.
    static constexpr int kMaxScreenUpdatesPerFrame = 32;
    // The drawn cursor's size in screen pixels, and the corner of "cursor.png" that it shows.
    static constexpr int kCursorSize = 64;
    static constexpr int kCursorPictureSize = 62;

    GameApplication();
    ~GameApplication() override;

    void PreInit() override;
    bool Init() override;
    void Shutdown() override;
    void Render() override;
    bool Update() override;
    std::intptr_t WndProc(Platform::WindowHandle window, std::uint32_t message, std::uintptr_t first,
                          std::intptr_t second) override;
    void FrameShown() override;

    // Ends drawing into the frame and puts it on the screen; also called from inside long loads.
    void PresentFrame(bool noCursor);
    // The game's application while it runs; null in tests that run no application.
    static GameApplication* GetCurrentGame();

    // For the loading screens, which run frames of their own inside a long load: dispatches the
    // window's waiting messages, but holds a close, a destroy or the quit until the load is over, so
    // that nothing is shut down under the load (released at the end of the frame's update).
    void PumpWindowMessages();
    bool HasHeldMessages() const { return mCloseHeld || mDestroyHeld || mQuitHeld; }

    Main* GetMain() const { return mMain.get(); }
    LogoScreen* GetLogo() const { return mLogo.get(); }
    // What a frame is drawn into: the frame's texture, or none (the back buffer itself) while the back
    // buffer has the frame's size, where the texture would only be copied over it one to one.
    Korrin::Texture* GetFrameTarget() const;
    bool IsStarted() const { return mStarted; }

private:
    // Adds "media" and the folders that "config.cfg" lists in its table "FileSysLocal".
    void MountDataFolders();
    // The texture every frame is drawn into, the sprite that shows it and the letterbox bars.
    void CreateFrameSprites();
    bool DrawsStraightIntoBackBuffer() const;
    void DrawBorders(float borderX, float borderY, float scaleX, float scaleY);
    // The cursor picture, the player's pretty cursor, where the pointer is on the presented frame.
    void SetUpCursor();
    void DrawCursor(Korrin::RenderSystem& render, float borderX, float borderY, float scaleX, float scaleY);
    void CreateScreens();
    void StartFirstFrame();
    void StartMenuMusic();
    void PauseWhenInactive();
    bool UpdateScreens(float dt);
    bool UpdateFrame();
    void ReleaseHeldMessages();

    std::unique_ptr<Main> mMain;
    std::unique_ptr<LogoScreen> mLogo;
    bool mStarted = false;
    bool mMenuShown = false;
    Korrin::Texture* mRenderTexture = nullptr; // the texture manager's
    Korrin::Sprite* mFrameSprite = nullptr;    // the sprite manager's, as are the two below
    Korrin::Sprite* mTopBorder = nullptr;
    Korrin::Sprite* mLeftBorder = nullptr;
    bool mCloseHeld = false;
    bool mDestroyHeld = false;
    bool mQuitHeld = false;
    int mQuitCode = 0;
};
