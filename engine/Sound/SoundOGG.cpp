#include "engine/Sound/SoundOGG.h"

#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace Korrin
{

namespace
{

// A file may claim any length in its last page; decoding is refused beyond this much PCM (about 25
// minutes of 44.1 kHz stereo), so a hostile file cannot ask for gigabytes.
constexpr std::int64_t kMaxPcmBytes = std::int64_t{1} << 28;

constexpr ov_callbacks kMemoryCallbacks = {&SoundOGG::MemoryRead, &SoundOGG::MemorySeek,
                                           &SoundOGG::MemoryClose, &SoundOGG::MemoryTell};

// A whole stream ends on a page marked as its last (the page header's flag 4); a file cut between pages
// ends on an unmarked one and claims only the length up to there, so the decoder cannot tell.
bool EndsOnItsLastPage(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kHeaderBytes = 27;
    constexpr std::uint8_t kLastPage = 4;
    for (std::size_t at = size >= kHeaderBytes ? size - kHeaderBytes + 1 : 0; at-- > 0;)
    {
        if (std::memcmp(data + at, "OggS", 4) == 0)
        {
            return (data[at + 5] & kLastPage) != 0;
        }
    }
    return false;
}

void LogUnusable(const std::string& name, bool quiet, const char* why)
{
    if (LogManager* log = LogManager::Peek(); log != nullptr && !quiet)
    {
        log->Write("SoundOGG %s: %s; it stays silent", name.c_str(), why);
    }
}

} // namespace

SoundOGG::SoundOGG() = default;

SoundOGG::~SoundOGG()
{
    Close();
    mFileCopy.Free();
}

bool SoundOGG::Open(const std::string& name)
{
    Close();
    FileData file;
    if (!FileSysManager::GetInstance()->FindFileData(name, file, "rb") || !file.HasData())
    {
        LogManager::GetInstance()->Write("File not load: %s", name.c_str());
        return false;
    }
    return OpenCopy(name, std::move(file), false);
}

bool SoundOGG::OpenCopy(const std::string& name, FileData file, bool quiet)
{
    Close();
    mFileCopy = std::move(file);
    if (!mFileCopy.HasData())
    {
        return false;
    }
    mName = name;
    mQuiet = quiet;
    mCutShortLogged = false;
    mSource = MemorySource{mFileCopy.GetData(), mFileCopy.GetSize(), 0};
    if (ov_open_callbacks(&mSource, &mDecoder, nullptr, 0, kMemoryCallbacks) < 0)
    {
        Close();
        LogUnusable(name, quiet, "the file is not an Ogg Vorbis sound, or its headers are damaged");
        return false;
    }
    mOpen = true;
    if (!OpenDecoder())
    {
        LogUnusable(name, quiet, "the sound's format or length cannot be played");
        return false;
    }
    if (!quiet && !EndsOnItsLastPage(mFileCopy.GetData(), mFileCopy.GetSize()))
    {
        if (LogManager* log = LogManager::Peek())
        {
            log->Write("SoundOGG %s: the data ends before the stream's last page (cut short); it plays as "
                       "far as it goes",
                       name.c_str());
        }
    }
    return true;
}

bool SoundOGG::OpenDecoder()
{
    const vorbis_info* info = ov_info(&mDecoder, -1);
    const ogg_int64_t samples = ov_pcm_total(&mDecoder, -1);
    if (info == nullptr || info->channels < 1 || info->channels > 2 || info->rate < 1 ||
        info->rate > std::numeric_limits<std::int32_t>::max() || samples < 0)
    {
        Close();
        return false;
    }
    mFormat = Platform::PcmFormat::Pcm16(static_cast<std::uint16_t>(info->channels),
                                         static_cast<std::uint32_t>(info->rate));
    const std::int64_t total = static_cast<std::int64_t>(samples) * mFormat.blockAlign;
    if (total > kMaxPcmBytes)
    {
        Close();
        return false;
    }
    mTotalBytes = static_cast<std::uint32_t>(total);
    mBytesRead = 0;
    return true;
}

void SoundOGG::Rewind()
{
    mBytesRead = 0;
    if (mOpen)
    {
        ov_pcm_seek(&mDecoder, 0);
    }
}

std::int32_t SoundOGG::Read(std::uint8_t* buffer, std::int32_t bytes, bool loop)
{
    if (bytes < 1 || buffer == nullptr)
    {
        return 0;
    }
    std::int32_t delivered = 0;
    // A looping read starts over as often as the request needs (a track shorter than the read plays
    // several times in it); only a pass from the start that gives nothing ends it, so that a stream
    // with nothing in it cannot spin here.
    bool rewound = false;
    std::int32_t sinceRewind = 0;
    while (delivered < bytes)
    {
        if (mBytesRead >= mTotalBytes)
        {
            if (loop && mTotalBytes > 0 && (!rewound || sinceRewind > 0))
            {
                Rewind();
                rewound = true;
                sinceRewind = 0;
                continue;
            }
            break;
        }
        const long got = mOpen ? ov_read(&mDecoder, reinterpret_cast<char*>(buffer + delivered),
                                         bytes - delivered, 0, 2, 1, nullptr)
                               : 0;
        if (got <= 0)
        {
            LogCutShort(got);
            // The decoder has no more to give before the length the file claimed: the stream ends here,
            // so that a looping track starts over instead of staying silent.
            if (got == 0)
            {
                mTotalBytes = mBytesRead;
                if (mBytesRead > 0)
                {
                    continue;
                }
            }
            break;
        }
        mBytesRead += static_cast<std::uint32_t>(got);
        delivered += static_cast<std::int32_t>(got);
        sinceRewind += static_cast<std::int32_t>(got);
    }
    std::memset(buffer + delivered, 0, static_cast<std::size_t>(bytes - delivered));
    return delivered;
}

void SoundOGG::LogCutShort(long decoderResult)
{
    if (mCutShortLogged)
    {
        return;
    }
    mCutShortLogged = true;
    if (LogManager* log = LogManager::Peek(); log != nullptr && !mQuiet)
    {
        log->Write("SoundOGG %s: %s after %u of %u bytes of sound; the rest is silent", mName.c_str(),
                   decoderResult == 0 ? "the data ends" : "the data is damaged", mBytesRead, mTotalBytes);
    }
}

void SoundOGG::Close()
{
    if (mOpen)
    {
        ov_clear(&mDecoder);
    }
    mOpen = false;
}

std::size_t SoundOGG::MemoryRead(void* destination, std::size_t size, std::size_t count, void* source)
{
    auto* memory = static_cast<MemorySource*>(source);
    if (memory == nullptr || destination == nullptr || size == 0 || count == 0)
    {
        return 0;
    }
    const std::size_t left = memory->size - std::min(memory->position, memory->size);
    std::size_t elements = count;
    if (count > left / size)
    {
        elements = left / size;
    }
    const std::size_t bytes = elements * size;
    std::memcpy(destination, memory->data + memory->position, bytes);
    memory->position += static_cast<std::uint32_t>(bytes);
    return elements;
}

int SoundOGG::MemorySeek(void* source, ogg_int64_t offset, int whence)
{
    auto* memory = static_cast<MemorySource*>(source);
    if (memory == nullptr)
    {
        return -1;
    }
    std::int64_t target = 0;
    switch (whence)
    {
    case SEEK_SET:
        target = offset;
        break;
    case SEEK_CUR:
        target = static_cast<std::int64_t>(memory->position) + offset;
        break;
    case SEEK_END:
        target = static_cast<std::int64_t>(memory->size) - 1 + offset;
        break;
    default:
        return -1;
    }
    if (target < 0 || target >= static_cast<std::int64_t>(memory->size))
    {
        return -1;
    }
    memory->position = static_cast<std::uint32_t>(target);
    return 0;
}

int SoundOGG::MemoryClose(void* source)
{
    return source == nullptr ? -1 : 0;
}

long SoundOGG::MemoryTell(void* source)
{
    const auto* memory = static_cast<const MemorySource*>(source);
    return memory == nullptr ? -1 : static_cast<long>(memory->position);
}

} // namespace Korrin
