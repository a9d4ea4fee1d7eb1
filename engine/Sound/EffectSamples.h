#pragma once

#include "platform/PcmFormat.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Korrin
{

// The decoded samples of the effects of one sound list, by file name, kept while the list loads. A list
// names one file for several sounds (a click at another pitch, a voice for each kind of buyer): the later
// ones take a copy of these samples instead of decoding the file again.
class EffectSamples
{
public:
    struct Samples
    {
        Platform::PcmFormat format;
        std::vector<std::uint8_t> bytes;
    };

    // Null when that file has not been decoded whole yet.
    const Samples* Find(const std::string& file) const;
    void Keep(const std::string& file, Samples samples);

private:
    std::map<std::string, Samples> mByFile;
};

} // namespace Korrin
