#include "engine/Sound/EffectSamples.h"

#include "engine/Sound/SoundOGG.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>

namespace Korrin
{

namespace
{

// An effect is decoded whole from its start, as a sound decodes its first voice.
std::optional<EffectSamples::Samples> DecodeWhole(const std::string& name, FileData file)
{
    SoundOGG decoder;
    if (!decoder.OpenCopy(name, std::move(file), true) || decoder.GetTotalBytes() == 0)
    {
        return std::nullopt;
    }
    EffectSamples::Samples samples{decoder.GetFormat(), std::vector<std::uint8_t>(decoder.GetTotalBytes())};
    decoder.Read(samples.bytes.data(), static_cast<std::int32_t>(samples.bytes.size()), false);
    if (decoder.EndedPartWay())
    {
        return std::nullopt;
    }
    return samples;
}

} // namespace

const EffectSamples::Samples* EffectSamples::Find(const std::string& file) const
{
    const auto found = mByFile.find(file);
    return found != mByFile.end() ? &found->second : nullptr;
}

void EffectSamples::Keep(const std::string& file, Samples samples)
{
    mByFile.insert_or_assign(file, std::move(samples));
}

void EffectSamples::DecodeTogether(std::vector<std::pair<std::string, FileData>> files, int threads)
{
    std::vector<std::optional<Samples>> results(files.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&files, &results, &next]
    {
        for (std::size_t index = next++; index < files.size(); index = next++)
        {
            results[index] = DecodeWhole(files[index].first, std::move(files[index].second));
        }
    };
    std::vector<std::thread> helpers;
    const std::size_t wanted = std::min(files.size(), static_cast<std::size_t>(std::max(threads, 1)));
    for (std::size_t helper = 1; helper < wanted; ++helper)
    {
        helpers.emplace_back(work);
    }
    work();
    for (std::thread& helper : helpers)
    {
        helper.join();
    }
    for (std::size_t index = 0; index < files.size(); ++index)
    {
        if (results[index])
        {
            Keep(files[index].first, std::move(*results[index]));
        }
    }
}

} // namespace Korrin
