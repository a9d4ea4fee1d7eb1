#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>

// Formatting into fixed buffers, as the crash and array reports use, and the conversion of byte
// strings to displayed text.
struct TextFormat
{
    static constexpr std::size_t kShortLength = 200;
    static constexpr std::size_t kLongLength = 8192;

    // printf-style into a buffer of kShortLength (or kLongLength) characters; a text that would not fit
    // is not produced: the buffer is left empty. Returns whether the text was produced.
    static bool FormatShortText(char (&buffer)[kShortLength], const char* format, ...)
        __attribute__((format(printf, 2, 3)));
    static bool FormatLongText(char (&buffer)[kLongLength], const char* format, ...)
        __attribute__((format(printf, 2, 3)));

    // A byte string as UTF-16: read as UTF-8 where it is valid UTF-8, else as Windows-1252.
    static std::u16string AnsiToWide(const std::string& text);

    // A whole number as displayed text: "-35", "1200".
    static std::u16string Decimal(std::int64_t value)
    {
        const std::string text = std::to_string(value);
        return std::u16string(text.begin(), text.end());
    }

private:
    static bool FormatInto(char* buffer, std::size_t size, const char* format, va_list arguments)
        __attribute__((format(printf, 3, 0)));
};

// The game calls the conversion by its plain name.
inline std::u16string AnsiToWide(const std::string& text)
{
    return TextFormat::AnsiToWide(text);
}
