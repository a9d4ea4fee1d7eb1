#pragma once

#include "game/Pers/PersRun.h"

#include <string>

// A customer of the shop, created switched off and let onto the field by the character manager: one
// figure of its kind's look, whose list file also gives the carried goods' corrections. Its wish (the
// goods it wants, or a complaint) shows as the frame of its bubble; the shop sets goods cells aside for
// it and counts them in the queue word.
class PersRunBuyer final : public PersRun
{
public:
    static constexpr std::uint8_t kFirstKind = 139;
    static constexpr std::uint8_t kLastKind = 152;
    // The buyer's voice.
    enum class Voice : std::uint8_t
    {
        None,
        OldMale,
        YoungMale,
        YoungFemale,
        OldFemale,
    };
    // What the buyer is told to do.
    static constexpr std::int32_t kGoToQueue = 0;
    static constexpr std::int32_t kTakeGoods = 1;
    static constexpr std::int32_t kRefused = 2;
    // The wish of a buyer that leaves angry.
    static constexpr std::int32_t kAngry = -6;

    // kind: the buyer kind, 139 to 152; another code makes a buyer without a figure.
    explicit PersRunBuyer(std::uint8_t kind);

    void Init() override;
    // The wish maps to the bubble's frame; a wish the bubble cannot show leaves the frame.
    void SetDream(std::int32_t wish) override;
    // The wish of the bubble's frame; another character's frame reads back as itself.
    std::int32_t GetFrameIndexDream() const override;
    // 1 the goods are handed over: the buyer catches them; 2 nothing to give: it stomps off angry.
    void StartAction(std::int32_t command) override;

    // The list file of a buyer kind's look; empty outside 139 to 152.
    static std::string KindListFile(std::uint8_t kind);
    // How many goods a kind wants (1 outside the kinds).
    static std::uint32_t KindWantedCount(std::uint8_t kind);
    static Voice KindVoice(std::uint8_t kind);

    // The key of the buyer in the manager's list: 1, 2, 3 ... in creation order.
    std::uint32_t GetNumber() const { return mNumber; }
    void SetNumber(std::uint32_t number) { mNumber = number; }
    std::uint32_t GetWantedCount() const { return mWantedCount; }
    // The goods cells the shop has set aside for the buyer (and units already carried for it).
    std::uint16_t GetObjBuyCount() const { return mQueueWord; }
    void SetObjBuyCount(std::uint16_t count) { mQueueWord = count; }

    // The voice lines; a buyer without a voice logs that it has none.
    void BuyerClickSound() const;
    void BuyerAnglySound() const;

private:
    std::uint32_t mNumber = 0;
    std::uint32_t mWantedCount = 1;
};
