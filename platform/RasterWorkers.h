#pragma once

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace Platform
{

// Threads that share a frame's rows: each job runs once per band, the caller's thread taking band 0,
// and Run returns when every band is done. Nothing is allocated per job.
class RasterWorkers
{
public:
    using Job = void (*)(void* context, int band, int bandCount);

    // bandCount 1 runs every job on the caller's thread alone.
    explicit RasterWorkers(int bandCount);
    ~RasterWorkers();
    RasterWorkers(const RasterWorkers&) = delete;
    RasterWorkers& operator=(const RasterWorkers&) = delete;

    int BandCount() const { return mBandCount; }
    void Run(Job job, void* context);

    // The rows of a band: [first, end).
    static int BandStart(int rows, int band, int bandCount)
    {
        return static_cast<int>(static_cast<std::int64_t>(rows) * band / bandCount);
    }

private:
    void WorkerLoop(int band);

    int mBandCount = 1;
    std::vector<std::thread> mThreads;
    Job mJob = nullptr;
    void* mContext = nullptr;
    std::atomic<std::uint32_t> mGeneration{0};
    std::atomic<int> mPending{0};
    std::atomic<bool> mStopping{false};
};

} // namespace Platform
