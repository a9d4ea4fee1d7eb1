#pragma once

#include <string>

class GameWindowFrame;

// The dialog protocol that the modal windows share: a frame built from the window's layout and handed
// to the widget manager; shown, it slides in and takes clicks; a click on its OK or Cancel control
// (compared by exact name) plays "click_button" and starts the slide-out; the window carries out the
// choice once the slide-out has ended.
class WindowDialog
{
public:
    enum class Choice
    {
        None,
        Ok,
        Cancel,
    };

    WindowDialog(std::string container, std::string layout, std::string okName, std::string cancelName);

    // Builds the frame (without a widget manager there is none, and the window shows nothing).
    void Init();
    void SetActive(bool active);
    // One frame; true once, in the frame in which the slide-out has ended (the choice is then known).
    bool Update(float dt);
    void Draw();
    // Starts the slide-out with a choice, as a click on a control does.
    void Choose(Choice choice);

    Choice GetChoice() const { return mChoice; }
    bool IsShown() const { return mShown; }
    GameWindowFrame* GetFrame() const { return mFrame; }
    const std::string& GetOkName() const { return mOkName; }

    // The sound of every control of the windows, when the sound list has it.
    static void PlayClick();

private:
    std::string mContainer;
    std::string mLayout;
    std::string mOkName;
    std::string mCancelName;
    GameWindowFrame* mFrame = nullptr; // the widget manager's
    Choice mChoice = Choice::None;
    bool mShown = false;
};
