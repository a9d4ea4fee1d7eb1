#include "platform/SoundDevice.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace
{

// One audio callback's worth of mixing with a busy scene's voices: music plus effects at other rates.
void MixBusyScene(benchmark::State& state)
{
    Platform::SoundDevice::SetOutputKind(Platform::SoundOutputKind::Pulled);
    auto device = Platform::SoundDevice::Open();
    std::vector<std::unique_ptr<Platform::SoundBuffer>> buffers;
    const auto voices = static_cast<int>(state.range(0));
    for (int voice = 0; voice < voices; ++voice)
    {
        const bool stereo = voice % 2 == 0;
        const auto format = Platform::PcmFormat::Pcm16(stereo ? 2 : 1, voice % 3 == 0 ? 22050 : 44100);
        auto buffer = device->CreateBuffer(format, 131072);
        buffer->SetVolume(-300 * (voice % 5));
        buffer->SetPan(-2000 + 700 * (voice % 7));
        buffer->SetFrequency(format.samplesPerSecond + 1000u * static_cast<std::uint32_t>(voice % 4));
        buffer->Play(true);
        buffers.push_back(std::move(buffer));
    }
    std::vector<std::int16_t> out(1024 * 2);
    for (auto _ : state)
    {
        device->Pull(out.data(), 1024);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(MixBusyScene)->Arg(1)->Arg(8)->Arg(32);

} // namespace

BENCHMARK_MAIN();
