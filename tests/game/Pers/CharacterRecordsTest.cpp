#include "fuzz/CharacterRecordSet.h"
#include "game/Entity/Entity.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

// Regenerate the fixture after a deliberate change of the records:
//   WF_REGENERATE_FIXTURES=1 ./wf_game_tests --gtest_filter='CharacterRecords*'

namespace
{

constexpr const char* kFixture = WF_FIXTURES_DIR "/saves/CharacterRecords.dat";

std::vector<std::uint8_t> Fixture()
{
    std::ifstream file(kFixture, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The set in play: the gardener and the boy hired, the buyer walking with goods, the thief off the field
// after one start, a bag of his falling, a second gardener waiting with a pail.
std::vector<std::uint8_t> PlayedRecords(CharacterRecordSet& set)
{
    set.Character(0).SetActive(true);
    set.Character(0).SetIJ(2, 22);
    set.Character(1).SetActive(true);
    set.Character(1).SetIJ(6, 22);
    set.Character(2).SetActive(true);
    set.Character(2).SetDream(22);
    Pers& buyer = set.Character(3);
    buyer.SetActive(true);
    buyer.SetIJ(9, 22);
    buyer.SetCarriedGoods(85);
    buyer.PlayAnimation("run", Pers::kRight);
    buyer.Update(0.3f);
    // A second gardener, sent to sow where no field leads, waits with a pail in hand.
    Pers& gardener = set.Character(5);
    gardener.SetActive(true);
    gardener.SetIJ(4, 22);
    gardener.SetCarriedGoods(127);
    gardener.SetDream(33);
    gardener.GoTo({4, 22, nullptr}, 1);
    gardener.Update(0.5f);
    set.characters.SetQueuePlaceTaken(1, true);
    set.panel.GetPers().Advance();
    set.characters.BuyerEntered(); // the portraits slide on to place 2
    set.characters.GetThiefManager().SetThiefCount(1);
    set.bags->AddBag(300.0f, 200.0f);
    set.bags->Update(0.6f);
    Korrin::BinaryWriter out;
    set.records.SaveAll(out);
    return out.Bytes();
}

} // namespace

TEST(CharacterRecords, TheRecordsOfEveryClassReadBackByteForByte)
{
    TestSupport::LogCapture log;
    TestSupport::ReportRecorder::Clear();
    std::vector<std::uint8_t> saved;
    {
        CharacterRecordSet played;
        saved = PlayedRecords(played);
    }
    if (std::getenv("WF_REGENERATE_FIXTURES") != nullptr)
    {
        std::ofstream(kFixture, std::ios::binary)
            .write(reinterpret_cast<const char*>(saved.data()), static_cast<std::streamsize>(saved.size()));
    }
    EXPECT_EQ(Fixture(), saved) << "the fixture is what the characters write";

    CharacterRecordSet set;
    Korrin::BinaryReader in(saved);
    ASSERT_TRUE(set.records.LoadAll(in));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(set.Character(3).GetAnimationName(), "run1");
    EXPECT_EQ(set.Character(3).GetCarriedGoods(), 85);
    EXPECT_EQ(set.characters.GetBuyersOnField(), 1);
    EXPECT_EQ(set.panel.GetPers().GetHead(), 2u);
    Korrin::BinaryWriter again;
    set.records.SaveAll(again);
    EXPECT_EQ(again.Bytes(), saved);
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}

TEST(CharacterRecords, EveryCutOfTheRecordsIsRefused)
{
    TestSupport::LogCapture log;
    const std::vector<std::uint8_t> saved = Fixture();
    ASSERT_FALSE(saved.empty());
    CharacterRecordSet set;
    for (std::size_t length = 0; length < saved.size(); length += 5)
    {
        const std::vector<std::uint8_t> cut(saved.begin(), saved.begin() + static_cast<long>(length));
        Korrin::BinaryReader in(cut);
        EXPECT_FALSE(set.records.LoadAll(in)) << length;
    }
}
