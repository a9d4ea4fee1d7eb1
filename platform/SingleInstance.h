#pragma once

#include <string>

namespace Platform
{

// One running game per save folder: a lock file held for the life of the process. A second start
// finds the lock taken and asks the first to restore and raise its window.
class SingleInstance
{
public:
    enum class Result
    {
        Acquired,       // this process is the one
        AlreadyRunning, // another holds the lock; it has been asked to come to the front
        Unavailable,    // the lock file could not be made; the game runs without the check
    };

    explicit SingleInstance(const std::string& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Result GetResult() const { return mResult; }

    // The first instance's window should be brought to the front: set from a signal, read by the loop.
    static bool TakeRaiseRequest();

private:
    void WriteOwnProcessId();
    void SignalOwner();

    int mFd = -1;
    std::string mPath;
    Result mResult = Result::Unavailable;
};

} // namespace Platform
