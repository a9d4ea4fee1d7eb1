#include "engine/Particle/BaseParticleSystem.h"

#include <benchmark/benchmark.h>

namespace
{

// One emitter keeping about 500 particles alive (60 a second for 8 seconds each), advanced a frame at a time.
void BM_EmitterFrame(benchmark::State& state)
{
    // No sprite: the simulation alone, without frame stepping.
    BaseParticleSystem emitter(nullptr);
    emitter.SetQuota(600);
    BaseParticleSystem::Settings& settings = emitter.GetSettings();
    settings.loop = true;
    settings.perSecond = 60.0f;
    settings.particleLife = 8.0f;
    settings.velocity = 50.0f;
    settings.gravity = 10.0f;
    settings.spin = 3.0f;
    settings.scaleKeys[1] = {1.0f, {0.2f, 0.2f}};
    settings.lastScaleKey = 1;
    settings.colourKeys[0].time = 0.0f;
    settings.colourKeys[1] = {1.0f, {1.0f, 0.5f, 0.0f, 0.0f}};
    settings.lastColourKey = 1;
    float time = 0.0f;
    for (int frame = 0; frame < 600; ++frame)
    {
        emitter.Update(1.0f / 60.0f, time += 1.0f / 60.0f);
    }
    for (auto _ : state)
    {
        emitter.Update(1.0f / 60.0f, time += 1.0f / 60.0f);
        benchmark::DoNotOptimize(emitter.GetLiveParticles().data());
    }
    state.counters["particles"] = static_cast<double>(emitter.GetLiveParticles().size());
}
BENCHMARK(BM_EmitterFrame);

} // namespace

BENCHMARK_MAIN();
