// OggFile.cpp: the Vorbis encoder (libvorbisenc) feeding an Ogg stream (libogg).
#include "OggFile.hpp"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <system_error>

#include <vorbis/vorbisenc.h>

namespace contentgen
{
namespace
{
// The libvorbis and libogg states, released together whatever way the encoder is left.
struct Encoder
{
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool dspReady = false;
    bool streamReady = false;

    Encoder()
    {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder()
    {
        if (streamReady) {
            ogg_stream_clear(&stream);
        }
        if (dspReady) {
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

// FNV-1a of the file name: a fixed serial number per file.
int serialFor(const std::filesystem::path& path)
{
    std::uint32_t h = 2166136261u;
    for (const char c : path.filename().string()) {
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return static_cast<int>(h & 0x7fffffffu);
}

void writePage(std::ofstream& out, const ogg_page& page)
{
    out.write(reinterpret_cast<const char*>(page.header), page.header_len);
    out.write(reinterpret_cast<const char*>(page.body), page.body_len);
}
} // namespace

bool saveOgg(const Sound& sound, const std::filesystem::path& path, double quality, const OggTags& tags,
             std::string& error)
{
    if (sound.frames() == 0) {
        error = path.string() + ": nothing to encode";
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = path.string() + ": cannot open for writing";
        return false;
    }

    Encoder e;
    const int channels = sound.channels();
    if (vorbis_encode_init_vbr(&e.info, channels, Sound::rate, static_cast<float>(quality)) != 0) {
        error = path.string() + ": the Vorbis encoder refused the settings";
        return false;
    }
    for (const auto& [key, value] : tags) {
        vorbis_comment_add_tag(&e.comment, key.c_str(), value.c_str());
    }
    vorbis_analysis_init(&e.dsp, &e.info);
    vorbis_block_init(&e.dsp, &e.block);
    e.dspReady = true;
    ogg_stream_init(&e.stream, serialFor(path));
    e.streamReady = true;

    ogg_packet header{};
    ogg_packet commentHeader{};
    ogg_packet codeHeader{};
    vorbis_analysis_headerout(&e.dsp, &e.comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&e.stream, &header);
    ogg_stream_packetin(&e.stream, &commentHeader);
    ogg_stream_packetin(&e.stream, &codeHeader);
    ogg_page page{};
    // The headers get pages of their own, so the audio starts on a fresh page.
    while (ogg_stream_flush(&e.stream, &page) != 0) {
        writePage(out, page);
    }

    constexpr std::size_t chunk = 4096;
    std::size_t done = 0;
    bool ended = false;
    while (!ended) {
        const std::size_t count = std::min(chunk, sound.frames() - done);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&e.dsp, static_cast<int>(count));
            for (int c = 0; c < channels; ++c) {
                const std::vector<float>& samples = sound.channel(c);
                for (std::size_t i = 0; i < count; ++i) {
                    buffer[c][i] = std::clamp(samples[done + i], -1.0f, 1.0f);
                }
            }
            vorbis_analysis_wrote(&e.dsp, static_cast<int>(count));
            done += count;
        } else {
            vorbis_analysis_wrote(&e.dsp, 0); // the end of the stream
        }
        while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
            vorbis_analysis(&e.block, nullptr);
            vorbis_bitrate_addblock(&e.block);
            ogg_packet packet{};
            while (vorbis_bitrate_flushpacket(&e.dsp, &packet) == 1) {
                ogg_stream_packetin(&e.stream, &packet);
                while (ogg_stream_pageout(&e.stream, &page) != 0) {
                    writePage(out, page);
                    ended = ended || ogg_page_eos(&page) != 0;
                }
            }
        }
        if (count == 0 && !ended) {
            // Every block is out; push whatever the stream still holds.
            while (ogg_stream_flush(&e.stream, &page) != 0) {
                writePage(out, page);
            }
            ended = true;
        }
    }
    out.close();
    if (!out) {
        error = path.string() + ": writing failed";
        return false;
    }
    return true;
}
} // namespace contentgen
