#pragma once

#include "game/Pers/PersRun.h"

#include <string>

// The errand boy of a production building: figure 0 is his own look, figure 1 the look of his
// building's kind, whose list file also gives the carried goods' corrections.
class PersRunBoy final : public PersRun
{
public:
    // kind: the building's type code (26, 30, 34, 46, 50 or 62).
    explicit PersRunBoy(std::uint8_t kind);

    void Init() override;

    // The list file of the kind's look; empty for a kind without a boy.
    static std::string KindListFile(std::uint8_t kind);
};
