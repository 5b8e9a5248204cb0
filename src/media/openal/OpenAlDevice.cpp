// OpenAlDevice.cpp
#include "media/openal/OpenAlDevice.hpp"

#include "media/Report.hpp"

#include <algorithm>
#include <cstdlib>

#include <AL/alext.h>

namespace media::openal
{
namespace
{
// Loopback mixing: 22 050 frames a second of 16-bit stereo, in slices of 1/20 s, catching up at
// most 10 s after a long stall.
constexpr int loopbackRate = 22050;
constexpr std::int64_t sliceFrames = loopbackRate / 20;
constexpr std::int64_t mostFramesBehind = loopbackRate * 10;

ALenum formatFor(int channels)
{
    return channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
}
} // namespace

std::unique_ptr<OpenAlDevice> OpenAlDevice::openDefault(std::string& error)
{
    auto device = std::make_unique<OpenAlDevice>();
    device->device_.reset(alcOpenDevice(nullptr));
    if (!device->device_) {
        error = "the default sound device could not be opened";
        return nullptr;
    }
    if (!device->makeContext(nullptr, error))
        return nullptr;
    const ALCchar* name = alcGetString(device->device_.get(), ALC_DEVICE_SPECIFIER);
    device->name_ = name ? name : "default";
    return device;
}

std::unique_ptr<OpenAlDevice> OpenAlDevice::openLoopback(const Clock& clock, std::string& error)
{
    if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") != ALC_TRUE) {
        error = "this OpenAL has no loopback device";
        return nullptr;
    }
    auto openLoop = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    auto supported = reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(
        alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
    auto render =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!openLoop || !supported || !render) {
        error = "this OpenAL's loopback functions are missing";
        return nullptr;
    }
    auto device = std::make_unique<OpenAlDevice>();
    device->device_.reset(openLoop(nullptr));
    if (!device->device_) {
        error = "OpenAL's loopback device could not be opened";
        return nullptr;
    }
    if (supported(device->device_.get(), loopbackRate, ALC_STEREO_SOFT, ALC_SHORT_SOFT) != ALC_TRUE) {
        error = "OpenAL's loopback device cannot mix 16-bit stereo";
        return nullptr;
    }
    const int attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                              ALC_STEREO_SOFT,
                              ALC_FORMAT_TYPE_SOFT,
                              ALC_SHORT_SOFT,
                              ALC_FREQUENCY,
                              loopbackRate,
                              0};
    if (!device->makeContext(attributes, error))
        return nullptr;
    device->name_ = "loopback";
    device->renderSamples_ = render;
    device->clock_ = &clock;
    device->mixRate_ = loopbackRate;
    device->mixedFrames_ = clock.millisecs() * loopbackRate / 1000;
    device->mix_.resize(static_cast<std::size_t>(sliceFrames) * 2);
    return device;
}

bool OpenAlDevice::makeContext(const int* attributes, std::string& error)
{
    context_.reset(alcCreateContext(device_.get(), attributes));
    if (!context_ || alcMakeContextCurrent(context_.get()) != ALC_TRUE) {
        error = "no OpenAL context could be made on the sound device";
        return false;
    }
    // Every copy plays at the listener, at full loudness, whatever its channels.
    alDistanceModel(AL_NONE);
    return true;
}

OpenAlDevice::~OpenAlDevice()
{
    stopAll();
    voices_.clear();
    sounds_.clear();
}

std::string OpenAlDevice::describe() const
{
    return "OpenAL: " + name_;
}

Sound OpenAlDevice::load(std::string_view bytes, unsigned flags, const std::string& name)
{
    std::string error;
    auto shared = std::make_shared<const std::string>(bytes);
    auto decoder = AudioDecoder::open(shared, error);
    if (!decoder) {
        report(name, error);
        return {};
    }
    LoadedSound sound;
    sound.loops = (flags & SoundLoops) != 0;
    sound.lengthMs = decoder->lengthMs();
    if (flags & SoundStreams) {
        sound.bytes = std::move(shared);
    } else {
        auto samples = decoder->readAll(error);
        if (!samples) {
            report(name, error);
            return {};
        }
        sound.buffer = AlBuffer::make();
        if (!sound.buffer) {
            report(name, "no room for the sound on the sound device");
            return {};
        }
        alGetError();
        alBufferData(sound.buffer.get(), formatFor(decoder->channels()), samples->data(),
                     static_cast<ALsizei>(samples->size() * sizeof(std::int16_t)), decoder->rate());
        if (alGetError() != AL_NO_ERROR) {
            report(name, "the sound device refused the sound");
            return {};
        }
    }
    sounds_.push_back(std::move(sound));
    return Sound{static_cast<std::uint32_t>(sounds_.size())};
}

double OpenAlDevice::lengthMs(Sound sound) const
{
    if (!sound || sound.id > sounds_.size())
        return 0;
    return sounds_[sound.id - 1].lengthMs;
}

bool OpenAlDevice::ended(const Voice& voice) const
{
    if (voice.state != State::Playing)
        return false;
    ALint state = 0;
    alGetSourcei(voice.source.get(), AL_SOURCE_STATE, &state);
    if (state != AL_STOPPED)
        return false;
    // A stream that ran dry with sound still to come is only waiting for update().
    return !voice.stream || voice.stream->exhausted();
}

void OpenAlDevice::release(Voice& voice)
{
    if (voice.stream)
        voice.stream->detach(voice.source.get());
    else {
        alSourceStop(voice.source.get());
        alSourcei(voice.source.get(), AL_BUFFER, 0);
    }
    voice.stream.reset();
    voice.state = State::Idle;
}

