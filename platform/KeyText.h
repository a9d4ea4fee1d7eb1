#pragma once

#include <array>
#include <cstdint>

namespace Platform
{

// The characters of the common (US) keyboard layout: what a key types with a keyboard state, and
// which key (with or without Shift) types a character. Used where no better layout is known: the
// headless run, scripted input, and keys pressed before the window system reported their text.
class KeyText
{
public:
    using KeyboardState = std::array<std::uint8_t, 256>;

    // The character a key types with this keyboard state (Shift held, Caps Lock toggled); 0 for none.
    static char16_t Translate(std::uint8_t virtualKey, const KeyboardState& state);

    struct KeyStroke
    {
        std::uint8_t virtualKey = 0;
        bool shift = false;
    };
    // The key that types a character; a character of no key comes back on the packet key.
    static KeyStroke StrokeFor(char16_t character);
};

} // namespace Platform
