#pragma once

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace Platform
{

// Threads that share a frame's rows. A job is cut into bands of rows, a few per thread, and each thread
// (the caller's among them) takes the next band not yet taken until none is left, so a thread that the
// system holds back does not hold the others up. Run returns when every band is done. Nothing is
// allocated per job.
class RasterWorkers
{
public:
    using Job = void (*)(void* context, int band, int bandCount);
    static constexpr int kBandsPerThread = 4;

    // threads 1 runs every job on the caller's thread alone, as one band.
    explicit RasterWorkers(int threads);
    ~RasterWorkers();
    RasterWorkers(const RasterWorkers&) = delete;
    RasterWorkers& operator=(const RasterWorkers&) = delete;

    int ThreadCount() const { return mThreadCount; }
    void Run(Job job, void* context);
    // The whole job on the caller's thread, as one band; the workers sleep on.
    static void RunAlone(Job job, void* context) { job(context, 0, 1); }

    // The rows of a band: [first, end).
    static int BandStart(int rows, int band, int bandCount)
    {
        return static_cast<int>(static_cast<std::int64_t>(rows) * band / bandCount);
    }

private:
    void WorkerLoop();
    void TakeBands();

    int mThreadCount = 1;
    int mBandCount = 1;
    std::atomic<int> mNextBand{0};
    std::vector<std::thread> mThreads;
    Job mJob = nullptr;
    void* mContext = nullptr;
    std::atomic<std::uint32_t> mGeneration{0};
    std::atomic<int> mPending{0};
    std::atomic<bool> mStopping{false};
};

} // namespace Platform
