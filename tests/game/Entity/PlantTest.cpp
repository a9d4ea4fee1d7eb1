#include "game/Entity/Plant.h"

#include "game/Game/GameTables.h"
#include "tests/engine/LogCapture.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace
{

constexpr float kFrame = 1.0f / 60.0f;
// The seeds' countdown runs out in 4 / 1.5 s once the bed is watered.
constexpr float kCountdownSeconds = 4.0f / 1.5f;

class PlantTest : public testing::Test
{
protected:
    PlantTest() { GameTables::Build(); }
    ~PlantTest() override { GameTables::Free(); }

    // A bed sown with the crop and watered for that many fruits.
    static void Sow(Plant& plant, std::uint8_t crop, std::uint8_t fruits)
    {
        plant.SetType(crop);
        plant.SetSownMark(crop);
        plant.SetFruitCount(fruits);
    }

    // Seconds of frames until the bed is ripe; -1 when it is not within the limit.
    static float SecondsUntilRipe(Plant& plant, float limit = 40.0f)
    {
        for (int frame = 1; static_cast<float>(frame) * kFrame <= limit; ++frame)
        {
            plant.Update(kFrame);
            if (plant.IsRipe())
            {
                return static_cast<float>(frame) * kFrame;
            }
        }
        return -1.0f;
    }

    static void Run(Plant& plant, float seconds)
    {
        for (float t = 0.0f; t < seconds; t += kFrame)
        {
            plant.Update(kFrame);
        }
    }

    static std::vector<std::uint8_t> Record(Plant& plant)
    {
        Korrin::BinaryWriter out;
        plant.Save(out);
        return out.Bytes();
    }

    TestSupport::LogCapture mLog;
};

} // namespace

TEST_F(PlantTest, EachCropRipensAfterItsCountdownAndItsSlowestFruit)
{
    struct Case
    {
        std::uint8_t crop;
        std::uint8_t fruits;
        float growthSeconds; // after the countdown: the slowest fruit's steps at 7 a second
    };
    const Case cases[] = {
        {Plant::kCarrot, 1, 11.0f / 7.0f},
        {Plant::kCarrot, 3, 12.0f / 7.0f},
        {Plant::kTomato, 1, 63.0f / 7.0f},
        {Plant::kTomato, 2, 70.0f / 7.0f},
        {Plant::kTomato, 3, 74.0f / 7.0f},
        {Plant::kPotatoes, 1, (40.0f + 11.0f) / 7.0f},
        {Plant::kPotatoes, 3, (84.0f + 40.0f + 11.0f) / 7.0f},
        {Plant::kSunflower, 3, 56.0f / 7.0f},
        {Plant::kSunflower, 2, 56.0f / 7.0f},
        {Plant::kWheat, 1, 67.0f / 7.0f},
        {Plant::kWheat, 3, (84.0f + 52.0f) / 7.0f},
    };
    for (const Case& test : cases)
    {
        Plant plant;
        Sow(plant, test.crop, test.fruits);
        const float seconds = SecondsUntilRipe(plant);
        EXPECT_NEAR(seconds, kCountdownSeconds + test.growthSeconds, 3.0f * kFrame)
            << int(test.crop) << " with " << int(test.fruits);
    }
}

TEST_F(PlantTest, ABedNeverWateredKeepsItsSeedsAndNeverGrows)
{
    Plant plant;
    plant.SetType(Plant::kTomato);
    plant.SetSownMark(Plant::kTomato);
    Run(plant, 30.0f);
    EXPECT_EQ(plant.GetCountdown(), Plant::kSowingCountdown);
    EXPECT_EQ(plant.GetMainTimers()[0], 0.0f);
    EXPECT_EQ(plant.GetStage(), Plant::kGrowing);
}

TEST_F(PlantTest, PotatoesRipenOnlyWhenTheLatestPlantsTubersAreGrown)
{
    Plant plant;
    Sow(plant, Plant::kPotatoes, 3);
    // Plants 0 and 1 have their tubers long before plant 2, which starts 84 steps late.
    Run(plant, kCountdownSeconds + (42.0f + 40.0f + 11.0f) / 7.0f + 0.2f);
    EXPECT_EQ(plant.GetSecondTimers()[0], 10.0f);
    EXPECT_EQ(plant.GetSecondTimers()[1], 10.0f);
    EXPECT_LT(plant.GetSecondTimers()[2], 10.0f);
    EXPECT_FALSE(plant.IsRipe());
}

TEST_F(PlantTest, ATomatoOfTwoShakesAtTheFirstHarvestAndWithersAfterTheSecond)
{
    Plant plant;
    Sow(plant, Plant::kTomato, 2);
    ASSERT_GT(SecondsUntilRipe(plant), 0.0f);
    EXPECT_EQ(plant.GetMainTimers()[0], 70.0f);
    plant.TakeFruit();
    EXPECT_EQ(plant.GetFruitCount(), 1);
    EXPECT_EQ(plant.GetShake(), 0.2f);
    EXPECT_TRUE(plant.IsRipe()) << "the second tomato can be picked at once";
    Run(plant, 0.7f);
    EXPECT_EQ(plant.GetShake(), 0.0f);
    plant.TakeFruit();
    EXPECT_EQ(plant.GetStage(), Plant::kWithering);
    EXPECT_FALSE(plant.IsRipe());
    Run(plant, 9.0f / 7.0f + 0.1f);
    EXPECT_FALSE(plant.HasCrop());
    EXPECT_EQ(plant.GetSownMark(), 0);
}

