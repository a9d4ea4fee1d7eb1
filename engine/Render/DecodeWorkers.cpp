#include "engine/Render/DecodeWorkers.h"

#include "platform/GraphicsDevice.h"

#include <algorithm>

namespace Korrin
{

namespace
{

// More threads than this gain little: the main thread makes the pictures' requests one by one.
constexpr int kMostThreads = 4;

} // namespace

DecodeWorkers::DecodeWorkers(int threads)
{
    for (int index = 0; index < std::max(threads, 1); ++index)
    {
        mThreads.emplace_back([this] { Work(); });
    }
}

DecodeWorkers::~DecodeWorkers()
{
    {
        std::lock_guard<std::mutex> guard(mLock);
        mStopping = true;
    }
    mWake.notify_all();
    for (std::thread& thread : mThreads)
    {
        thread.join();
    }
}

int DecodeWorkers::ThreadsFor(unsigned cores)
{
    return std::clamp(static_cast<int>(cores) - 1, 1, kMostThreads);
}

std::future<DecodeWorkers::Result> DecodeWorkers::Decode(FileData file, int maxSide)
{
    std::packaged_task<Result()> task(
        [file = std::move(file), maxSide]
        { return Platform::GraphicsDevice::DecodePicture(file.GetData(), file.GetSize(), maxSide); });
    std::future<Result> result = task.get_future();
    {
        std::lock_guard<std::mutex> guard(mLock);
        mQueue.push_back(std::move(task));
    }
    mWake.notify_one();
    return result;
}

void DecodeWorkers::Work()
{
    for (;;)
    {
        std::packaged_task<Result()> task;
        {
            std::unique_lock<std::mutex> guard(mLock);
            mWake.wait(guard, [this] { return mStopping || !mQueue.empty(); });
            if (mQueue.empty())
            {
                return;
            }
            task = std::move(mQueue.front());
            mQueue.pop_front();
        }
        task();
    }
}

} // namespace Korrin
