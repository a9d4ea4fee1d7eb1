#pragma once

#include <string>

namespace Platform
{

// UTF-8 text as UTF-16 code units; a broken sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);

} // namespace Platform
