#pragma once

#include "engine/Util/Moveable.h"
#include "engine/Util/Vector2.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Korrin
{
class AnimatedSprite;
class Mesh;
class NullSprite;
class Sprite;
} // namespace Korrin

// The picture behind the field: a moving sky, the backdrop image, birds flying along paths and flowing
// water, in that drawing order (water first, so it shows through the image's clear parts). The four
// backdrops differ in their files and in what they add before and after the birds.
class LevelBackdrop : public Blank
{
public:
    // The backdrop of a level file's background type: 0 to 3, any other value the first.
    static LevelBackdrop* Create(std::uint32_t type);

    // Gives its drawables back to the sprite manager, so that level after level adds none.
    ~LevelBackdrop() override;

    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;

    struct Bird
    {
        Korrin::Moveable path;
        Korrin::Vector2 position;
        float frameSpeed = 0.0f;
        float frame = 0.0f;
    };
    const std::vector<Bird>& GetBirds() const { return mBirds; }

protected:
    struct Files
    {
        const char* sky = nullptr;
        const char* image = nullptr;
        float imageHeight = 0.0f;
        const char* birds = nullptr; // null: no birds
        float birdAlpha = 1.0f;
    };
    struct Water
    {
        Korrin::Mesh* mesh = nullptr;
        float scrollRate = 0.0f;
    };

    explicit LevelBackdrop(const Files& files) : mFiles(files) {}

    // What a backdrop loads after the common parts, in the order of its extras.
    virtual void LoadWater() {}
    virtual void LoadExtras() {}
    virtual void UpdateExtras(float /*dt*/) {}
    virtual void DrawBeforeBirds() {}
    virtual void DrawAfterBirds() {}

    void AddWater(const std::string& table, const std::string& script, float scrollRate);
    // Deletes a drawable through the sprite manager (when there still is one) and clears the pointer.
    template <typename T>
    static void Release(T*& drawable)
    {
        ReleaseDrawable(drawable);
        drawable = nullptr;
    }
    static void ReleaseDrawable(Korrin::NullSprite* drawable);

    std::vector<Water> mWater;

private:
    void UpdateBird(Bird& bird, float dt) const;

    Files mFiles;
    Korrin::AnimatedSprite* mSky = nullptr;
    Korrin::Sprite* mImage = nullptr;
    Korrin::AnimatedSprite* mBirdSprite = nullptr;
    std::vector<Bird> mBirds;
};
