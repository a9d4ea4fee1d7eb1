#include "platform/SdlKeyMap.h"

#include "platform/VirtualKey.h"

#include <SDL.h>

namespace Platform
{

namespace
{

struct KeyPair
{
    SDL_Scancode scancode;
    std::uint8_t virtualKey;
};

constexpr KeyPair kNamedKeys[] = {
    {SDL_SCANCODE_BACKSPACE, VirtualKey::Back},
    {SDL_SCANCODE_TAB, VirtualKey::Tab},
    {SDL_SCANCODE_RETURN, VirtualKey::Return},
    {SDL_SCANCODE_KP_ENTER, VirtualKey::Return},
    {SDL_SCANCODE_PAUSE, VirtualKey::Pause},
    {SDL_SCANCODE_CAPSLOCK, VirtualKey::Capital},
    {SDL_SCANCODE_ESCAPE, VirtualKey::Escape},
    {SDL_SCANCODE_SPACE, VirtualKey::Space},
    {SDL_SCANCODE_PAGEUP, VirtualKey::Prior},
    {SDL_SCANCODE_PAGEDOWN, VirtualKey::Next},
    {SDL_SCANCODE_END, VirtualKey::End},
    {SDL_SCANCODE_HOME, VirtualKey::Home},
    {SDL_SCANCODE_LEFT, VirtualKey::Left},
    {SDL_SCANCODE_UP, VirtualKey::Up},
    {SDL_SCANCODE_RIGHT, VirtualKey::Right},
    {SDL_SCANCODE_DOWN, VirtualKey::Down},
    {SDL_SCANCODE_INSERT, VirtualKey::Insert},
    {SDL_SCANCODE_DELETE, VirtualKey::Delete},
    {SDL_SCANCODE_NUMLOCKCLEAR, VirtualKey::NumLock},
    {SDL_SCANCODE_SCROLLLOCK, VirtualKey::Scroll},
    {SDL_SCANCODE_LSHIFT, VirtualKey::LeftShift},
    {SDL_SCANCODE_RSHIFT, VirtualKey::RightShift},
    {SDL_SCANCODE_LCTRL, VirtualKey::LeftControl},
    {SDL_SCANCODE_RCTRL, VirtualKey::RightControl},
    {SDL_SCANCODE_LALT, VirtualKey::LeftMenu},
    {SDL_SCANCODE_RALT, VirtualKey::RightMenu},
    {SDL_SCANCODE_SEMICOLON, VirtualKey::OemSemicolon},
    {SDL_SCANCODE_EQUALS, VirtualKey::OemPlus},
    {SDL_SCANCODE_COMMA, VirtualKey::OemComma},
    {SDL_SCANCODE_MINUS, VirtualKey::OemMinus},
    {SDL_SCANCODE_PERIOD, VirtualKey::OemPeriod},
    {SDL_SCANCODE_SLASH, VirtualKey::OemSlash},
    {SDL_SCANCODE_GRAVE, VirtualKey::OemTilde},
    {SDL_SCANCODE_LEFTBRACKET, VirtualKey::OemOpenBracket},
    {SDL_SCANCODE_BACKSLASH, VirtualKey::OemBackslash},
    {SDL_SCANCODE_RIGHTBRACKET, VirtualKey::OemCloseBracket},
    {SDL_SCANCODE_APOSTROPHE, VirtualKey::OemQuote},
};

} // namespace

std::uint8_t VirtualKeyFromScancode(int scancode)
{
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    {
        return static_cast<std::uint8_t>(VirtualKey::LetterA + (scancode - SDL_SCANCODE_A));
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    {
        return static_cast<std::uint8_t>(VirtualKey::Digit0 + 1 + (scancode - SDL_SCANCODE_1));
    }
    if (scancode == SDL_SCANCODE_0)
    {
        return VirtualKey::Digit0;
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
    {
        return static_cast<std::uint8_t>(VirtualKey::F1 + (scancode - SDL_SCANCODE_F1));
    }
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
    {
        return static_cast<std::uint8_t>(VirtualKey::Numpad0 + 1 + (scancode - SDL_SCANCODE_KP_1));
    }
    if (scancode == SDL_SCANCODE_KP_0)
    {
        return VirtualKey::Numpad0;
    }
    for (const KeyPair& pair : kNamedKeys)
    {
        if (pair.scancode == scancode)
        {
            return pair.virtualKey;
        }
    }
    return 0;
}

} // namespace Platform
