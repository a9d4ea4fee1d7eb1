#pragma once

#include "engine/File/FileData.h"
#include "platform/PcmFormat.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
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
    // Decodes these files (name and bytes) whole on up to that many threads, all joined before it returns,
    // and keeps each that decoded whole. One that cannot be decoded, or ends part-way, is left to the
    // sound that names it, which decodes and logs it as it always has.
    void DecodeTogether(std::vector<std::pair<std::string, FileData>> files, int threads);

private:
    std::map<std::string, Samples> mByFile;
};

} // namespace Korrin
