#include "platform/MessageBox.h"

#include "platform/Message.h"

#include <SDL.h>
#include <cstdio>

namespace Platform
{

namespace
{

struct MessageBoxState
{
    MessageBox::Handler handler;
    bool interactive = false;
    int headlessAnswer = DialogButton::Cancel;
};

MessageBoxState& State()
{
    static MessageBoxState state;
    return state;
}

int ShowDialog(const std::string& text, const std::string& title)
{
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, DialogButton::Ok, "OK"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, DialogButton::Cancel, "Cancel"},
    };
    const SDL_MessageBoxData data = {
        SDL_MESSAGEBOX_ERROR, nullptr, title.c_str(), text.c_str(), 2, buttons, nullptr};
    int pressed = DialogButton::Cancel;
    if (SDL_ShowMessageBox(&data, &pressed) != 0 || pressed < 0)
    {
        return DialogButton::Cancel; // no dialog could be shown, or it was closed: end as Cancel would
    }
    return pressed;
}

} // namespace

int MessageBox::Show(const std::string& text, const std::string& title, std::uint32_t flags)
{
    MessageBoxState& state = State();
    if (state.handler)
    {
        return state.handler(text, title, flags);
    }
    // The report also goes to standard error, so a headless run shows why it stopped.
    std::fprintf(stderr, "%s\n%s\n", title.c_str(), text.c_str());
    if (!state.interactive)
    {
        return state.headlessAnswer;
    }
    return ShowDialog(text, title);
}

void MessageBox::SetHandler(Handler handler)
{
    State().handler = std::move(handler);
}

void MessageBox::SetInteractive(bool interactive)
{
    State().interactive = interactive;
}

void MessageBox::SetHeadlessAnswer(int button)
{
    State().headlessAnswer = button;
}

} // namespace Platform
