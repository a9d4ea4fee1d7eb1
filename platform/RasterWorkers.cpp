#include "platform/RasterWorkers.h"

namespace Platform
{

RasterWorkers::RasterWorkers(int threads)
    : mThreadCount(threads < 1 ? 1 : threads),
      mBandCount(mThreadCount == 1 ? 1 : mThreadCount * kBandsPerThread)
{
    mThreads.reserve(static_cast<std::size_t>(mThreadCount - 1));
    for (int thread = 1; thread < mThreadCount; ++thread)
    {
        mThreads.emplace_back([this] { WorkerLoop(); });
    }
}

RasterWorkers::~RasterWorkers()
{
    mStopping.store(true);
    mGeneration.fetch_add(1);
    mGeneration.notify_all();
    for (std::thread& thread : mThreads)
    {
        thread.join();
    }
}

void RasterWorkers::Run(Job job, void* context)
{
    if (mThreadCount == 1)
    {
        job(context, 0, 1);
        return;
    }
    mJob = job;
    mContext = context;
    mNextBand.store(0);
    mPending.store(mThreadCount - 1);
    mGeneration.fetch_add(1);
    mGeneration.notify_all();
    TakeBands();
    for (int pending = mPending.load(); pending != 0; pending = mPending.load())
    {
        mPending.wait(pending);
    }
}

void RasterWorkers::TakeBands()
{
    for (int band = mNextBand.fetch_add(1); band < mBandCount; band = mNextBand.fetch_add(1))
    {
        mJob(mContext, band, mBandCount);
    }
}

void RasterWorkers::WorkerLoop()
{
    std::uint32_t seen = 0;
    for (;;)
    {
        mGeneration.wait(seen);
        seen = mGeneration.load();
        if (mStopping.load())
        {
            return;
        }
        TakeBands();
        if (mPending.fetch_sub(1) == 1)
        {
            mPending.notify_one();
        }
    }
}

} // namespace Platform
