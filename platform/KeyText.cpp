#include "platform/KeyText.h"

#include "platform/VirtualKey.h"

namespace Platform
{

namespace
{

struct KeyCharacters
{
    std::uint8_t virtualKey;
    char16_t plain;
    char16_t shifted;
};

constexpr KeyCharacters kKeys[] = {
    {VirtualKey::Digit0, u'0', u')'},          {VirtualKey::Digit0 + 1, u'1', u'!'},
    {VirtualKey::Digit0 + 2, u'2', u'@'},      {VirtualKey::Digit0 + 3, u'3', u'#'},
    {VirtualKey::Digit0 + 4, u'4', u'$'},      {VirtualKey::Digit0 + 5, u'5', u'%'},
    {VirtualKey::Digit0 + 6, u'6', u'^'},      {VirtualKey::Digit0 + 7, u'7', u'&'},
    {VirtualKey::Digit0 + 8, u'8', u'*'},      {VirtualKey::Digit0 + 9, u'9', u'('},
    {VirtualKey::Space, u' ', u' '},           {VirtualKey::Back, u'\b', u'\b'},
    {VirtualKey::Tab, u'\t', u'\t'},           {VirtualKey::Return, u'\r', u'\r'},
    {VirtualKey::Escape, u'\x1b', u'\x1b'},    {VirtualKey::OemSemicolon, u';', u':'},
    {VirtualKey::OemPlus, u'=', u'+'},         {VirtualKey::OemComma, u',', u'<'},
    {VirtualKey::OemMinus, u'-', u'_'},        {VirtualKey::OemPeriod, u'.', u'>'},
    {VirtualKey::OemSlash, u'/', u'?'},        {VirtualKey::OemTilde, u'`', u'~'},
    {VirtualKey::OemOpenBracket, u'[', u'{'},  {VirtualKey::OemBackslash, u'\\', u'|'},
    {VirtualKey::OemCloseBracket, u']', u'}'}, {VirtualKey::OemQuote, u'\'', u'"'},
};

bool IsDown(const KeyText::KeyboardState& state, std::uint8_t key)
{
    return (state[key] & KeyDownBit) != 0;
}

} // namespace

char16_t KeyText::Translate(std::uint8_t virtualKey, const KeyboardState& state)
{
    if (IsDown(state, VirtualKey::Control) || IsDown(state, VirtualKey::Menu))
    {
        return 0;
    }
    const bool shift = IsDown(state, VirtualKey::Shift);
    if (virtualKey >= VirtualKey::LetterA && virtualKey < VirtualKey::LetterA + 26)
    {
        const bool capitals = shift != ((state[VirtualKey::Capital] & KeyToggleBit) != 0);
        return static_cast<char16_t>((capitals ? u'A' : u'a') + (virtualKey - VirtualKey::LetterA));
    }
    if (virtualKey >= VirtualKey::Numpad0 && virtualKey < VirtualKey::Numpad0 + 10)
    {
        return static_cast<char16_t>(u'0' + (virtualKey - VirtualKey::Numpad0));
    }
    for (const KeyCharacters& key : kKeys)
    {
        if (key.virtualKey == virtualKey)
        {
            return shift ? key.shifted : key.plain;
        }
    }
    return 0;
}

KeyText::KeyStroke KeyText::StrokeFor(char16_t character)
{
    if (character >= u'a' && character <= u'z')
    {
        return {static_cast<std::uint8_t>(VirtualKey::LetterA + (character - u'a')), false};
    }
    if (character >= u'A' && character <= u'Z')
    {
        return {static_cast<std::uint8_t>(VirtualKey::LetterA + (character - u'A')), true};
    }
    for (const KeyCharacters& key : kKeys)
    {
        if (key.plain == character)
        {
            return {key.virtualKey, false};
        }
        if (key.shifted == character)
        {
            return {key.virtualKey, true};
        }
    }
    return {VirtualKey::Packet, false};
}

} // namespace Platform
