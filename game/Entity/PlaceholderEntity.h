#pragma once

#include "game/Entity/Entity.h"

#include <string>

namespace Korrin
{
class Sprite;
} // namespace Korrin

// The kinds of entity whose own behaviour is still to come: each stands on its cells as a placeholder
// picture, shows its panel page when clicked and keeps the records of the real entity.
class PlaceholderEntity : public Entity
{
public:
    ~PlaceholderEntity() override;

    // Loads the placeholder picture.
    void Init() override;
    bool Update(float dt) override;
    void Draw() override;
    // Shows the page of its type (its worker's page while that tab is chosen) with its upgrade dots, and
    // itself as the owner of the page's tabs where it has two.
    void ChangeGui() override;
    void OnGuiEvent() override {}

protected:
    // type: the type code, which also picks the price record.
    explicit PlaceholderEntity(std::uint8_t type);

    // The cells the entity covers: columns from anchor - cellsLeft to anchor + cellsRight, and its
    // height in pixels up from the bottom of its anchor row.
    struct Footprint
    {
        std::int32_t cellsLeft = 0;
        std::int32_t cellsRight = 0;
        float height = 48.0f;
    };
    virtual Footprint GetFootprint() const { return {}; }
    // Whether this draw pass of the entity manager is the one in which this entity draws.
    virtual bool DrawsInThisPass() const { return true; }
    virtual std::string GetPicture() const = 0;
    void OnPlaced() override;
    Korrin::Sprite* GetPictureSprite() const { return mPicture; }

private:
    Korrin::Sprite* mPicture = nullptr;
};
