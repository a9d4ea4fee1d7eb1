#include "engine/Util/RandomGenerator.h"

#include "platform/Services.h"

namespace Korrin
{

std::uint32_t RandomGenerator::RunSeed()
{
    if (!Platform::Services::Exists())
    {
        return kFixedStepSeed;
    }
    const Platform::Clock& clock = Platform::Services::Current().GetClock();
    if (clock.IsFixedStep())
    {
        return kFixedStepSeed;
    }
    return static_cast<std::uint32_t>(clock.Counter());
}

} // namespace Korrin
