#include "engine/Sound/SoundFile.h"

namespace Korrin
{

bool SoundFile::Open(const std::string& /*name*/)
{
    return true;
}

std::int32_t SoundFile::Read(std::uint8_t* /*buffer*/, std::int32_t /*bytes*/, bool /*loop*/)
{
    return 0;
}

} // namespace Korrin
