#pragma once

#include <memory>

namespace Korrin
{
struct Vector2;
} // namespace Korrin

class AniMeshContainer;

// The pointing arrow shown over an object a tip refers to: an animated composite visual from
// "hintarrow.mesh", drawn above and to the left of its target.
class HintArrow
{
public:
    static constexpr const char* kScript = "hintarrow.mesh";
    static constexpr float kOffsetX = -118.0f;
    static constexpr float kOffsetY = -177.0f;

    HintArrow();
    ~HintArrow();
    HintArrow(const HintArrow&) = delete;
    HintArrow& operator=(const HintArrow&) = delete;

    // The arrow's visual is made by its owner, before Load.
    void Create();
    void Load();
    void Update(float dt);
    void Draw(const Korrin::Vector2& target);
    void Release();

    AniMeshContainer* GetContainer() const { return mContainer.get(); }

private:
    std::unique_ptr<AniMeshContainer> mContainer;
};
