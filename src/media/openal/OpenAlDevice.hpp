// OpenAlDevice.hpp: the speakers through OpenAL Soft.
#pragma once

#include "media/AudioDevice.hpp"
#include "media/Clock.hpp"
#include "media/openal/AlHandles.hpp"
#include "media/openal/AlStream.hpp"

#include <memory>
#include <string>
#include <vector>

namespace media::openal
{
// Effects are decoded whole into one buffer each; music is streamed (AlStream). OpenAL does
// the volume, rate, pausing and looping of every copy itself. There is one device at a time:
// its context is the current one.
class OpenAlDevice final : public AudioDevice
{
public:
    // The default sound device, as OpenAL is configured (ALSOFT_DRIVERS, ALSOFT_CONF). Nothing
    // (and `error`) when it cannot be opened.
    static std::unique_ptr<OpenAlDevice> openDefault(std::string& error);
    // OpenAL's loopback device, which needs no sound card: it mixes every copy exactly as a
    // sound card would, but the mix is made (and thrown away) by update() as `clock` moves, so
    // copies play out on the game's own time.
    static std::unique_ptr<OpenAlDevice> openLoopback(const Clock& clock, std::string& error);

    OpenAlDevice() = default;
    ~OpenAlDevice() override;
    OpenAlDevice(const OpenAlDevice&) = delete;
    OpenAlDevice& operator=(const OpenAlDevice&) = delete;

    Sound load(std::string_view bytes, unsigned flags, const std::string& name) override;
    double lengthMs(Sound sound) const override;
    Channel play(Sound sound, float volume = 1, float rate = 1) override;
    Channel cue(Sound sound) override;
    void setVolume(Channel channel, float volume) override;
    void setRate(Channel channel, float rate) override;
    void pause(Channel channel) override;
    void resume(Channel channel) override;
    void stop(Channel channel) override;
    void stopAll() override;
    bool playing(Channel channel) const override;
    bool paused(Channel channel) const override;
    float volume(Channel channel) const override;
    float rate(Channel channel) const override;
    void update() override;
    std::string describe() const override;

    bool loopback() const { return renderSamples_ != nullptr; }
    // Loopback only: the loudest sample (0..32767) of the mix the last update() made.
    int lastMixPeak() const { return lastMixPeak_; }

    // Copies that may play at once.
    static constexpr std::size_t maxVoices = 128;

private:
    struct LoadedSound
    {
        AlBuffer buffer;                          // the whole sound (effects)
        std::shared_ptr<const std::string> bytes; // the file, decoded as it plays (music)
        bool loops = false;
        double lengthMs = 0;
    };
    enum class State
    {
        Idle,
        Cued,
        Playing,
        Paused
    };
    struct Voice
    {
        std::unique_ptr<AlStream> stream; // before the source: the source lets go of its buffers first
        AlSource source;
        std::uint32_t generation = 0;
        State state = State::Idle;
        float volume = 1;
        float rate = 1;
    };

    bool makeContext(const int* attributes, std::string& error);
    Channel start(Sound sound, float volume, float rate, bool paused);
    Voice* freeVoice();
    void release(Voice& voice);
    bool ended(const Voice& voice) const;
    Voice* live(Channel channel);
    const Voice* live(Channel channel) const;
    void feedStreams();

    DevicePtr device_;
    ContextPtr context_;
    std::string name_;
    std::vector<LoadedSound> sounds_; // before the voices: buffers outlive the sources playing them
    std::vector<Voice> voices_;

    // The loopback device's clock and mixing.
    using RenderFunction = void (*)(ALCdevice*, ALCvoid*, ALCsizei);
    RenderFunction renderSamples_ = nullptr;
    const Clock* clock_ = nullptr;
    int mixRate_ = 0;
    std::int64_t mixedFrames_ = 0;
    std::vector<std::int16_t> mix_;
    int lastMixPeak_ = 0;
};
} // namespace media::openal
