#pragma once

#include "platform/Vertex.h"

#include <cstdint>

namespace Korrin
{

class Texture;

using Vertex = Platform::Vertex;

// One block of geometry with its drawing state, as every drawable hands it to the render system. The
// vertices belong to the drawable that embeds the block.
struct RenderData
{
    // Primitive kinds.
    static constexpr std::uint32_t kQuads = 0;
    static constexpr std::uint32_t kLines = 1;
    // Blend modes: the source factor is always the source alpha.
    static constexpr std::uint32_t kBlendAlpha = 0;
    static constexpr std::uint32_t kBlendInverseColour = 1;
    static constexpr std::uint32_t kBlendAdd = 2;
    // Filters.
    static constexpr std::uint32_t kFilterPoint = 0;
    static constexpr std::uint32_t kFilterLinear = 1;
    // Addressing.
    static constexpr std::uint32_t kAddressWrap = 0;
    static constexpr std::uint32_t kAddressClamp = 2;

    Vertex* mVertexData = nullptr;
    std::uint32_t mVertexCount = 0;
    Texture* mTexture = nullptr;
    std::uint32_t mPrimitive = kQuads;
    std::uint32_t mBlendMode = kBlendAlpha;
    std::uint32_t mFilter = kFilterLinear;
    std::uint32_t mAddressing = kAddressWrap;

    // Writes one vertex in opaque white; an index outside the block is reported and writes nothing.
    void SetData(std::uint32_t index, float x, float y, float z, float u, float v);
};

} // namespace Korrin
