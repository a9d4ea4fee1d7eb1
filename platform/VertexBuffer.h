#pragma once

#include "platform/Vertex.h"

#include <cstddef>
#include <memory>

namespace Platform
{

// A fixed number of vertices, written between Lock and Unlock and drawn while unlocked.
class VertexBuffer
{
public:
    explicit VertexBuffer(std::size_t capacity)
        : mVertices(std::make_unique<Vertex[]>(capacity)), mCapacity(capacity)
    {
    }

    std::size_t Capacity() const { return mCapacity; }
    // Discarding tells the device the old contents are not needed; nothing waits on them here.
    Vertex* Lock(bool /*discard*/)
    {
        mLocked = true;
        return mVertices.get();
    }
    void Unlock() { mLocked = false; }
    bool IsLocked() const { return mLocked; }
    const Vertex* Data() const { return mVertices.get(); }

private:
    std::unique_ptr<Vertex[]> mVertices;
    std::size_t mCapacity = 0;
    bool mLocked = false;
};

} // namespace Platform
