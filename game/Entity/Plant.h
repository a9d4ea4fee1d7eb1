#pragma once

#include "game/Entity/Entity.h"

#include <array>
#include <cstdint>

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// One bed of a garden: its type code is the crop it grows (0 while empty). Up to three fruits grow as
// positions in fixed frame tables, 7 steps a second once the bed has been sown and watered; the
// gardener harvests them one at a time. The garden places, updates, draws and saves its beds.
class Plant : public Entity
{
public:
    static constexpr std::uint8_t kEmpty = 0;
    static constexpr std::uint8_t kCarrot = 84;
    static constexpr std::uint8_t kTomato = 85;
    static constexpr std::uint8_t kPotatoes = 86;
    static constexpr std::uint8_t kSunflower = 87;
    static constexpr std::uint8_t kWheat = 88;
    static constexpr std::uint8_t kMostFruits = 3;
    static constexpr std::size_t kSpriteCount = 15;

    // Tomato and sunflower: growing, ripe, withering. Wheat grows in stage 4; stage s (1 to 3) while ear
    // s - 1 is being picked.
    static constexpr std::uint8_t kGrowing = 0;
    static constexpr std::uint8_t kRipe = 1;
    static constexpr std::uint8_t kWithering = 2;
    static constexpr std::uint8_t kWheatGrowing = 4;

    // The seeds wait this long (in countdown units) before the crop grows; watering runs them down.
    static constexpr float kSowingCountdown = 4.0f;

    Plant();
    ~Plant() override;

    // Loads the crops' sprites and the seeds.
    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;
    void ChangeGui() override {}
    void OnGuiEvent() override {}
    // Gives the bed a crop, or empties it with 0.
    void SetType(std::uint8_t crop) override;

    bool IsRipe() const;
    // One harvest.
    void TakeFruit();
    // The seeds, while a sown bed waits for its countdown.
    void DrawSeeds();

    bool HasCrop() const { return mType != kEmpty; }
    std::uint8_t GetCrop() const { return mType; }
    std::uint8_t GetSownMark() const { return mSownMark; }
    void SetSownMark(std::uint8_t mark) { mSownMark = mark; }
    std::uint8_t GetFruitCount() const { return mFruitCount; }
    void SetFruitCount(std::uint8_t count) { mFruitCount = count; }
    std::uint8_t GetStage() const { return mStage; }
    float GetCountdown() const { return mCountdown; }
    float GetShake() const { return mShake; }
    const std::array<float, kMostFruits>& GetMainTimers() const { return mMain; }
    const std::array<float, kMostFruits>& GetSecondTimers() const { return mSecond; }

    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a crop, mark, fruit count or stage a bed cannot have, or a timer that is not
    // a number.
    void Load(Korrin::BinaryReader& in) override;

    // The sprite frame (table entry - 1) that a timer selects in a frame table: the entry at the whole
    // part of the timer, held within the table; -1 for an empty table.
    static std::int32_t TableFrame(std::uint32_t table, float timer);
    // The last index of the sequence that entry index of a table of last indexes describes; 0 when the
    // tables are not built.
    static float Cap(std::uint32_t capTable, std::uint32_t index);

private:
    void UpdateCarrot(float step);
    void UpdateTomato(float dt, float step);
    void UpdatePotatoes(float step);
    void UpdateSunflower(float dt, float step);
    void UpdateWheat(float step);
    void DrawCarrot();
    void DrawTomato();
    void DrawPotatoes();
    void DrawSunflower();
    void DrawWheat();
    float SwayAngle() const;
    Korrin::AnimatedSprite* Sprite(std::size_t index) const { return mSprites[index]; }

    std::array<Korrin::AnimatedSprite*, kSpriteCount> mSprites{};
    Korrin::AnimatedSprite* mSeeds = nullptr;
    std::uint8_t mSownMark = 0;
    std::uint8_t mFruitCount = 0;
    std::array<float, kMostFruits> mMain{};
    std::array<float, kMostFruits> mSecond{};
    float mCountdown = 0.0f;
    float mSway = 0.0f;
    float mShake = 0.0f;
    std::uint8_t mStage = 0;
};
