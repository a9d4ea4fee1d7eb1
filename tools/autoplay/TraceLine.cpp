#include "tools/autoplay/TraceLine.h"

#include <cstdio>

void TraceLine(std::uint64_t frame, const char* prefix, const char* format, va_list arguments)
{
    std::fprintf(stderr, "[%6llu] %s", static_cast<unsigned long long>(frame), prefix);
    std::vfprintf(stderr, format, arguments);
    std::fputc('\n', stderr);
}
