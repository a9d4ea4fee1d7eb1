#pragma once

#include "engine/File/FileData.h"
#include "engine/Sound/SoundFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vorbis/vorbisfile.h>

namespace Korrin
{

// An Ogg Vorbis stream decoded from a copy of its file held in memory.
class SoundOGG : public SoundFile
{
public:
    // The decoder's view of the file copy.
    struct MemorySource
    {
        const std::uint8_t* data = nullptr;
        std::uint32_t size = 0;
        std::uint32_t position = 0;
    };

    SoundOGG();
    ~SoundOGG() override;

    bool Open(const std::string& name) override;
    // Opens a copy of the file already read; with quiet, a stream that ends part-way is not logged but
    // only told by EndedPartWay (for a decode on another thread, whose caller decides).
    bool OpenCopy(const std::string& name, FileData file, bool quiet);
    bool EndedPartWay() const { return mCutShortLogged; }
    void Rewind() override;
    std::int32_t Read(std::uint8_t* buffer, std::int32_t bytes, bool loop) override;
    void Close() override;

    // The decoder's file operations on a MemorySource.
    static std::size_t MemoryRead(void* destination, std::size_t size, std::size_t count, void* source);
    static int MemorySeek(void* source, ogg_int64_t offset, int whence);
    static int MemoryClose(void* source);
    static long MemoryTell(void* source);

private:
    bool OpenDecoder();
    void LogCutShort(long decoderResult);

    OggVorbis_File mDecoder{};
    bool mOpen = false;
    MemorySource mSource;
    FileData mFileCopy;
    std::string mName;
    // A stream that ends part-way is said once per opening, not at every read that meets it.
    bool mCutShortLogged = false;
    bool mQuiet = false;
};

} // namespace Korrin
