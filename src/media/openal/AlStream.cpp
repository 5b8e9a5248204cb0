// AlStream.cpp
#include "media/openal/AlStream.hpp"

#include <algorithm>

namespace media::openal
{
AlStream::AlStream(std::unique_ptr<AudioDecoder> decoder, bool loops)
    : decoder_(std::move(decoder)), loops_(loops)
{
    format_ = decoder_->channels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    framesPerBuffer_ = std::max(1024, decoder_->rate() / 4);
    scratch_.resize(static_cast<std::size_t>(framesPerBuffer_) * decoder_->channels());
    for (AlBuffer& b : buffers_)
        b = AlBuffer::make();
}

bool AlStream::fill(ALuint buffer)
{
    if (exhausted_)
        return false;
    long got = 0;
    bool rewound = false;
    while (got < framesPerBuffer_) {
        long n = decoder_->read(scratch_.data() + got * decoder_->channels(), framesPerBuffer_ - got);
        if (n > 0) {
            got += n;
            rewound = false;
            continue;
        }
        // The end (or damage, which ends the piece the same way).
        if (!loops_ || rewound || !decoder_->rewind()) {
            exhausted_ = true;
            break;
        }
        rewound = true;
    }
    if (got == 0)
        return false;
    alBufferData(buffer, format_, scratch_.data(), static_cast<ALsizei>(got * decoder_->channels() * 2),
                 decoder_->rate());
    return true;
}

bool AlStream::start(ALuint source)
{
    int queued = 0;
    for (AlBuffer& b : buffers_) {
        if (!b || !fill(b.get()))
            break;
        ALuint name = b.get();
        alSourceQueueBuffers(source, 1, &name);
        ++queued;
    }
    return queued > 0;
}

void AlStream::refill(ALuint source, bool running)
{
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0) {
        ALuint name = 0;
        alSourceUnqueueBuffers(source, 1, &name);
        if (name != 0 && fill(name))
            alSourceQueueBuffers(source, 1, &name);
    }
    if (!running)
        return;
    // Ran dry (a long frame): play on from what is queued now.
    ALint state = 0, queued = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    if (state == AL_STOPPED && queued > 0)
        alSourcePlay(source);
}

void AlStream::detach(ALuint source)
{
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, 0);
}
} // namespace media::openal
