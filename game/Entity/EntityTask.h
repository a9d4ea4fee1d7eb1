#pragma once

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"

#include <cstdint>
#include <string>
#include <vector>

class Entity;

// The paid orders queued on an entity, oldest first: each is one goods id, paid when queued and
// refunded when the player cancels it. Buildings, garden beds and the well fill it.
class EntityTask
{
public:
    // The most orders a queue holds, and the places its icon row shows.
    static constexpr std::uint8_t kMaxTasks = 5;

    virtual ~EntityTask() = default;

    // Pays the order's price and queues it; false with nothing changed when the queue is at its limit or
    // the money does not reach.
    bool AddTask(std::uint8_t goods);
    // The goods id at the index; 0 past the end.
    std::uint8_t GetTask(std::uint8_t index) const;
    // Drops one order; with refund its price comes back as a rising money figure and the owner's panel
    // is refreshed. False for an index past the end.
    virtual bool RemoveTask(std::uint8_t index, bool refund);
    std::size_t GetTaskCount() const { return mTasks.size(); }
    std::uint8_t GetTaskLimit() const { return mTaskLimit; }
    // At most kMaxTasks.
    void SetTaskLimit(std::uint8_t limit);
    // The top-left corner of the queue's icon row on the screen.
    float GetTaskX() const { return mTaskX; }
    float GetTaskY() const { return mTaskY; }
    void SetTaskPosition(float x, float y)
    {
        mTaskX = x;
        mTaskY = y;
    }
    Entity* GetTaskOwner() const { return mTaskOwner; }

    // The price of one order of those goods: the goods cost for ids 84 to 128, else free.
    static std::uint16_t OrderPrice(std::uint8_t goods);

protected:
    explicit EntityTask(Entity* owner) : mTaskOwner(owner) { mTasks.reserve(kMaxTasks); }
    EntityTask(const EntityTask&) = delete;
    EntityTask& operator=(const EntityTask&) = delete;

    // The queue's part of the entity's record: u32 count, the goods ids, u8 limit.
    void SaveTasks(Korrin::BinaryWriter& out) const;
    // Fails the reader on a count or a limit above kMaxTasks.
    void LoadTasks(Korrin::BinaryReader& in);

    std::vector<std::uint8_t> mTasks;
    std::string mTaskListName;
    float mTaskX = 0.0f;
    float mTaskY = 0.0f;
    std::uint8_t mTaskLimit = kMaxTasks;
    Entity* mTaskOwner = nullptr;
};
