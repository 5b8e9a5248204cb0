// NullAudio.cpp
#include "media/null/NullAudio.hpp"

#include "media/AudioDecoder.hpp"
#include "media/Report.hpp"

#include <algorithm>

namespace media
{
Sound NullAudio::load(std::string_view bytes, unsigned flags, const std::string& name)
{
    std::string error;
    auto decoder = AudioDecoder::open(std::make_shared<const std::string>(bytes), error);
    if (!decoder) {
        report(name, error);
        return {};
    }
    sounds_.push_back({decoder->lengthMs(), (flags & SoundLoops) != 0});
    return Sound{static_cast<std::uint32_t>(sounds_.size())};
}

double NullAudio::lengthMs(Sound sound) const
{
    if (!sound || sound.id > sounds_.size())
        return 0;
    return sounds_[sound.id - 1].lengthMs;
}

Channel NullAudio::play(Sound sound, float volume, float rate)
{
    return start(sound, volume, rate, false);
}

Channel NullAudio::cue(Sound sound)
{
    return start(sound, 1, 1, true);
}

Channel NullAudio::start(Sound sound, float volume, float rate, bool paused)
{
    if (!sound || sound.id > sounds_.size())
        return {};
    // A slot whose copy has ended is used again; its generation tells old handles apart.
    std::size_t slot = 0;
    while (slot < copies_.size()) {
        Copy& c = copies_[slot];
        if (c.active)
            catchUp(c);
        if (!c.active || ended(c))
            break;
        ++slot;
    }
    if (slot == copies_.size())
        copies_.emplace_back();
    Copy& copy = copies_[slot];
    copy.sound = sound;
    ++copy.generation;
    copy.active = true;
    copy.paused = paused;
    copy.volume = std::max(volume, 0.0f);
    copy.rate = std::max(rate, 0.001f);
    copy.positionMs = 0;
    copy.since = clock_.millisecs();
    ++started_;
    return Channel{static_cast<std::uint32_t>(slot + 1), copy.generation};
}

void NullAudio::catchUp(Copy& copy) const
{
    std::int64_t now = clock_.millisecs();
    if (!copy.paused)
        copy.positionMs += static_cast<double>(now - copy.since) * copy.rate;
    copy.since = now;
}

bool NullAudio::ended(const Copy& copy) const
{
    const LoadedSound& s = sounds_[copy.sound.id - 1];
    return !s.loops && copy.positionMs >= s.lengthMs;
}

NullAudio::Copy* NullAudio::live(Channel channel) const
{
    if (!channel || channel.slot > copies_.size())
        return nullptr;
    Copy& copy = copies_[channel.slot - 1];
    if (!copy.active || copy.generation != channel.generation)
        return nullptr;
    catchUp(copy);
    if (ended(copy)) {
        copy.active = false;
        return nullptr;
    }
    return &copy;
}

void NullAudio::setVolume(Channel channel, float volume)
{
    if (Copy* c = live(channel))
        c->volume = std::max(volume, 0.0f);
}

void NullAudio::setRate(Channel channel, float rate)
{
    if (Copy* c = live(channel))
        c->rate = std::max(rate, 0.001f);
}

void NullAudio::pause(Channel channel)
{
    if (Copy* c = live(channel))
        c->paused = true;
}

void NullAudio::resume(Channel channel)
{
    if (Copy* c = live(channel))
        c->paused = false;
}

void NullAudio::stop(Channel channel)
{
    if (Copy* c = live(channel))
        c->active = false;
}

void NullAudio::stopAll()
{
    for (Copy& c : copies_)
        c.active = false;
}

bool NullAudio::playing(Channel channel) const
{
    return live(channel) != nullptr;
}

bool NullAudio::paused(Channel channel) const
{
    const Copy* c = live(channel);
    return c && c->paused;
}

float NullAudio::volume(Channel channel) const
{
    const Copy* c = live(channel);
    return c ? c->volume : 0.0f;
}

float NullAudio::rate(Channel channel) const
{
    const Copy* c = live(channel);
    return c ? c->rate : 1.0f;
}

double NullAudio::positionMs(Channel channel) const
{
    const Copy* c = live(channel);
    return c ? c->positionMs : 0.0;
}

int NullAudio::playingCount() const
{
    int count = 0;
    for (std::size_t i = 0; i < copies_.size(); ++i) {
        if (playing(Channel{static_cast<std::uint32_t>(i + 1), copies_[i].generation}))
            ++count;
    }
    return count;
}
} // namespace media
