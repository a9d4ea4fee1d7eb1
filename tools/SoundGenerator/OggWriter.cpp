#include "tools/SoundGenerator/OggWriter.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vorbis/vorbisenc.h>

namespace
{

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool WritePage(std::FILE* file, const ogg_page& page)
{
    return std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) ==
               static_cast<std::size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) ==
               static_cast<std::size_t>(page.body_len);
}

// The encoder's state, released in the reverse order of set-up.
class Encoder
{
public:
    Encoder(int channels, long rate, float quality)
    {
        vorbis_info_init(&mInfo);
        mReady = vorbis_encode_init_vbr(&mInfo, channels, rate, quality) == 0;
        vorbis_comment_init(&mComment);
        if (mReady)
        {
            vorbis_analysis_init(&mDsp, &mInfo);
            vorbis_block_init(&mDsp, &mBlock);
            // A fixed serial number keeps the output the same from build to build.
            ogg_stream_init(&mStream, 0x57464f47);
        }
    }
    ~Encoder()
    {
        if (mReady)
        {
            ogg_stream_clear(&mStream);
            vorbis_block_clear(&mBlock);
            vorbis_dsp_clear(&mDsp);
        }
        vorbis_comment_clear(&mComment);
        vorbis_info_clear(&mInfo);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool WriteHeaders(std::FILE* file)
    {
        ogg_packet identification;
        ogg_packet comments;
        ogg_packet codebooks;
        vorbis_analysis_headerout(&mDsp, &mComment, &identification, &comments, &codebooks);
        ogg_stream_packetin(&mStream, &identification);
        ogg_stream_packetin(&mStream, &comments);
        ogg_stream_packetin(&mStream, &codebooks);
        ogg_page page;
        while (ogg_stream_flush(&mStream, &page) != 0)
        {
            if (!WritePage(file, page))
            {
                return false;
            }
        }
        return true;
    }

    bool Encode(std::FILE* file, const std::vector<float>& samples, int channels)
    {
        const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
        constexpr std::size_t kChunk = 1024;
        for (std::size_t start = 0; start < frames; start += kChunk)
        {
            const std::size_t count = std::min(kChunk, frames - start);
            float** buffer = vorbis_analysis_buffer(&mDsp, static_cast<int>(count));
            for (std::size_t frame = 0; frame < count; ++frame)
            {
                for (int channel = 0; channel < channels; ++channel)
                {
                    buffer[channel][frame] = samples[(start + frame) * static_cast<std::size_t>(channels) +
                                                     static_cast<std::size_t>(channel)];
                }
            }
            vorbis_analysis_wrote(&mDsp, static_cast<int>(count));
            if (!Drain(file))
            {
                return false;
            }
        }
        vorbis_analysis_wrote(&mDsp, 0);
        return Drain(file);
    }

    bool IsReady() const { return mReady; }

private:
    bool Drain(std::FILE* file)
    {
        while (vorbis_analysis_blockout(&mDsp, &mBlock) == 1)
        {
            vorbis_analysis(&mBlock, nullptr);
            vorbis_bitrate_addblock(&mBlock);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&mDsp, &packet) != 0)
            {
                ogg_stream_packetin(&mStream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&mStream, &page) != 0)
                {
                    if (!WritePage(file, page))
                    {
                        return false;
                    }
                }
            }
        }
        return true;
    }

    vorbis_info mInfo{};
    vorbis_comment mComment{};
    vorbis_dsp_state mDsp{};
    vorbis_block mBlock{};
    ogg_stream_state mStream{};
    bool mReady = false;
};

} // namespace

bool OggWriter::Write(const std::string& path, const std::vector<float>& samples, int channels, long rate,
                      float quality)
{
    Encoder encoder(channels, rate, quality);
    if (!encoder.IsReady())
    {
        return false;
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
    {
        return false;
    }
    return encoder.WriteHeaders(file.get()) && encoder.Encode(file.get(), samples, channels) &&
           std::fflush(file.get()) == 0;
}
