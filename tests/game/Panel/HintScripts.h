#pragma once

#include "engine/File/FileSysManager.h"
#include "engine/Gui/FontManager.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Render/SpriteManager.h"
#include "platform/PngCodec.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>
#include <string>

namespace TestSupport
{

// Hint scripts written by the test into a data folder of its own, with a 48 x 48 window picture, and
// the managers that load them.
class HintScriptTest : public testing::Test
{
protected:
    HintScriptTest()
    {
        ReportRecorder::Clear();
        mFiles.AddDirectory("media");
        Platform::Image picture;
        picture.width = 48;
        picture.height = 48;
        picture.pixels.assign(48 * 48, 0xFFC0A080u);
        Platform::PngCodec::Write(picture, mFolder.Path() + "/media/window.png");
    }

    // A script whose global "HintList" names hints made by Hint(name, delay, width, height, extra).
    void Script(const std::string& file, const std::string& body)
    {
        mFolder.Write("media/" + file, std::string(kPrelude) + body);
    }

    // Counts the quads the device is given while drawing.
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

    static constexpr const char* kPrelude = R"(
hintCorners = { Image = "window.png", SrcRect = { 0, 0, 24, 24 },
                Animation = { FramesCols = 1, FramesRows = 1, NumFrames = 1 } }
function Hint(delay, width, height, extra)
    local hint = {
        windowStyle = { Image = "window.png", SrcRect = { 0, 0, 48, 48 }, WinSize = { width or 200, height or 100 },
                        AngleScrSize = { 12, 12 } },
        data = { delay = delay },
    }
    for key, value in pairs(extra or {}) do hint[key] = value end
    return hint
end
)";

    RenderFixture mRender;
    TempFolder mFolder{"hints"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    Korrin::SpriteManager mSprites;
    Korrin::FontManager mFonts;
};

} // namespace TestSupport
