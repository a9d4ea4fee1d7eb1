#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Encodes floating-point PCM (interleaved, -1..1) as an Ogg Vorbis file.
class OggWriter
{
public:
    static bool Write(const std::string& path, const std::vector<float>& samples, int channels, long rate,
                      float quality);
};
