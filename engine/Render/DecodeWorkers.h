#pragma once

#include "engine/File/FileData.h"
#include "platform/DeviceTexture.h"

#include <condition_variable>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace Korrin
{

// A few threads that decode picture files while the main thread goes on loading. A decoded picture comes
// back through its future, so whoever takes it has waited for the whole of its decoding; the pixels are
// the same as a decode on the main thread gives.
class DecodeWorkers
{
public:
    using Result = std::unique_ptr<Platform::DeviceTexture>;

    explicit DecodeWorkers(int threads);
    // Decodes what is still queued, then ends the threads.
    ~DecodeWorkers();
    DecodeWorkers(const DecodeWorkers&) = delete;
    DecodeWorkers& operator=(const DecodeWorkers&) = delete;

    // The threads a machine with that many cores gets: a few, leaving a core to the main thread.
    static int ThreadsFor(unsigned cores);

    // The file's pixels (Platform::GraphicsDevice::DecodePicture), null for a broken file or one wider or
    // taller than maxSide.
    std::future<Result> Decode(FileData file, int maxSide);

private:
    void Work();

    std::mutex mLock;
    std::condition_variable mWake;
    std::deque<std::packaged_task<Result()>> mQueue;
    bool mStopping = false;
    std::vector<std::thread> mThreads;
};

} // namespace Korrin
