#pragma once

#include "game/Pers/PersRun.h"

// The gardener of a garden bed: one figure from "gardenerlist.lua", whose "ObjList" says how the goods
// sit in his hand.
class PersRunGardener final : public PersRun
{
public:
    static constexpr std::uint8_t kKindCode = 5;

    PersRunGardener();

    void Init() override;
};
