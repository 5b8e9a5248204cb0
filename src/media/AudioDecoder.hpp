// AudioDecoder.hpp: WAV and Ogg Vorbis sounds read as 16-bit samples.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace media
{
// Reads one sound from its file's bytes, front to back, as interleaved signed 16-bit samples
// (left, right for stereo). The bytes are shared, so every copy of a streamed piece of music
// reads the one loaded file.
class AudioDecoder
{
public:
    virtual ~AudioDecoder() = default;

    // A decoder for WAV (PCM, 8 or 16 bits, mono or stereo) or Ogg Vorbis (mono or stereo)
    // bytes, chosen by their signature. Nothing, and `error` says why, when the bytes are not
    // such a sound, are damaged, hold no samples, or were cut short.
    static std::unique_ptr<AudioDecoder> open(std::shared_ptr<const std::string> bytes, std::string& error);

    int channels() const { return channels_; }
    int rate() const { return rate_; }
    std::int64_t frames() const { return frames_; }
    double lengthMs() const { return rate_ > 0 ? static_cast<double>(frames_) * 1000.0 / rate_ : 0.0; }

    // Up to `count` frames into `out` (channels() samples each): the number read, 0 at the
    // end, -1 when the data turns out to be damaged.
    virtual long read(std::int16_t* out, long count) = 0;
    // Back to the first frame; false when that fails.
    virtual bool rewind() = 0;

    // Every remaining frame; nothing (and `error`) when the data is damaged.
    std::optional<std::vector<std::int16_t>> readAll(std::string& error);

protected:
    int channels_ = 0;
    int rate_ = 0;
    std::int64_t frames_ = 0;
};
} // namespace media
