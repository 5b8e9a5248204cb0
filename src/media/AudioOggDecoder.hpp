// AudioOggDecoder.hpp: Ogg Vorbis sounds through libvorbisfile, read from memory.
#pragma once

#include "media/AudioDecoder.hpp"

#include <cstddef>

#include <vorbis/vorbisfile.h>

namespace media
{
class AudioOggDecoder final : public AudioDecoder
{
public:
    AudioOggDecoder() = default;
    ~AudioOggDecoder() override;
    AudioOggDecoder(const AudioOggDecoder&) = delete;
    AudioOggDecoder& operator=(const AudioOggDecoder&) = delete;

    // Nothing (and `error`) when the bytes are not Ogg Vorbis, have more than two channels, or
    // are cut short (a page incomplete, or the last page not marked as the stream's end).
    static std::unique_ptr<AudioOggDecoder> open(std::shared_ptr<const std::string> bytes,
                                                 std::string& error);

    long read(std::int16_t* out, long count) override;
    bool rewind() override;

    // What libvorbisfile's callbacks read from.
    std::size_t readBytes(void* to, std::size_t size);
    int seekTo(long long offset, int whence);
    long tellAt() const { return static_cast<long>(position_); }

private:
    std::shared_ptr<const std::string> bytes_;
    std::size_t position_ = 0;
    OggVorbis_File file_{};
    bool opened_ = false;
};
} // namespace media
