#include "platform/GlContext.h"

#include <gtest/gtest.h>

namespace
{

// The renderer strings of drivers that draw OpenGL on the processor, and of some that draw on a card.
TEST(GlContext, TellsRasterizersOnTheProcessorByTheirRendererString)
{
    struct Case
    {
        const char* renderer;
        bool onProcessor;
    };
    const Case cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Mesa X11 swrast", true},
        {"Software Rasterizer", true},
        {"SwiftShader Device (LLVM 10.0.0)", true},
        {"GDI Generic", true},
        {"Microsoft Basic Render Driver", true},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
        {"AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)", false},
        {"NVIDIA GeForce GTX 1060/PCIe/SSE2", false},
        {"", false},
    };
    for (const Case& test : cases)
    {
        EXPECT_EQ(Platform::GlContext::NamesProcessorRasterizer(test.renderer), test.onProcessor)
            << test.renderer;
    }
}

} // namespace
