#pragma once

#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/WindowLayouts.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <string>

namespace Korrin
{
class GuiEdit;
class GuiElement;
class GuiText;
} // namespace Korrin

// The window of typing a new player's name (window 9), on its first-run layout while no player exists.
// Enter or OK creates the player (the profile gives the number); a name already listed is refused with
// the text "WrongUserText" in place of the hint until the name is changed.
class TypeNameGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 9;
    static constexpr std::uint8_t kEnterKey = 13;

    TypeNameGui();

    void Init() override;
    void Reset() override { Update(0.0f); }
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    GameWindowFrame* GetCurrentFrame() const { return mLayouts.Current(); }
    bool IsFirstRun() const { return mLayouts.Current() != nullptr && mLayouts.Current() == mFirstRunFrame; }
    bool IsShown() const { return mLayouts.IsShown(); }
    // The element of the layout in use, by its normal name (the first-run layout adds "_FIRST").
    template <typename T>
    T* Find(const std::string& name) const
    {
        GameWindowFrame* current = mLayouts.Current();
        return current != nullptr ? dynamic_cast<T*>(current->GetByName(name + Suffix())) : nullptr;
    }
    // The choice of OK: creates the player unless the name is empty, blanks only or taken.
    void Confirm();
    // The choice of Cancel: back to the player selection.
    void Cancel();

private:
    // The elements a frame reads, in one layout.
    struct Controls
    {
        Korrin::GuiEdit* edit = nullptr;
        Korrin::GuiText* hint = nullptr;
        const Korrin::GuiElement* ok = nullptr;
        const Korrin::GuiElement* cancel = nullptr;
    };
    static Controls ControlsOf(const GameWindowFrame* frame, const std::string& suffix);
    const char* Suffix() const { return IsFirstRun() ? "_FIRST" : ""; }
    void ReadWrongUserText();
    void Hide();

    WindowLayouts mLayouts;
    GameWindowFrame* mFrame = nullptr;         // the widget manager's
    GameWindowFrame* mFirstRunFrame = nullptr; // the widget manager's
    Controls mControls;
    Controls mFirstRunControls;
    bool mBack = false;
    std::u16string mRejectedName;
    std::string mHintCaption;
    std::string mWrongUserText;
};