TEST_F(PlantTest, WheatOfThreeIsPickedEarByEarAndEmptiesAfterTheFirstEar)
{
    Plant plant;
    Sow(plant, Plant::kWheat, 3);
    ASSERT_GT(SecondsUntilRipe(plant), 0.0f);
    plant.TakeFruit();
    EXPECT_EQ(plant.GetStage(), 3);
    EXPECT_EQ(plant.GetFruitCount(), 2);
    EXPECT_TRUE(plant.IsRipe()) << "ears 0 and 1 stay ripe while ear 2 is picked";
    plant.TakeFruit();
    plant.TakeFruit();
    EXPECT_EQ(plant.GetStage(), 1);
    EXPECT_EQ(plant.GetFruitCount(), 0);
    EXPECT_TRUE(plant.HasCrop()) << "ear 0 still plays its picking";
    Run(plant, 14.0f / 7.0f + 0.1f);
    EXPECT_FALSE(plant.HasCrop());
}

TEST_F(PlantTest, EmptyingABedClearsItsMarkAndFruitAndRestartsTheCountdown)
{
    Plant plant;
    Sow(plant, Plant::kCarrot, 3);
    Run(plant, 5.0f);
    plant.SetType(Plant::kEmpty);
    EXPECT_FALSE(plant.HasCrop());
    EXPECT_EQ(plant.GetSownMark(), 0);
    EXPECT_EQ(plant.GetFruitCount(), 0);
    EXPECT_EQ(plant.GetCountdown(), Plant::kSowingCountdown);
    EXPECT_FALSE(plant.IsRipe());
}

TEST_F(PlantTest, TablesAreReadWithinTheirLengthsWhateverTheTimer)
{
    EXPECT_EQ(Plant::TableFrame(1, -5.0f), 0) << "carrot fruit 0, first entry 1";
    EXPECT_EQ(Plant::TableFrame(1, 1000.0f), 6) << "last entry 7";
    EXPECT_EQ(Plant::TableFrame(1, 2.9f), 2) << "the whole part selects the entry";
    EXPECT_EQ(Plant::TableFrame(14, 0.0f), -1) << "a sunflower head not yet shown";
    EXPECT_EQ(Plant::Cap(26, 1), 70.0f);
    EXPECT_EQ(Plant::Cap(26, 99), 0.0f);
}

TEST_F(PlantTest, ABedSavedMidGrowthRipensWhenAnUnbrokenOneDoes)
{
    Plant unbroken;
    Plant saved;
    Sow(unbroken, Plant::kSunflower, 3);
    Sow(saved, Plant::kSunflower, 3);
    Run(unbroken, 5.0f);
    Run(saved, 5.0f);
    const std::vector<std::uint8_t> bytes = Record(saved);
    Plant loaded;
    Korrin::BinaryReader in(bytes);
    loaded.Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(Record(loaded), bytes);
    EXPECT_EQ(SecondsUntilRipe(loaded), SecondsUntilRipe(unbroken));
}

TEST_F(PlantTest, HostileRecordsAreRefused)
{
    Plant plant;
    Sow(plant, Plant::kWheat, 2);
    const std::vector<std::uint8_t> good = Record(plant);
    // The plant's own fields follow the entity record of 11 bytes (empty queue).
    constexpr std::size_t kCrop = 1;
    constexpr std::size_t kMark = 11;
    constexpr std::size_t kFruits = 12;
    constexpr std::size_t kFirstTimer = 13;
    constexpr std::size_t kCountdown = 13 + 6 * 4;
    const std::size_t kStage = good.size() - 1;
    const auto withFloat = [&good](std::size_t at, float value)
    {
        std::vector<std::uint8_t> bytes = good;
        std::memcpy(bytes.data() + at, &value, sizeof value);
        return bytes;
    };
    const auto withByte = [&good](std::size_t at, std::uint8_t value)
    {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = value;
        return bytes;
    };
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"a crop that is none", withByte(kCrop, 99)},
        {"a mark that is no crop", withByte(kMark, 7)},
        {"four fruits", withByte(kFruits, 4)},
        {"stage 5", withByte(kStage, 5)},
        {"a timer that is not a number", withFloat(kFirstTimer, std::numeric_limits<float>::quiet_NaN())},
        {"an endless countdown", withFloat(kCountdown, std::numeric_limits<float>::infinity())},
        {"a cut record", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
    };
    for (const Case& test : cases)
    {
        Plant loaded;
        Korrin::BinaryReader in(test.bytes);
        loaded.Load(in);
        EXPECT_FALSE(in.Ok()) << test.what;
        EXPECT_FALSE(loaded.HasCrop()) << test.what;
    }
    // Stage 3 is a wheat bed's picking of its third ear; a tomato has no such stage.
    Plant tomato;
    Sow(tomato, Plant::kTomato, 1);
    std::vector<std::uint8_t> bytes = Record(tomato);
    bytes.back() = 3;
    Korrin::BinaryReader in(bytes);
    Plant loaded;
    loaded.Load(in);
    EXPECT_FALSE(in.Ok());
}
