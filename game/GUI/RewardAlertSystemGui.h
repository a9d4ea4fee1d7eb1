#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "game/Blank.h"

#include <cstdint>
#include <deque>

// The window that announces won rewards (window 7). Holds the queue of rewards still to be shown.
class RewardAlertSystemGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 7;

    static constexpr std::uint32_t kMaxPending = 10000;

    void Save(Korrin::BinaryWriter& out) const;
    // False (queue left empty) when the data is short or its count impossible.
    bool Load(Korrin::BinaryReader& in);
    // Polled every frame: would open this window for rewards waiting to be shown. The alerts are drawn
    // by the window itself, so until it can show them they wait in the queue (and in the save).
    void ShowPending() {}
    void Init() override {}
    void Reset() override { mPending.clear(); }
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}

    void Queue(std::uint32_t rewardId) { mPending.push_back(rewardId); }
    const std::deque<std::uint32_t>& Pending() const { return mPending; }

private:
    std::deque<std::uint32_t> mPending;
};
