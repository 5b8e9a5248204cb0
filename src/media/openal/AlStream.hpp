// AlStream.hpp: a piece of music fed to its source a quarter of a second at a time.
#pragma once

#include "media/AudioDecoder.hpp"
#include "media/openal/AlHandles.hpp"

#include <array>
#include <memory>
#include <vector>

namespace media::openal
{
// Decodes into a ring of four buffers queued on one source: as the source finishes a buffer,
// refill() decodes the next part into it and queues it again, so about a second of sound is
// always waiting. A looping stream goes back to the beginning at its end.
class AlStream
{
public:
    static constexpr int bufferCount = 4;

    AlStream(std::unique_ptr<AudioDecoder> decoder, bool loops);
    AlStream(const AlStream&) = delete;
    AlStream& operator=(const AlStream&) = delete;

    // Fills every buffer and queues them on the source; false when nothing could be queued.
    bool start(ALuint source);
    // Takes back the buffers the source has finished and queues them again with what comes
    // next; starts the source again if it ran dry while sound was still to come (`running`).
    void refill(ALuint source, bool running);
    // Stops the source and takes every buffer back from it.
    void detach(ALuint source);
    // Every sample has been queued (never for a looping stream).
    bool exhausted() const { return exhausted_; }

private:
    // Decodes the next part into `buffer`; false when there is nothing more.
    bool fill(ALuint buffer);

    std::unique_ptr<AudioDecoder> decoder_;
    bool loops_ = false;
    bool exhausted_ = false;
    ALenum format_ = 0;
    long framesPerBuffer_ = 0;
    std::vector<std::int16_t> scratch_;
    std::array<AlBuffer, bufferCount> buffers_;
};
} // namespace media::openal
