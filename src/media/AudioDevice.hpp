// AudioDevice.hpp: sounds loaded once, and the channels that play copies of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace media
{
// A sound the device has loaded; it stays loaded for the life of the device. The empty handle
// is the silent sound: it plays nothing.
struct Sound
{
    std::uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    bool operator==(const Sound&) const = default;
};

// One copy of a sound on its way through the speakers. The empty handle, and a handle whose
// copy has ended or been stopped, plays nothing and ignores every call, so a caller may keep
// an old handle as long as it likes.
struct Channel
{
    std::uint32_t slot = 0;
    std::uint32_t generation = 0;
    explicit operator bool() const { return slot != 0; }
    bool operator==(const Channel&) const = default;
};

// How a sound is loaded.
enum SoundFlags : unsigned
{
    SoundOnce = 0,
    SoundLoops = 1,   // starts again at its end until it is stopped
    SoundStreams = 2, // decoded a little at a time while it plays (music), not all at load
};

// The speakers. The platform holds one, reached through media::audio().
class AudioDevice
{
public:
    virtual ~AudioDevice() = default;

    // A WAV (PCM, 8 or 16 bits, mono or stereo) or Ogg Vorbis sound from its bytes; `name`
    // names it in reports. Bytes that are not such a sound, or are damaged or cut short, give
    // the empty sound and one report.
    virtual Sound load(std::string_view bytes, unsigned flags, const std::string& name) = 0;
    // The same from a file; a missing file gives the empty sound and one report.
    Sound loadFile(const std::string& path, unsigned flags);

    // One pass of the sound at rate 1, in milliseconds; 0 for the empty sound.
    virtual double lengthMs(Sound sound) const = 0;

    // Starts a copy of the sound. Rate 2 plays it twice as fast and an octave higher. The
    // empty channel when the sound is empty or every channel is busy.
    virtual Channel play(Sound sound, float volume = 1, float rate = 1) = 0;
    // A copy made ready but paused at its beginning (volume 1, rate 1): set it up, then
    // resume() it.
    virtual Channel cue(Sound sound) = 0;

    virtual void setVolume(Channel channel, float volume) = 0;
    virtual void setRate(Channel channel, float rate) = 0;
    virtual void pause(Channel channel) = 0;
    virtual void resume(Channel channel) = 0;
    virtual void stop(Channel channel) = 0;
    virtual void stopAll() = 0;

    // From play() or cue() until the copy reaches its end or is stopped; a paused copy is
    // still playing. A looping copy plays until stopped.
    virtual bool playing(Channel channel) const = 0;
    virtual bool paused(Channel channel) const = 0;
    // What the channel was last set to (0 and 1 for a channel that is not playing).
    virtual float volume(Channel channel) const = 0;
    virtual float rate(Channel channel) const = 0;

    // Once a frame: keeps streamed sounds fed.
    virtual void update() = 0;

    // "OpenAL: <device>", or "silent" for a device that plays nothing.
    virtual std::string describe() const = 0;
};
} // namespace media
