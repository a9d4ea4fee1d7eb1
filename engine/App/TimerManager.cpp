#include "engine/App/TimerManager.h"

#include "platform/Services.h"

namespace Korrin
{

TimerManager::TimerManager() = default;
TimerManager::~TimerManager() = default;

TimerManager* TimerManager::GetInstance()
{
    return CheckedInstance("TimerManager::mSingleton==NULL", kEngineModule, "Source\\App\\TimerManager", 13);
}

std::int64_t TimerManager::ReadCounter() const
{
    return Platform::Services::Current().GetClock().Counter();
}

void TimerManager::Update()
{
    const std::int64_t now = ReadCounter();
    mDelta = static_cast<float>(now - mLastCount) / static_cast<float>(mFrequency);
    mLastCount = now;
    if (mDelta < 0.0f)
    {
        mDelta = 0.0f;
    }
    mElapsed = static_cast<float>(ReadCounter() - mStartCount) / static_cast<float>(mFrequency);
}

void TimerManager::Reset()
{
    const std::int64_t frequency = Platform::Services::Current().GetClock().Frequency();
    mFrequency = frequency > 0 ? frequency : 1;
    mStartCount = ReadCounter();
    mLastCount = mStartCount;
    ClearTimes();
}

void TimerManager::ClearTimes()
{
    mDelta = 0.0f;
    mElapsed = 0.0f;
}

} // namespace Korrin
