// AudioOggDecoder.cpp
#include "media/AudioOggDecoder.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace media
{
namespace
{
std::size_t readCallback(void* to, std::size_t size, std::size_t count, void* source)
{
    if (size == 0)
        return 0;
    return static_cast<AudioOggDecoder*>(source)->readBytes(to, size * count) / size;
}

int seekCallback(void* source, ogg_int64_t offset, int whence)
{
    return static_cast<AudioOggDecoder*>(source)->seekTo(offset, whence);
}

long tellCallback(void* source)
{
    return static_cast<AudioOggDecoder*>(source)->tellAt();
}

// Walks the Ogg pages: every page must be whole, and the last one must close its stream.
// libvorbisfile itself quietly plays a file cut at a page boundary as a shorter sound.
bool wholeOggPages(const std::string& b, std::string& error)
{
    constexpr std::size_t headerSize = 27;
    std::size_t at = 0;
    unsigned char lastType = 0;
    while (at < b.size()) {
        if (b.size() - at < headerSize) {
            error = "Ogg file cut short inside a page header";
            return false;
        }
        if (b.compare(at, 4, "OggS") != 0) {
            error = "Ogg file damaged: no page where one should start";
            return false;
        }
        lastType = static_cast<unsigned char>(b[at + 5]);
        std::size_t segments = static_cast<unsigned char>(b[at + 26]);
        if (b.size() - at - headerSize < segments) {
            error = "Ogg file cut short inside a page header";
            return false;
        }
        std::size_t body = 0;
        for (std::size_t i = 0; i < segments; ++i)
            body += static_cast<unsigned char>(b[at + headerSize + i]);
        std::size_t pageSize = headerSize + segments + body;
        if (b.size() - at < pageSize) {
            error = "Ogg file cut short inside a page";
            return false;
        }
        at += pageSize;
    }
    if ((lastType & 0x04) == 0) {
        error = "Ogg file cut short: its last page does not end the stream";
        return false;
    }
    return true;
}
} // namespace

AudioOggDecoder::~AudioOggDecoder()
{
    if (opened_)
        ov_clear(&file_);
}

std::unique_ptr<AudioOggDecoder> AudioOggDecoder::open(std::shared_ptr<const std::string> bytes,
                                                       std::string& error)
{
    if (!wholeOggPages(*bytes, error))
        return nullptr;
    auto decoder = std::make_unique<AudioOggDecoder>();
    decoder->bytes_ = std::move(bytes);
    ov_callbacks callbacks{readCallback, seekCallback, nullptr, tellCallback};
    int status = ov_open_callbacks(decoder.get(), &decoder->file_, nullptr, 0, callbacks);
    if (status != 0) {
        error = status == OV_ENOTVORBIS ? "Ogg file holds no Vorbis sound" : "Ogg Vorbis headers are damaged";
        return nullptr;
    }
    decoder->opened_ = true;
    vorbis_info* info = ov_info(&decoder->file_, -1);
    if (!info || (info->channels != 1 && info->channels != 2)) {
        error = "Ogg Vorbis sound has " + std::to_string(info ? info->channels : 0)
                + " channels; only mono or stereo play";
        return nullptr;
    }
    if (info->rate < 1000 || info->rate > 384000) {
        error = "Ogg Vorbis sound has an unplayable rate of " + std::to_string(info->rate);
        return nullptr;
    }
    ogg_int64_t total = ov_pcm_total(&decoder->file_, -1);
    if (total <= 0) {
        error = "Ogg Vorbis file holds no samples";
        return nullptr;
    }
    decoder->channels_ = info->channels;
    decoder->rate_ = static_cast<int>(info->rate);
    decoder->frames_ = total;
    return decoder;
}

long AudioOggDecoder::read(std::int16_t* out, long count)
{
    if (!opened_ || count <= 0)
        return 0;
    long frameBytes = 2L * channels_;
    long wanted = count * frameBytes;
    long got = 0;
    char* to = reinterpret_cast<char*>(out);
    while (got < wanted) {
        int section = 0;
        // Little-endian, 16-bit, signed.
        long n =
            ov_read(&file_, to + got, static_cast<int>(std::min(wanted - got, 1L << 20)), 0, 2, 1, &section);
        if (n == 0)
            break;
        if (n < 0)
            return -1;
        got += n;
    }
    return got / frameBytes;
}

bool AudioOggDecoder::rewind()
{
    return opened_ && ov_pcm_seek(&file_, 0) == 0;
}

std::size_t AudioOggDecoder::readBytes(void* to, std::size_t size)
{
    const std::string& b = *bytes_;
    std::size_t n = std::min(size, b.size() - position_);
    std::memcpy(to, b.data() + position_, n);
    position_ += n;
    return n;
}

int AudioOggDecoder::seekTo(long long offset, int whence)
{
    long long base = 0;
    if (whence == SEEK_CUR)
        base = static_cast<long long>(position_);
    else if (whence == SEEK_END)
        base = static_cast<long long>(bytes_->size());
    long long target = base + offset;
    if (target < 0 || target > static_cast<long long>(bytes_->size()))
        return -1;
    position_ = static_cast<std::size_t>(target);
    return 0;
}
} // namespace media
