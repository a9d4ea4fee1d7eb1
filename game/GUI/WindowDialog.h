#pragma once

#include <cstdint>
#include <string>
#include <vector>

class GameWindowFrame;

// The dialog protocol that the modal windows share: a frame built from the window's layout and handed
// to the widget manager; shown, it slides in and takes clicks; a click on one of its controls (compared
// by exact name) plays "click_button" and starts the slide-out; the window carries out the choice once
// the slide-out has ended.
class WindowDialog
{
public:
    enum class Choice
    {
        None,
        Ok,
        Cancel,
        // One of the further controls; GetControl names it.
        Other,
    };

    // okName and cancelName may be empty; otherControls are further controls that close the window.
    WindowDialog(std::string container, std::string layout, std::string okName, std::string cancelName,
                 std::vector<std::string> otherControls = {});

    // Builds the frame (without a widget manager there is none, and the window shows nothing).
    void Init();
    void SetActive(bool active);
    // One frame; true in the frame in which the slide-out has ended (the choice is then known). A
    // window that keeps itself shown after the slide-out gets true in every later frame as well, until
    // it is made inactive.
    bool Update(float dt);
    void Draw();
    // Starts the slide-out with a choice, as a click on a control does.
    void Choose(Choice choice);
    // Starts the slide-out with one of the further controls.
    void ChooseControl(const std::string& name);
    // Stays drawn (at the end of its slide-out: invisible) after the slide-out, until made inactive.
    void KeepShownAfterSlideOut() { mKeepShown = true; }

    Choice GetChoice() const { return mChoice; }
    // The control that closed the window, empty when none did.
    const std::string& GetControl() const { return mControl; }
    // The element clicked in this frame's Update while the window took clicks, empty when none.
    const std::string& GetClicked() const { return mClicked; }
    // Whether the name is one of the window's own controls.
    bool IsControl(const std::string& name) const;
    bool IsShown() const { return mShown; }
    GameWindowFrame* GetFrame() const { return mFrame; }
    const std::string& GetOkName() const { return mOkName; }

    // The sound of every control of the windows, when the sound list has it.
    static void PlayClick();
    // Shows a window of the game's window manager (16 none), when there is one.
    static void ShowWindow(std::uint8_t id);
    // A window over a running level holds the in-level panel while it is open, and gives it back when
    // it closes; away from the level (no panel, or another screen) nothing happens.
    static void LockPanel();
    static void UnlockPanel();

private:
    std::string mContainer;
    std::string mLayout;
    std::string mOkName;
    std::string mCancelName;
    std::vector<std::string> mOtherControls;
    GameWindowFrame* mFrame = nullptr; // the widget manager's
    Choice mChoice = Choice::None;
    std::string mControl;
    std::string mClicked;
    bool mShown = false;
    bool mKeepShown = false;
};
