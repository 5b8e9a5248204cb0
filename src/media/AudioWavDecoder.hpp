// AudioWavDecoder.hpp: our own reader of RIFF WAVE files holding PCM samples.
#pragma once

#include "media/AudioDecoder.hpp"

#include <cstddef>

namespace media
{
// Plain PCM (format 1, or the extensible format with the PCM sub-format), 8-bit unsigned or
// 16-bit signed, one or two channels. Chunks it does not know are skipped.
class AudioWavDecoder final : public AudioDecoder
{
public:
    // Nothing (and `error`) when the bytes are not such a file or the sample data is cut short.
    static std::unique_ptr<AudioWavDecoder> open(std::shared_ptr<const std::string> bytes,
                                                 std::string& error);

    long read(std::int16_t* out, long count) override;
    bool rewind() override;

private:
    std::shared_ptr<const std::string> bytes_;
    std::size_t dataStart_ = 0; // first sample byte
    int bytesPerSample_ = 2;
    std::int64_t next_ = 0; // next frame to read
};
} // namespace media
