#pragma once

#include "engine/File/FileSysManager.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Render/SkeletonManager.h"
#include "engine/Render/SpriteManager.h"
#include "game/Game/Level.h"
#include "game/Game/TableCost.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersAnimationManager.h"
#include "game/Pers/PersManager.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/engine/TempFolder.h"
#include "tests/game/Level/LevelFileBuilder.h"
#include "tests/game/Pers/PersLooks.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

namespace TestSupport
{

// A level built from a level file of the test, with the characters' data set of PersLooks and the
// managers that load and draw it.
class PersLevelFixture : public testing::Test
{
protected:
    PersLevelFixture()
    {
        ReportRecorder::Clear();
        PersLooks::Write(mFolder);
    }

    // Builds the level and initialises its characters.
    void Build(const LevelFileBuilder& level)
    {
        mLevel.Build(level.Parsed());
        Characters().Init();
        mLevel.ResetLevel();
        // What the level's own data lacks here (tile sheets, backdrops) is not the characters' concern.
        ReportRecorder::Clear();
    }
    PersManager& Characters() { return *mLevel.GetPersManager(); }
    // A new character of the code, initialised.
    template <typename T = Pers>
    T* Make(std::uint8_t code)
    {
        Pers* character = Characters().CreatePers(code);
        character->Init();
        return dynamic_cast<T*>(character);
    }

    std::string LogText() { return mRender.Log().Text(); }

    TempFolder mFolder{"pers-level"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    RenderFixture mRender;
    Korrin::SpriteManager mSprites;
    Korrin::ParticleManager mParticles;
    TableCost mTable;
    Korrin::SkeletonManager mSkeletons;
    PersAnimationManager mAnimations;
    Level mLevel;
};

} // namespace TestSupport
