#pragma once

#include "game/Pers/Pers.h"

#include <string>

// The fairy of a production building, who flies instead of walking: figure 0 is her own look, figure 1
// the look of her building's kind.
class PersFairy final : public Pers
{
public:
    // kind: the building's type code (38, 42, 54, 58 or 66).
    explicit PersFairy(std::uint8_t kind);

    void Init() override;

    // The list file of the kind's look; empty for a kind without a fairy.
    static std::string KindListFile(std::uint8_t kind);
};
