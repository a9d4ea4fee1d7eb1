#include "platform/Utf8.h"

namespace Platform
{

namespace
{

constexpr char32_t kReplacement = 0xFFFD;

// Decodes the sequence at text[index], moving index past what it used.
char32_t NextCodePoint(const std::string& text, std::size_t& index)
{
    const auto lead = static_cast<unsigned char>(text[index++]);
    int extra = 0;
    char32_t code = 0;
    if (lead < 0x80)
    {
        return lead;
    }
    if ((lead & 0xE0) == 0xC0)
    {
        extra = 1;
        code = lead & 0x1F;
    }
    else if ((lead & 0xF0) == 0xE0)
    {
        extra = 2;
        code = lead & 0x0F;
    }
    else if ((lead & 0xF8) == 0xF0)
    {
        extra = 3;
        code = lead & 0x07;
    }
    else
    {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i)
    {
        if (index >= text.size() || (static_cast<unsigned char>(text[index]) & 0xC0) != 0x80)
        {
            return kReplacement;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[index]) & 0x3F);
        ++index;
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code > 0x10FFFF || surrogate ? kReplacement : code;
}

} // namespace

std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string result;
    std::size_t index = 0;
    while (index < text.size())
    {
        const char32_t code = NextCodePoint(text, index);
        if (code >= 0x10000)
        {
            const char32_t offset = code - 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
        }
        else
        {
            result.push_back(static_cast<char16_t>(code));
        }
    }
    return result;
}

} // namespace Platform
