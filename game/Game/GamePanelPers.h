#pragma once

#include <cstdint>
#include <vector>

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// The buyers still to come, as a row of four portraits in the panel: the next one large, the later ones
// smaller. When a buyer leaves for the field the row slides one place forward and the queue wraps to
// its start, so the row never runs empty. Hovering one of the first three shows that buyer's hint.
class GamePanelPers
{
public:
    static constexpr std::size_t kShown = 4;
    static constexpr std::size_t kSlots = 5;
    static constexpr std::uint8_t kFirstBuyerType = 139;
    static constexpr float kSlideTime = 0.5f;
    static constexpr float kHoverHalf = 18.0f;

    struct PortraitItem
    {
        std::uint32_t id = 0;
        float x = 0.0f;
        float y = 0.0f;
        float scaleX = 1.0f;
        float scaleY = 1.0f;
    };
    struct PortraitSlot
    {
        float x = 0.0f;
        float y = 0.0f;
        float scaleX = 1.0f;
        float scaleY = 1.0f;
    };

    GamePanelPers() = default;

    void Load();
    // Back to rest: no slide, the front of the queue first; the slots of the row. The portrait hovered
    // before is forgotten, so a new level starts as a fresh one.
    void Reset();
    // Empties the queue (the level loader refills it).
    void Clear();
    void AddPers(std::uint8_t type);
    void Advance();
    void Update(float dt);
    void Draw();
    // Starts the slide forward (a buyer left the queue for the field).
    void StartSlide() { mAnimating = 1; }

    const std::vector<std::int32_t>& GetQueue() const { return mQueue; }
    // The buyer kind of the front portrait, the next to be let in; 0 while the queue is empty.
    std::int32_t GetCurrentKind() const
    {
        return mQueue.empty() ? 0 : mQueue[mHead % mQueue.size()] + kFirstBuyerType;
    }
    const std::vector<PortraitItem>& GetItems() const { return mItems; }
    const std::vector<PortraitSlot>& GetSlots() const { return mSlots; }
    bool IsAnimating() const { return mAnimating != 0; }
    float GetProgress() const { return mProgress; }
    float GetFade() const { return mFade; }
    std::uint32_t GetHead() const { return mHead; }
    // The queue's place as a save keeps it: the front portrait once a slide under way has ended.
    std::uint32_t GetPlace() const;
    // True when a saved place fits the queue: 0 for a queue too short to move, else below its length.
    bool IsPlace(std::uint32_t place) const;
    // The row at rest with the saved place in front; a place that does not fit changes nothing.
    void SetPlace(std::uint32_t place);

private:
    void Hover();
    void Slide(float dt);
    void PlaceItem(std::size_t k, std::uint32_t id, const PortraitSlot& slot);
    void DrawItem(const PortraitItem& item);

    Korrin::AnimatedSprite* mSprite = nullptr;
    std::vector<std::int32_t> mQueue;
    std::vector<PortraitItem> mItems;
    std::vector<PortraitSlot> mSlots;
    std::uint8_t mAnimating = 0;
    float mProgress = 0.0f;
    std::uint32_t mHead = 0;
    float mFade = 1.0f;
    std::uint32_t mHoveredBefore = 0;
};
