#include "engine/Util/ValueText.h"

#include "engine/Util/Rect.h"

#include <locale>
#include <sstream>

namespace Korrin
{

namespace
{

template <typename Value>
std::string Classic(const Value& value)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << value;
    return stream.str();
}

} // namespace

std::string ToString(int value)
{
    return Classic(value);
}

std::string ToString(unsigned int value)
{
    return Classic(value);
}

std::string ToString(long value)
{
    return Classic(value);
}

std::string ToString(bool value)
{
    return value ? "true" : "false";
}

std::string ToString(const Rect& rect)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << rect.left << ' ' << rect.top << ' ' << rect.right << ' ' << rect.bottom;
    return stream.str();
}

std::string ToLower(std::string text)
{
    for (char& c : text)
    {
        if (c >= 'A' && c <= 'Z')
        {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

} // namespace Korrin
