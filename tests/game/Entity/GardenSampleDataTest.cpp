#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "game/Game/GameTables.h"
#include "game/Util/AniMeshContainer.h"
#include "tests/game/Panel/SampleMedia.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

// The garden's and the well's sample data: every sprite holds the frames its tables name, and the
// visuals hold the parts the garden sets from its stage sprites.
class GardenSampleDataTest : public TestSupport::SampleMediaTest
{
protected:
    GardenSampleDataTest() { GameTables::Build(); }
    ~GardenSampleDataTest() override { GameTables::Free(); }

    // The largest entry of the tables: the frames the sprite they draw must have.
    static std::size_t MostFrames(const std::vector<std::uint32_t>& tables)
    {
        std::size_t most = 0;
        for (const std::uint32_t table : tables)
        {
            const Korrin::Array<std::uint8_t>& entries = GameTables::Frames(table);
            for (std::uint32_t i = 0; i < entries.Size(); ++i)
            {
                most = std::max<std::size_t>(most, entries[i]);
            }
        }
        return most;
    }
};

TEST_F(GardenSampleDataTest, EveryPlantSpriteHasTheFramesItsGrowthTablesName)
{
    struct Case
    {
        const char* table;
        std::vector<std::uint32_t> tables;
    };
    const Case cases[] = {
        {"CarrotCenter", {1}},       {"CarrotRight", {2}},     {"CarrotLeft", {3}},
        {"Tomato", {4, 5, 6, 7, 8}}, {"PotatoesCenter", {9}},  {"PotatoesRight", {10}},
        {"PotatoesLeft", {11}},      {"PotatoesD", {12}},      {"SunflowerM", {13, 17, 18}},
        {"SunflowerF1", {14}},       {"SunflowerF3", {15}},    {"SunflowerF2", {16}},
        {"WheatCenter", {19, 22}},   {"WheatRight", {20, 23}}, {"WheatLeft", {21, 24}},
    };
    for (const Case& test : cases)
    {
        Korrin::AnimatedSprite* sprite = mSprites.LoadAnimatedSprite(test.table, "Plants.lua");
        ASSERT_NE(sprite, nullptr) << test.table;
        EXPECT_EQ(sprite->GetFrameCount(), MostFrames(test.tables)) << test.table;
        EXPECT_NE(sprite->GetTexture(), nullptr) << test.table;
    }
    // The sunflower heads' offsets follow the stalk's frames.
    EXPECT_EQ(MostFrames({13}), GameTables::Offsets(30).Size());
    EXPECT_TRUE(Reports().empty()) << Reports().front();
}

TEST_F(GardenSampleDataTest, TheGardensAndTheWellsPicturesHaveTheirFrames)
{
    struct Case
    {
        const char* table;
        const char* file;
        std::size_t frames;
    };
    const Case cases[] = {{"Seeds", "Seeds.lua", 5},           {"garden01", "garden.lua", 6},
                          {"garden05", "garden.lua", 6},       {"BuyGarden", "garden.lua", 2},
                          {"Waterwell1", "Waterwell.lua", 17}, {"Waterwell2", "Waterwell.lua", 15},
                          {"Waterwell3", "Waterwell.lua", 12}, {"Pail01", "Waterwell.lua", 14},
                          {"Pail03", "Waterwell.lua", 14}};
    for (const Case& test : cases)
    {
        Korrin::AnimatedSprite* sprite = mSprites.LoadAnimatedSprite(test.table, test.file);
        ASSERT_NE(sprite, nullptr) << test.table;
        EXPECT_GE(sprite->GetFrameCount(), test.frames) << test.table;
        EXPECT_NE(sprite->GetTexture(), nullptr) << test.table;
    }
    // The well's and the pails' frame tables name no frame past their pictures'.
    EXPECT_EQ(MostFrames({33}), 17u);
    EXPECT_EQ(MostFrames({34}), 15u);
    EXPECT_EQ(MostFrames({35}), 12u);
    EXPECT_EQ(MostFrames({36, 37, 38}), 14u);
    for (const char* mesh : {"garden1.mesh", "garden2.mesh", "garden3.mesh", "garden4.mesh", "garden5.mesh",
                             "garden1_up.mesh", "s_table03.mesh"})
    {
        AniMeshContainer visual;
        visual.Load(mesh, true);
        // The garden sets the texture of the first three parts from its stage sprites.
        EXPECT_GE(visual.GetEntityCount(), std::string(mesh) == "s_table03.mesh" ? 2u : 3u) << mesh;
        EXPECT_EQ(visual.GetTextureCount(), 1u) << mesh;
    }
    EXPECT_GT(mParticles.CreateParticleSystem("GardenUpgrade.particle", "GardenUpgrade")->GetEmitterCount(),
              0u);
    // The gardener's magic on his first arrival.
    EXPECT_EQ(mParticles.CreateParticleSystem("char_magic.particle", "char_magic")->GetEmitterCount(), 2u);
    EXPECT_TRUE(Reports().empty()) << Reports().front();
}
