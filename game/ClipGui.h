#pragma once

#include "engine/Util/Singleton.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <memory>

class ClipText;

namespace Korrin
{
class GuiContainer;
} // namespace Korrin

// The story cut-scene screen (screen 3): plays the clip it is given, with a skip button, and at the
// clip's end (or a skip) hands over to a level with its goals window, or back to the main menu. Which
// clip plays when is its callers' rule.
class ClipGui : public Blank, public Korrin::Singleton<ClipGui>
{
public:
    static constexpr const char* kLayoutFile = "clip_gui.lua";
    static constexpr const char* kLayoutTable = "clip_gui";
    static constexpr const char* kSkipButton = "CLIP_SKIP_BUTTON";
    static constexpr std::int32_t kNoLevel = -1;

    ClipGui();
    ~ClipGui() override;

    // Builds the skip button's container, disabled.
    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    // Ends a scene still held and starts the scene of that clip (1 to 6; any other plays nothing). The
    // caller switches to screen 3 itself, afterwards.
    void StartClip(std::int32_t clip);
    // Ends the scene and hands over: clip 1 to level 1, a level to start to that level (each with the
    // goals window), anything else to the main menu.
    void EndClip();

    std::int32_t GetClip() const { return mClip; }
    const ClipText* GetScene() const { return mScene.get(); }
    ClipText* GetScene() { return mScene.get(); }
    Korrin::GuiContainer* GetSkipContainer() const { return mSkipContainer; }

    // The level (from 1) that the clip's end starts; the world map sets it before a level's clip.
    std::int32_t levelToStart = kNoLevel;

private:
    void ShowSkipButton(bool shown);
    void HideSkipButton();
    void HandOver();
    static void ShowMainMenu();
    static void ShowGoalsWindow();
    static void PlayMenuMusic();

    std::int32_t mClip = 0;
    std::unique_ptr<ClipText> mScene;
    Korrin::GuiContainer* mSkipContainer = nullptr; // the widget manager's
};
