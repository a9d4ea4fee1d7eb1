#include "game/Util/TextFormat.h"

#include <cstdio>
#include <utf8cpp/utf8.h>

namespace
{

// The characters Windows-1252 puts at 0x80 to 0x9F; the rest of its upper half is Latin-1.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

std::u16string FromWindows1252(const std::string& text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (const char c : text)
    {
        const auto byte = static_cast<unsigned char>(c);
        wide.push_back(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80]
                                                   : static_cast<char16_t>(byte));
    }
    return wide;
}

} // namespace

bool TextFormat::FormatInto(char* buffer, std::size_t size, const char* format, va_list arguments)
{
    const int length = std::vsnprintf(buffer, size, format, arguments);
    if (length < 0 || static_cast<std::size_t>(length) >= size)
    {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

bool TextFormat::FormatShortText(char (&buffer)[kShortLength], const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const bool made = FormatInto(buffer, kShortLength, format, arguments);
    va_end(arguments);
    return made;
}

bool TextFormat::FormatLongText(char (&buffer)[kLongLength], const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const bool made = FormatInto(buffer, kLongLength, format, arguments);
    va_end(arguments);
    return made;
}

std::u16string TextFormat::AnsiToWide(const std::string& text)
{
    if (!utf8::is_valid(text.begin(), text.end()))
    {
        return FromWindows1252(text);
    }
    std::u16string wide;
    utf8::utf8to16(text.begin(), text.end(), std::back_inserter(wide));
    return wide;
}
