#pragma once

#include "engine/App/TimerManager.h"
#include "engine/File/FileSysManager.h"
#include "engine/Gui/FontManager.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Render/SpriteManager.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace TestSupport
{

// The game's sample data (the build's media folder) with the engine managers that load it: drawing,
// sprites, particles, fonts and the frame timer.
class SampleMediaTest : public testing::Test
{
protected:
    SampleMediaTest()
    {
        ReportRecorder::Clear();
        mFiles.AddDirectory("media");
    }

    // The descriptions of the reports shown so far.
    static std::vector<std::string> Reports()
    {
        std::vector<std::string> descriptions;
        const std::string head = "DeSrciption:\n  ";
        for (const auto& box : ReportRecorder::Boxes())
        {
            const std::size_t start = box.text.find(head);
            if (start != std::string::npos)
            {
                const std::size_t from = start + head.size();
                descriptions.push_back(box.text.substr(from, box.text.find('\n', from) - from));
            }
        }
        return descriptions;
    }

    std::string LogText() { return mRender.Log().Text(); }

    RenderFixture mRender;
    Korrin::FileSysManager mFiles{std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
    Korrin::TimerManager mTimer;
    Korrin::SpriteManager mSprites;
    Korrin::ParticleManager mParticles;
    Korrin::FontManager mFonts;
};

} // namespace TestSupport
