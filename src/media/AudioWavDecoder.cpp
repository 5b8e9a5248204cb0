// AudioWavDecoder.cpp
#include "media/AudioWavDecoder.hpp"

#include <algorithm>
#include <cstring>

namespace media
{
namespace
{
std::uint32_t le16(const std::string& b, std::size_t at)
{
    return static_cast<std::uint8_t>(b[at])
           | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8;
}

std::uint32_t le32(const std::string& b, std::size_t at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

constexpr std::uint32_t formatPcm = 1;
constexpr std::uint32_t formatExtensible = 0xFFFE;
// The tail every KSDATAFORMAT_SUBTYPE GUID shares; the PCM one starts with 1.
constexpr unsigned char guidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
} // namespace

std::unique_ptr<AudioWavDecoder> AudioWavDecoder::open(std::shared_ptr<const std::string> bytes,
                                                       std::string& error)
{
    const std::string& b = *bytes;
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
        error = "not a WAV file";
        return nullptr;
    }
    bool haveFormat = false;
    std::uint32_t channels = 0, rate = 0, bits = 0, blockAlign = 0;
    std::size_t at = 12;
    while (true) {
        if (b.size() - at < 8) {
            error = haveFormat ? "WAV file holds no sample data" : "WAV file cut short before its format";
            return nullptr;
        }
        std::string id = b.substr(at, 4);
        std::uint32_t size = le32(b, at + 4);
        std::size_t body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || b.size() - body < size) {
                error = "WAV format chunk cut short";
                return nullptr;
            }
            std::uint32_t tag = le16(b, body);
            channels = le16(b, body + 2);
            rate = le32(b, body + 4);
            blockAlign = le16(b, body + 12);
            bits = le16(b, body + 14);
            if (tag == formatExtensible) {
                // The sub-format GUID sits after cbSize, valid bits and the channel mask.
                bool pcm = size >= 40 && le32(b, body + 24) == formatPcm
                           && std::memcmp(b.data() + body + 26, guidTail, sizeof guidTail) == 0;
                tag = pcm ? formatPcm : 0;
            }
            if (tag != formatPcm) {
                error = "WAV file is not plain PCM";
                return nullptr;
            }
            if ((bits != 8 && bits != 16) || (channels != 1 && channels != 2)) {
                error = "WAV file has " + std::to_string(channels) + " channels of " + std::to_string(bits)
                        + " bits; only 8 or 16 bits, mono or stereo play";
                return nullptr;
            }
            if (rate < 1000 || rate > 384000 || blockAlign != channels * bits / 8) {
                error = "WAV format chunk is inconsistent";
                return nullptr;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                error = "WAV sample data comes before its format";
                return nullptr;
            }
            if (b.size() - body < size) {
                error = "WAV file cut short: " + std::to_string(b.size() - body) + " of "
                        + std::to_string(size) + " sample bytes";
                return nullptr;
            }
            auto decoder = std::make_unique<AudioWavDecoder>();
            decoder->channels_ = static_cast<int>(channels);
            decoder->rate_ = static_cast<int>(rate);
            decoder->bytesPerSample_ = static_cast<int>(bits / 8);
            decoder->frames_ = size / blockAlign;
            decoder->dataStart_ = body;
            if (decoder->frames_ == 0) {
                error = "WAV file holds no samples";
                return nullptr;
            }
            decoder->bytes_ = std::move(bytes);
            return decoder;
        }
        // Chunks are padded to an even length.
        std::size_t next = body + size + (size & 1);
        if (next < body || next > b.size()) {
            error = haveFormat ? "WAV file cut short before its sample data"
                               : "WAV file cut short before its format";
            return nullptr;
        }
        at = next;
    }
}

long AudioWavDecoder::read(std::int16_t* out, long count)
{
    if (!bytes_ || count <= 0)
        return 0;
    long n = static_cast<long>(std::min<std::int64_t>(count, frames_ - next_));
    const std::string& b = *bytes_;
    std::size_t at = dataStart_ + static_cast<std::size_t>(next_) * channels_ * bytesPerSample_;
    std::size_t samples = static_cast<std::size_t>(n) * channels_;
    for (std::size_t i = 0; i < samples; ++i) {
        if (bytesPerSample_ == 1) {
            // 8-bit samples are unsigned around 128.
            out[i] = static_cast<std::int16_t>((static_cast<std::uint8_t>(b[at + i]) - 128) * 256);
        } else {
            out[i] = static_cast<std::int16_t>(le16(b, at + 2 * i));
        }
    }
    next_ += n;
    return n;
}

bool AudioWavDecoder::rewind()
{
    next_ = 0;
    return true;
}
} // namespace media
