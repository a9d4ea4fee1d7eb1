#include "game/Entity/EntityTaskManager.h"

#include "engine/App/InputManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "game/Entity/EntityTask.h"
#include "game/Game/Clickable.h"
#include "game/Util/InputLocks.h"
#include "game/Util/VirtualMouse.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kIconHeight = 23.0f;
// The hover highlight stops one column short of the next icon.
constexpr float kHoverWidth = 22.0f;
constexpr Korrin::Colour kHighlight{1.0f, 1.0f, 1.0f, 0.5f};
constexpr std::uint32_t kAdditive = 2;

bool Within(const Korrin::Vector2& point, float left, float top, float width)
{
    return point.x >= left && point.x <= left + width && point.y >= top && point.y <= top + kIconHeight;
}
} // namespace

EntityTaskManager::~EntityTaskManager()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        sprites->DeleteSprite(mIcons);
    }
}

void EntityTaskManager::Register(EntityTask* queue)
{
    if (queue != nullptr && std::find(mQueues.begin(), mQueues.end(), queue) == mQueues.end())
    {
        mQueues.push_back(queue);
    }
}

void EntityTaskManager::Init()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    sprites->DeleteSprite(mIcons);
    mIcons = sprites->LoadAnimatedSprite("BuildingTaskList", "GuiBuilding.lua");
}

std::uint16_t EntityTaskManager::IconFrame(std::uint8_t goods)
{
    if (goods >= 84 && goods <= 112)
    {
        return static_cast<std::uint16_t>(goods - 79);
    }
    if (goods >= 115 && goods <= 117)
    {
        return static_cast<std::uint16_t>(goods - 81);
    }
    if (goods >= 119 && goods <= 124)
    {
        return static_cast<std::uint16_t>(goods - 82);
    }
    if (goods >= 126 && goods <= 128)
    {
        return static_cast<std::uint16_t>(goods - 124);
    }
    return kFreeFrame;
}

bool EntityTaskManager::InClickArea(const Korrin::Vector2& point, float x, float y, std::size_t i)
{
    return Within(point, x + kIconStep * static_cast<float>(i), y, kIconStep);
}

bool EntityTaskManager::InHoverArea(const Korrin::Vector2& point, float x, float y, std::size_t i)
{
    return Within(point, x + kIconStep * static_cast<float>(i), y, kHoverWidth);
}

bool EntityTaskManager::Update(float /*dt*/)
{
    if (InputLocks::first || InputLocks::second || InputLocks::third || !Clickable::LeftButtonWentDown())
    {
        return true;
    }
    Korrin::Vector2 mouse;
    if (!VirtualMousePosition(mouse))
    {
        return true;
    }
    for (EntityTask* queue : mQueues)
    {
        for (std::size_t i = 0; i < queue->GetTaskCount(); ++i)
        {
            if (InClickArea(mouse, queue->GetTaskX(), queue->GetTaskY(), i))
            {
                queue->RemoveTask(static_cast<std::uint8_t>(i), true);
                break;
            }
        }
    }
    return true;
}

void EntityTaskManager::Draw()
{
    if (mIcons == nullptr)
    {
        return;
    }
    Korrin::Vector2 mouse;
    const bool hasMouse = VirtualMousePosition(mouse);
    for (const EntityTask* queue : mQueues)
    {
        DrawQueue(*queue, hasMouse ? &mouse : nullptr);
    }
}

std::array<std::uint16_t, EntityTask::kMaxTasks> EntityTaskManager::RowFrames(const EntityTask& queue)
{
    std::array<std::uint16_t, EntityTask::kMaxTasks> frames{};
    const std::size_t count = queue.GetTaskCount();
    for (std::size_t i = 0; i < frames.size(); ++i)
    {
        if (i < count)
        {
            frames[i] = IconFrame(queue.GetTask(static_cast<std::uint8_t>(i)));
        }
        else
        {
            frames[i] = i < queue.GetTaskLimit() ? kFreeFrame : kLockedFrame;
        }
    }
    return frames;
}

void EntityTaskManager::DrawQueue(const EntityTask& queue, const Korrin::Vector2* mouse)
{
    const float x = std::floor(queue.GetTaskX());
    const auto y = static_cast<int>(std::floor(queue.GetTaskY()));
    const std::array<std::uint16_t, EntityTask::kMaxTasks> frames = RowFrames(queue);
    for (std::size_t i = 0; i < frames.size(); ++i)
    {
        const auto left = static_cast<int>(x + kIconStep * static_cast<float>(i));
        mIcons->DrawFrame(frames[i], left, y);
        // A queued order under the mouse lights up: a click there cancels it.
        if (i < queue.GetTaskCount() && mouse != nullptr && InHoverArea(*mouse, x, static_cast<float>(y), i))
        {
            const std::uint32_t blend = mIcons->GetBlendMode();
            mIcons->SetBlendMode(kAdditive);
            mIcons->SetColourV(kHighlight);
            mIcons->DrawFrame(frames[i], left, y);
            mIcons->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
            mIcons->SetBlendMode(blend);
        }
    }
}
