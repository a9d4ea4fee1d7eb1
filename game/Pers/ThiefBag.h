#pragma once

#include "game/Game/Clickable.h"
#include "game/Game/SaveLoadObject.h"
#include "game/Util/Blank.h"

#include <list>

class GameField;

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// The bags of money that caught thieves drop, all in one object of the level: a bag is thrown up, falls
// onto the floor below, lands, lies for five seconds (blinking in the last two) and goes. A click on a
// falling or lying bag pays for it, more while it still falls.
class ThiefBag : public Blank, public Clickable, public SaveLoadObject
{
public:
    struct Bag
    {
        std::uint8_t hovered = 0;
        float speed = 0.0f;
        float x = 0.0f;
        float y = 0.0f;
        float step = 0.0f;
        float age = 0.0f;
    };

    static constexpr std::uint8_t kType = 137;
    static constexpr float kLanded = -999999.0f;
    static constexpr float kThrowSpeed = -420.0f;
    static constexpr float kGravity = 900.0f;
    static constexpr float kMaxFall = 23.0f;
    static constexpr float kStepsPerSecond = 20.0f;
    static constexpr float kLyingTime = 5.0f;
    static constexpr float kBlinkTime = 3.0f;
    static constexpr std::int32_t kLandedValue = 50;
    static constexpr std::int32_t kFallingValue = 75;
    // A save never holds more bags than this.
    static constexpr std::uint32_t kMaxBags = 1000;

    // Registers with the level's SaveLoadManager when there is one and finds the level's field.
    ThiefBag();
    ~ThiefBag() override;
    ThiefBag(const ThiefBag&) = delete;
    ThiefBag& operator=(const ThiefBag&) = delete;

    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;

    void ClearHover() override;
    void ChangeGui() override {}
    void OnGuiEvent() override {}
    // Marks the falling or landed bags under the point; always false, so the other objects are still
    // asked.
    bool IsPointInside(const Korrin::Vector2& point) override;
    // Collects every hovered bag; always false.
    bool TryClick() override;
    bool HasPanelPage() const override { return false; }

    // A bag thrown up from a caught thief at (x, y).
    void AddBag(float x, float y);

    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a negative count or more than kMaxBags, or a field that is not a finite
    // number.
    void Load(Korrin::BinaryReader& in) override;

    // The field the bags land on; a list without a level is given one.
    void SetGameField(GameField* field) { mField = field; }
    const std::list<Bag>& GetBags() const { return mBags; }
    // The sprite frame the bag shows (the landing sequence at its step).
    std::uint16_t FrameOf(const Bag& bag) const;
    // The alpha the bag is drawn with.
    static float AlphaOf(const Bag& bag);

private:
    // True when the bag is gone.
    bool UpdateBag(Bag& bag, float dt);
    void Collect(const Bag& bag);

    Korrin::AnimatedSprite* mSprite = nullptr;
    std::list<Bag> mBags;
    std::int32_t mLastStep = 12;
    GameField* mField = nullptr;
};
