// The linear-filtered spans of an idle menu, drawn straight through the rasterizer on one thread:
//   a mesh turned and scaled under one tint, and the same mesh under white (the swaying tree and girl),
//   a 1024 x 420 quad copied one texel per pixel with a fraction of a texel's offset across (the sky),
//   the same quad half a texel down too, so that every pixel blends two texel rows,
//   the same quad at an offset that steps it a 65536th of a texel short per pixel (the menu's drifting sky).
// Each reports the pixels drawn per second.
//
//   wf_span_bench [--benchmark_repetitions=5]

#include "bench/BenchArt.h"
#include "platform/DeviceTexture.h"
#include "platform/Rasterizer.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <vector>

namespace
{

using Platform::DeviceTexture;
using Platform::PixelRect;
using Platform::Rasterizer;
using Platform::RasterState;
using Platform::ScreenVertex;

constexpr int kTargetWidth = 1024;
constexpr int kTargetHeight = 768;
constexpr int kSkyWidth = 1024;
constexpr int kSkyHeight = 420;
constexpr int kMeshTexture = 256;
constexpr int kMeshCells = 8; // cells per side of the mesh grid
constexpr std::uint16_t kQuadIndices[6] = {0, 1, 2, 2, 3, 0};

DeviceTexture TextureOf(int width, int height, const std::vector<std::uint32_t>& pixels)
{
    DeviceTexture texture(width, height, Platform::TextureUsage::Plain);
    DeviceTexture::LockedRect locked = texture.Lock();
    for (int y = 0; y < height; ++y)
    {
        auto* row = reinterpret_cast<std::uint32_t*>(locked.bits + y * locked.pitch);
        for (int x = 0; x < width; ++x)
        {
            row[x] = pixels[static_cast<std::size_t>(y * width + x)];
        }
    }
    texture.Unlock();
    return texture;
}

DeviceTexture GreyTarget()
{
    DeviceTexture target(kTargetWidth, kTargetHeight, Platform::TextureUsage::RenderTarget);
    Rasterizer::Clear(target, 0x506070u, PixelRect::Rows(0, kTargetHeight));
    return target;
}

// A grid of cells over a texture, turned and scaled about its centre like a swaying plant.
struct Mesh
{
    std::vector<ScreenVertex> vertices;
    std::vector<std::uint16_t> indices;
    double pixels = 0.0; // area covered
};

Mesh TurnedMesh(std::uint32_t colour)
{
    const double degrees = 7.0;
    const double scale = 1.37;
    const double centreX = 500.3;
    const double centreY = 380.6;
    const double cosine = std::cos(degrees * 3.14159265358979 / 180.0) * scale;
    const double sine = std::sin(degrees * 3.14159265358979 / 180.0) * scale;
    Mesh mesh;
    for (int row = 0; row <= kMeshCells; ++row)
    {
        for (int column = 0; column <= kMeshCells; ++column)
        {
            const double u = static_cast<double>(column) / kMeshCells;
            const double v = static_cast<double>(row) / kMeshCells;
            const double x = (u - 0.5) * kMeshTexture;
            const double y = (v - 0.5) * kMeshTexture;
            mesh.vertices.push_back(
                {centreX + x * cosine - y * sine, centreY + x * sine + y * cosine, u, v, colour});
        }
    }
    for (int row = 0; row < kMeshCells; ++row)
    {
        for (int column = 0; column < kMeshCells; ++column)
        {
            const auto corner = static_cast<std::uint16_t>(row * (kMeshCells + 1) + column);
            const std::uint16_t below = static_cast<std::uint16_t>(corner + kMeshCells + 1);
            for (const std::uint16_t index :
                 {corner, static_cast<std::uint16_t>(corner + 1), below, below,
                  static_cast<std::uint16_t>(corner + 1), static_cast<std::uint16_t>(below + 1)})
            {
                mesh.indices.push_back(index);
            }
        }
    }
    mesh.pixels = kMeshTexture * kMeshTexture * scale * scale;
    return mesh;
}

void DrawMesh(benchmark::State& state, std::uint32_t colour)
{
    const DeviceTexture texture =
        TextureOf(kMeshTexture, kMeshTexture, BenchArt::Blob(kMeshTexture, 0x60A040u));
    DeviceTexture target = GreyTarget();
    const Mesh mesh = TurnedMesh(colour);
    RasterState raster;
    raster.texture = &texture;
    for (auto _ : state)
    {
        Rasterizer::DrawTriangles(target, raster, mesh.vertices.data(), mesh.vertices.size(),
                                  mesh.indices.data(), mesh.indices.size() / 3,
                                  PixelRect::Rows(0, kTargetHeight));
        benchmark::ClobberMemory();
    }
    state.counters["pixels/s"] = benchmark::Counter(mesh.pixels * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}

void BM_TintedTurnedMesh(benchmark::State& state)
{
    DrawMesh(state, 0xE0FFD0B0u);
}

void BM_WhiteTurnedMesh(benchmark::State& state)
{
    DrawMesh(state, 0xFFFFFFFFu);
}

// The sky quad: texel centres a fraction of a texel right of the pixel centres, and optionally down.
void DrawSky(benchmark::State& state, double texelsAcross, double texelsDown)
{
    std::vector<std::uint32_t> pixels = BenchArt::Gradient(kSkyWidth, kSkyHeight);
    for (std::size_t i = 0; i < pixels.size(); i += 7)
    {
        pixels[i] &= 0xC0FFFFFFu; // a few translucent texels, as a painted sky has at its edges
    }
    const DeviceTexture texture = TextureOf(kSkyWidth, kSkyHeight, pixels);
    DeviceTexture target = GreyTarget();
    const double u = texelsAcross / kSkyWidth;
    const double v = texelsDown / kSkyHeight;
    const double left = -0.5;
    const double top = -0.5;
    const double right = left + kSkyWidth;
    const double bottom = top + kSkyHeight;
    const std::uint32_t white = 0xFFFFFFFFu;
    const ScreenVertex corners[4] = {{left, bottom, u, 1.0 + v, white},
                                     {right, bottom, 1.0 + u, 1.0 + v, white},
                                     {right, top, 1.0 + u, v, white},
                                     {left, top, u, v, white}};
    RasterState raster;
    raster.texture = &texture;
    for (auto _ : state)
    {
        Rasterizer::DrawTriangles(target, raster, corners, 4, kQuadIndices, 2,
                                  PixelRect::Rows(0, kTargetHeight));
        benchmark::ClobberMemory();
    }
    state.counters["pixels/s"] = benchmark::Counter(static_cast<double>(kSkyWidth) * kSkyHeight *
                                                        static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}

// A fraction that the doubles hold exactly: the quad steps exactly one texel per pixel.
void BM_SkyOffsetAcross(benchmark::State& state)
{
    DrawSky(state, 0.375, 0.0);
}

void BM_SkyOffsetAcrossAndDown(benchmark::State& state)
{
    DrawSky(state, 0.375, 0.5);
}

// As the menu's drifting sky mostly is: a fraction the doubles round, so that the quad steps a 65536th of
// a texel short of one texel per pixel.
void BM_SkyDriftingOffset(benchmark::State& state)
{
    DrawSky(state, 0.37, 0.0);
}

} // namespace

BENCHMARK(BM_TintedTurnedMesh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WhiteTurnedMesh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkyOffsetAcross)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkyOffsetAcrossAndDown)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkyDriftingOffset)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