OpenAlDevice::Voice* OpenAlDevice::freeVoice()
{
    for (Voice& v : voices_) {
        if (v.state == State::Idle)
            return &v;
        if (ended(v)) {
            release(v);
            return &v;
        }
    }
    if (voices_.size() >= maxVoices)
        return nullptr;
    Voice made;
    made.source = AlSource::make();
    if (!made.source)
        return nullptr;
    ALuint s = made.source.get();
    alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(s, AL_POSITION, 0, 0, 0);
    alSourcef(s, AL_ROLLOFF_FACTOR, 0);
    voices_.push_back(std::move(made));
    return &voices_.back();
}

Channel OpenAlDevice::start(Sound sound, float volume, float rate, bool paused)
{
    if (!sound || sound.id > sounds_.size())
        return {};
    const LoadedSound& loaded = sounds_[sound.id - 1];
    Voice* voice = freeVoice();
    if (!voice)
        return {};
    ALuint s = voice->source.get();
    voice->volume = std::max(volume, 0.0f);
    voice->rate = std::max(rate, 0.001f);
    alSourcef(s, AL_GAIN, voice->volume);
    alSourcef(s, AL_PITCH, voice->rate);
    if (loaded.bytes) {
        std::string error;
        auto decoder = AudioDecoder::open(loaded.bytes, error);
        if (!decoder)
            return {};
        voice->stream = std::make_unique<AlStream>(std::move(decoder), loaded.loops);
        alSourcei(s, AL_LOOPING, AL_FALSE);
        if (!voice->stream->start(s)) {
            release(*voice);
            return {};
        }
    } else {
        alSourcei(s, AL_LOOPING, loaded.loops ? AL_TRUE : AL_FALSE);
        alSourcei(s, AL_BUFFER, static_cast<ALint>(loaded.buffer.get()));
    }
    if (paused) {
        voice->state = State::Cued;
    } else {
        alSourcePlay(s);
        voice->state = State::Playing;
    }
    ++voice->generation;
    return Channel{static_cast<std::uint32_t>(voice - voices_.data() + 1), voice->generation};
}

Channel OpenAlDevice::play(Sound sound, float volume, float rate)
{
    return start(sound, volume, rate, false);
}

Channel OpenAlDevice::cue(Sound sound)
{
    return start(sound, 1, 1, true);
}

OpenAlDevice::Voice* OpenAlDevice::live(Channel channel)
{
    if (!channel || channel.slot > voices_.size())
        return nullptr;
    Voice& v = voices_[channel.slot - 1];
    if (v.generation != channel.generation || v.state == State::Idle || ended(v))
        return nullptr;
    return &v;
}

const OpenAlDevice::Voice* OpenAlDevice::live(Channel channel) const
{
    if (!channel || channel.slot > voices_.size())
        return nullptr;
    const Voice& v = voices_[channel.slot - 1];
    if (v.generation != channel.generation || v.state == State::Idle || ended(v))
        return nullptr;
    return &v;
}

void OpenAlDevice::setVolume(Channel channel, float volume)
{
    if (Voice* v = live(channel)) {
        v->volume = std::max(volume, 0.0f);
        alSourcef(v->source.get(), AL_GAIN, v->volume);
    }
}

void OpenAlDevice::setRate(Channel channel, float rate)
{
    if (Voice* v = live(channel)) {
        v->rate = std::max(rate, 0.001f);
        alSourcef(v->source.get(), AL_PITCH, v->rate);
    }
}

void OpenAlDevice::pause(Channel channel)
{
    Voice* v = live(channel);
    if (v && v->state == State::Playing) {
        alSourcePause(v->source.get());
        v->state = State::Paused;
    }
}

void OpenAlDevice::resume(Channel channel)
{
    Voice* v = live(channel);
    if (v && (v->state == State::Paused || v->state == State::Cued)) {
        alSourcePlay(v->source.get());
        v->state = State::Playing;
    }
}

void OpenAlDevice::stop(Channel channel)
{
    if (Voice* v = live(channel))
        release(*v);
}

void OpenAlDevice::stopAll()
{
    for (Voice& v : voices_) {
        if (v.state != State::Idle)
            release(v);
    }
}

bool OpenAlDevice::playing(Channel channel) const
{
    return live(channel) != nullptr;
}

bool OpenAlDevice::paused(Channel channel) const
{
    const Voice* v = live(channel);
    return v && v->state != State::Playing;
}

float OpenAlDevice::volume(Channel channel) const
{
    const Voice* v = live(channel);
    return v ? v->volume : 0.0f;
}

float OpenAlDevice::rate(Channel channel) const
{
    const Voice* v = live(channel);
    return v ? v->rate : 1.0f;
}

void OpenAlDevice::feedStreams()
{
    for (Voice& v : voices_) {
        if (v.stream && v.state != State::Idle)
            v.stream->refill(v.source.get(), v.state == State::Playing);
    }
}

void OpenAlDevice::update()
{
    if (!renderSamples_) {
        feedStreams();
        return;
    }
    // The loopback device mixes up to the clock's time, a slice at a time, feeding the streams
    // between slices as a sound card's own thread would be fed.
    std::int64_t due = clock_->millisecs() * mixRate_ / 1000;
    mixedFrames_ = std::max(mixedFrames_, due - mostFramesBehind);
    lastMixPeak_ = 0;
    while (mixedFrames_ < due) {
        std::int64_t n = std::min(due - mixedFrames_, sliceFrames);
        renderSamples_(device_.get(), mix_.data(), static_cast<ALCsizei>(n));
        for (std::int64_t i = 0; i < n * 2; ++i)
            lastMixPeak_ =
                std::max(lastMixPeak_, std::abs(static_cast<int>(mix_[static_cast<std::size_t>(i)])));
        mixedFrames_ += n;
        feedStreams();
    }
    feedStreams();
}
} // namespace media::openal
