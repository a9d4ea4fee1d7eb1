#pragma once

#include "game/Blank.h"

#include <cstdint>
#include <map>

// The storehouse window (window 0): buying goods into the storehouse and selling them from it.
class StoreHouseGUI : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 0;
    // The page flag: the buying page, or the selling page once a sale was confirmed or cancelled.
    static constexpr std::uint8_t kBuyPage = 0;
    static constexpr std::uint8_t kSalePage = 1;

    StoreHouseGUI() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
    void SetActive(bool active) override
    {
        if (active)
        {
            mPageFlag = kBuyPage;
        }
        Blank::SetActive(active);
    }

    // The goods of the level in play (goods id -> 1), filled by the level loader.
    std::map<std::uint8_t, std::uint32_t>& GetGoods() { return mGoods; }
    std::uint8_t GetPageFlag() const { return mPageFlag; }
    void SetPageFlag(std::uint8_t flag) { mPageFlag = flag; }

private:
    std::map<std::uint8_t, std::uint32_t> mGoods;
    std::uint8_t mPageFlag = kBuyPage;
};
