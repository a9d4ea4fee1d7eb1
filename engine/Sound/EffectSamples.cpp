#include "engine/Sound/EffectSamples.h"

namespace Korrin
{

const EffectSamples::Samples* EffectSamples::Find(const std::string& file) const
{
    const auto found = mByFile.find(file);
    return found != mByFile.end() ? &found->second : nullptr;
}

void EffectSamples::Keep(const std::string& file, Samples samples)
{
    mByFile.insert_or_assign(file, std::move(samples));
}

} // namespace Korrin
