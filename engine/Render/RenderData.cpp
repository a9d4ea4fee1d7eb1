#include "engine/Render/RenderData.h"

#include "engine/Log/ReportAssert.h"

namespace Korrin
{

void RenderData::SetData(std::uint32_t index, float x, float y, float z, float u, float v)
{
    constexpr const char* kSource = "Source\\Render\\RenderData";
    if (mVertexData == nullptr)
    {
        ReportAndBreak("mVertexData==NULL (RenderData::SetData)", kEngineModule, kSource, 23);
        return;
    }
    if (index >= mVertexCount)
    {
        ReportAndBreak("RenderData::SetData (index>=mVertexCount)", kEngineModule, kSource, 24);
        return;
    }
    mVertexData[index] = Vertex{x, y, z, 0xFFFFFFFFu, u, v};
}

} // namespace Korrin
