#pragma once

#include "engine/Util/Singleton.h"
#include "engine/Util/Vector2.h"
#include "game/Entity/EntityTask.h"
#include "game/Util/Blank.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// The order queues of the level's entities, drawn as rows of small icons; a click on a queued order's
// icon cancels it with a refund.
class EntityTaskManager : public Blank, public Korrin::Singleton<EntityTaskManager>
{
public:
    // Each icon's place is this many pixels wide; the click area takes one column more than the hover.
    static constexpr float kIconStep = 23.0f;
    static constexpr std::uint16_t kFreeFrame = 0;
    static constexpr std::uint16_t kLockedFrame = 1;

    EntityTaskManager() = default;
    ~EntityTaskManager() override;

    static EntityTaskManager* GetInstance()
    {
        return CheckedInstance("EntityTaskManager::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\Game\\Entity\\EntityTaskManager", 16);
    }

    // Adds a queue to the rows; a queue already there is not added twice. Not owned.
    void Register(EntityTask* queue);
    // Loads the icons.
    void Init() override;
    void Reset() override {}
    // Cancels the order under a new click.
    bool Update(float dt) override;
    void Draw() override;

    // The icon frame of a goods id (0 for ids that have none).
    static std::uint16_t IconFrame(std::uint8_t goods);
    // The frames of a queue's row: its orders, then free places up to its limit, then locked places.
    static std::array<std::uint16_t, EntityTask::kMaxTasks> RowFrames(const EntityTask& queue);
    // Whether the point lies on order i of the row at (x, y): within the click area, or within the
    // narrower hover area.
    static bool InClickArea(const Korrin::Vector2& point, float x, float y, std::size_t i);
    static bool InHoverArea(const Korrin::Vector2& point, float x, float y, std::size_t i);

    const std::vector<EntityTask*>& GetQueues() const { return mQueues; }
    Korrin::AnimatedSprite* GetIcons() const { return mIcons; }

private:
    void DrawQueue(const EntityTask& queue, const Korrin::Vector2* mouse);

    std::vector<EntityTask*> mQueues;
    Korrin::AnimatedSprite* mIcons = nullptr;
};
