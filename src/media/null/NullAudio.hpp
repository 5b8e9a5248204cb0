// NullAudio.hpp: speakers that play nothing but keep time, for tests and headless runs.
#pragma once

#include "media/AudioDevice.hpp"
#include "media/Clock.hpp"

#include <vector>

namespace media
{
// Keeps the same books as real speakers, silently: sounds are checked as they load, and a
// copy plays for the sound's real length (over its rate) on the game clock, so tests that move
// a clock by hand see copies end exactly when they would be heard to end. Looping copies play
// until stopped; paused copies do not move on.
class NullAudio final : public AudioDevice
{
public:
    explicit NullAudio(const Clock& clock) : clock_(clock) {}

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
    void update() override {}
    std::string describe() const override { return "silent"; }

    // What tests look at: the copies playing now, and every copy started so far.
    int playingCount() const;
    int started() const { return started_; }
    // How far into its sound the copy is, in milliseconds of the sound (0 when not playing).
    double positionMs(Channel channel) const;

private:
    struct LoadedSound
    {
        double lengthMs = 0;
        bool loops = false;
    };
    struct Copy
    {
        Sound sound;
        std::uint32_t generation = 0;
        bool active = false;
        bool paused = false;
        float volume = 1;
        float rate = 1;
        double positionMs = 0;  // into the sound, at `since`
        std::int64_t since = 0; // clock time of positionMs
    };

    Channel start(Sound sound, float volume, float rate, bool paused);
    // The copy behind a channel after bringing it up to the clock; nullptr once it has ended.
    // Copies are kept up to date lazily, so even a question moves them on.
    Copy* live(Channel channel) const;
    // Moves a copy's position on to now (paused copies stay where they are).
    void catchUp(Copy& copy) const;
    bool ended(const Copy& copy) const;

    const Clock& clock_;
    std::vector<LoadedSound> sounds_;
    mutable std::vector<Copy> copies_;
    int started_ = 0;
};
} // namespace media
