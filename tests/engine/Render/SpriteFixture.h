#pragma once

#include "engine/File/FileSysManager.h"
#include "engine/Render/SpriteManager.h"
#include "platform/PngCodec.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>
#include <string>

namespace TestSupport
{

// Data files in a folder of the test's own, the render system and the sprite manager.
class SpriteTest : public testing::Test
{
protected:
    SpriteTest()
    {
        ReportRecorder::Clear();
        mFiles.AddDirectory("media");
        mFolder.Write("media/.keep", "");
        Platform::Image sheet;
        sheet.width = 64;
        sheet.height = 32;
        sheet.pixels.assign(64 * 32, 0xFF808080u);
        Platform::PngCodec::Write(sheet, mFolder.Path() + "/media/sheet.png");
    }

    // Writes a script file into the data folder.
    void Script(const std::string& name, const std::string& text) { mFolder.Write("media/" + name, text); }

    // Draws inside a scene and returns the number of quads the device was given.
    template <typename Drawing>
    std::uint64_t QuadsDrawn(Drawing drawing)
    {
        Korrin::RenderSystem& render = mRender.Render();
        const std::uint64_t before = mRender.Device().Statistics().triangles;
        render.BeginFrame();
        render.BeginScene(nullptr);
        drawing();
        render.EndScene();
        return (mRender.Device().Statistics().triangles - before) / 2;
    }

    TempFolder mFolder{"sprites"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    RenderFixture mRender;
    Korrin::SpriteManager mSprites;
};

} // namespace TestSupport
