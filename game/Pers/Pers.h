#pragma once

#include "game/Blank.h"
#include "game/Entity/Clickable.h"
#include "game/Game/IJ.h"
#include "game/Game/SaveLoadObject.h"

#include <cstdint>
#include <string>

class Entity;

namespace Korrin
{
class Sprite;
} // namespace Korrin

// A character on the field: a gardener, an errand boy, a fairy, a buyer or a thief. Switched off it is
// neither drawn nor offered the mouse.
class Pers : public Blank, public Clickable, public SaveLoadObject
{
public:
    // Type codes of the characters' click interface.
    static constexpr std::uint8_t kGardener = 132;
    static constexpr std::uint8_t kErrandBoy = 133;
    static constexpr std::uint8_t kFairy = 134;
    static constexpr std::uint8_t kBuyer = 135;
    static constexpr std::uint8_t kThief = 136;

    // type: the character's type code; kind: the code it was made for (a building's base code, a
    // buyer's kind code).
    Pers(std::uint8_t type, std::uint8_t kind);
    ~Pers() override;

    // Loads the character's picture.
    void Init() override;
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override;
    // Switches the character on or off: its enabled byte, its overlay flag and its switched-on flag.
    void SetActive(bool on) override;
    // A character has no panel page of its own yet.
    void ChangeGui() override {}
    void OnGuiEvent() override {}
    // Drawn by the level above the field while the overlay flag is set.
    virtual void DrawOverlay() {}

    // Puts the character on a cell: its position and its screen rectangle follow.
    void SetIJ(std::int32_t I, std::int32_t J);
    void GetIJ(std::int32_t& I, std::int32_t& J) const
    {
        I = mCell.I;
        J = mCell.J;
    }
    std::uint8_t GetKind() const { return mKind; }
    Entity* GetEntity() const { return mEntity; }
    void SetEntity(Entity* entity) { mEntity = entity; }
    bool IsSwitchedOn() const { return mSwitchedOn != 0; }
    bool HasOverlay() const { return mOverlay != 0; }
    // The name of the animation the character plays ("" while it plays none).
    const std::string& GetAnimationName() const { return mAnimationName; }
    void SetAnimationName(const std::string& name) { mAnimationName = name; }
    Korrin::Vector2 GetPosition() const;

private:
    IJ mCell;
    Entity* mEntity = nullptr;
    std::uint8_t mKind = 0;
    std::uint8_t mSwitchedOn = 0;
    std::uint8_t mOverlay = 0;
    Korrin::Sprite* mPicture = nullptr;
    std::string mAnimationName;
};
