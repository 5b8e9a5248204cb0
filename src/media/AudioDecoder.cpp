// AudioDecoder.cpp: choosing the reader by the file's signature.
#include "media/AudioDecoder.hpp"

#include "media/AudioOggDecoder.hpp"
#include "media/AudioWavDecoder.hpp"

namespace media
{
std::unique_ptr<AudioDecoder> AudioDecoder::open(std::shared_ptr<const std::string> bytes, std::string& error)
{
    if (!bytes) {
        error = "no sound data";
        return nullptr;
    }
    if (bytes->compare(0, 4, "RIFF") == 0)
        return AudioWavDecoder::open(std::move(bytes), error);
    if (bytes->compare(0, 4, "OggS") == 0)
        return AudioOggDecoder::open(std::move(bytes), error);
    error = "not a WAV or Ogg Vorbis sound";
    return nullptr;
}

std::optional<std::vector<std::int16_t>> AudioDecoder::readAll(std::string& error)
{
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(frames_) * channels_);
    std::vector<std::int16_t> chunk(static_cast<std::size_t>(4096) * channels_);
    while (true) {
        long n = read(chunk.data(), 4096);
        if (n < 0) {
            error = "sound data damaged";
            return std::nullopt;
        }
        if (n == 0)
            break;
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + n * channels_);
    }
    if (samples.empty()) {
        error = "sound holds no samples";
        return std::nullopt;
    }
    return samples;
}
} // namespace media
