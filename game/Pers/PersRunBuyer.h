#pragma once

#include "game/Pers/PersRun.h"

#include <string>

// A customer of the shop, created switched off and let onto the field by the character manager: one
// figure of its kind's look, whose list file also gives the carried goods' corrections.
class PersRunBuyer final : public PersRun
{
public:
    static constexpr std::uint8_t kFirstKind = 139;
    static constexpr std::uint8_t kLastKind = 152;

    // kind: the buyer kind, 139 to 152; another code makes a buyer without a figure.
    explicit PersRunBuyer(std::uint8_t kind);

    void Init() override;

    // The list file of a buyer kind's look; empty outside 139 to 152.
    static std::string KindListFile(std::uint8_t kind);

    // The key of the buyer in the manager's list: 1, 2, 3 ... in creation order.
    std::uint32_t GetNumber() const { return mNumber; }
    void SetNumber(std::uint32_t number) { mNumber = number; }

private:
    std::uint32_t mNumber = 0;
};
