#pragma once

#include "game/Entity/Entity.h"

// A buyers' signpost: type 2 where buyers come onto the field, 3 where they leave it.
class BuyersArrow : public Entity
{
public:
    explicit BuyersArrow(std::uint8_t type) { mType = type; }

protected:
    Footprint GetFootprint() const override { return {0, 0, 48.0f}; }
    std::string GetPicture() const override { return mType == kBuyersEntry ? "ph_in.png" : "ph_out.png"; }
};
