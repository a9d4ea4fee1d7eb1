#include "platform/SingleInstance.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace Platform
{

namespace
{

std::atomic<bool> gRaiseRequested{false};

void OnRaiseSignal(int /*signal*/)
{
    gRaiseRequested.store(true);
}

} // namespace

SingleInstance::SingleInstance(const std::string& folder) : mPath(folder + "/wrenfold.lock")
{
    mFd = open(mPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (mFd < 0)
    {
        return;
    }
    if (flock(mFd, LOCK_EX | LOCK_NB) != 0)
    {
        mResult = Result::AlreadyRunning;
        SignalOwner();
        close(mFd);
        mFd = -1;
        return;
    }
    mResult = Result::Acquired;
    std::signal(SIGUSR1, OnRaiseSignal);
    WriteOwnProcessId();
}

SingleInstance::~SingleInstance()
{
    if (mFd >= 0)
    {
        std::signal(SIGUSR1, SIG_DFL);
        flock(mFd, LOCK_UN);
        close(mFd);
    }
}

bool SingleInstance::TakeRaiseRequest()
{
    return gRaiseRequested.exchange(false);
}

void SingleInstance::WriteOwnProcessId()
{
    const std::string text = std::to_string(getpid()) + "\n";
    if (ftruncate(mFd, 0) == 0)
    {
        [[maybe_unused]] const ssize_t written = pwrite(mFd, text.data(), text.size(), 0);
    }
}

void SingleInstance::SignalOwner()
{
    char text[32] = {};
    const ssize_t length = pread(mFd, text, sizeof(text) - 1, 0);
    if (length <= 0)
    {
        return;
    }
    char* end = nullptr;
    const long owner = std::strtol(text, &end, 10);
    if (end != text && owner > 1 && owner != getpid())
    {
        kill(static_cast<pid_t>(owner), SIGUSR1);
    }
}

} // namespace Platform
