#pragma once

#include "engine/App/Application.h"

#include <memory>

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

    // Ends drawing into the frame and puts it on the screen; also called from inside long loads.
    void PresentFrame(bool noCursor);

    Main* GetMain() const { return mMain.get(); }
    Korrin::Texture* GetRenderTexture() const { return mRenderTexture; }
    bool IsStarted() const { return mStarted; }

private:
    // Adds "media" and the folders that "config.cfg" lists in its table "FileSysLocal".
    void MountDataFolders();
    // The texture every frame is drawn into, the sprite that shows it and the letterbox bars.
    void CreateFrameSprites();
    void DrawBorders(float borderX, float borderY, float scaleX, float scaleY);
    // The cursor picture, the player's pretty cursor, where the pointer is on the presented frame.
    void SetUpCursor();
    void DrawCursor(Korrin::RenderSystem& render, float borderX, float borderY, float scaleX, float scaleY);
    void CreateScreens();
    void StartFirstFrame();
    void StartMenuMusic();
    void PauseWhenInactive();
    bool UpdateScreens(float dt);

    std::unique_ptr<Main> mMain;
    bool mStarted = false;
    Korrin::Texture* mRenderTexture = nullptr; // the texture manager's
    Korrin::Sprite* mFrameSprite = nullptr;    // the sprite manager's, as are the two below
    Korrin::Sprite* mTopBorder = nullptr;
    Korrin::Sprite* mLeftBorder = nullptr;
};
