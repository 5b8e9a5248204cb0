// The speakers: the silent device and OpenAL's loopback device keep the same books on a clock
// moved by hand, and the loopback device's mix shows what a player would hear.
#include "media/AudioDevice.hpp"

#include "media/FileSystem.hpp"
#include "media/Report.hpp"
#include "media/null/NullAudio.hpp"
#include "media/openal/OpenAlDevice.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace
{
using testing_support::ManualClock;

void put16(std::string& s, std::uint32_t v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& s, std::uint32_t v)
{
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// A 16-bit mono WAV of a 440 Hz square wave at 22 050 Hz, `ms` long.
std::string toneWav(int ms)
{
    const int rate = 22050;
    int frames = rate * ms / 1000;
    std::string s = "RIFF";
    put32(s, static_cast<std::uint32_t>(36 + frames * 2));
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);
    put16(s, 1);
    put32(s, rate);
    put32(s, rate * 2);
    put16(s, 2);
    put16(s, 16);
    s += "data";
    put32(s, static_cast<std::uint32_t>(frames * 2));
    for (int i = 0; i < frames; ++i)
        put16(s, static_cast<std::uint16_t>((i / 25) % 2 ? 12000 : -12000));
    return s;
}

std::string oggTone()
{
    return media::fs::readBytes(std::string(ELDMERE_TEST_FIXTURES) + "/audio/tone.ogg").value_or("");
}

// One kind of device on a hand-moved clock; frames of 10 ms.
struct Speakers
{
    virtual ~Speakers() = default;
    virtual media::AudioDevice& device() = 0;
    void wait(int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            clock.now += std::min(10, ms - t);
            device().update();
        }
    }
    ManualClock clock;
};

struct SilentSpeakers : Speakers
{
    SilentSpeakers() : audio(clock) {}
    media::AudioDevice& device() override { return audio; }
    media::NullAudio audio;
};

struct LoopbackSpeakers : Speakers
{
    LoopbackSpeakers()
    {
        std::string error;
        audio = media::openal::OpenAlDevice::openLoopback(clock, error);
        EXPECT_TRUE(audio) << error;
    }
    media::AudioDevice& device() override { return *audio; }
    std::unique_ptr<media::openal::OpenAlDevice> audio;
};

struct Kind
{
    const char* name;
    std::function<std::unique_ptr<Speakers>()> make;
};

std::ostream& operator<<(std::ostream& out, const Kind& k)
{
    return out << k.name;
}

class EveryDevice : public ::testing::TestWithParam<Kind>
{
protected:
    void SetUp() override
    {
        speakers = GetParam().make();
        if (!speakers)
            GTEST_SKIP() << "no device";
    }
    media::AudioDevice& audio() { return speakers->device(); }
    void wait(int ms) { speakers->wait(ms); }
    media::Sound load(const std::string& bytes, unsigned flags)
    {
        media::Sound s = audio().load(bytes, flags, "test sound");
        EXPECT_TRUE(s);
        return s;
    }

    std::unique_ptr<Speakers> speakers;
};

TEST_P(EveryDevice, ACopyPlaysForTheSoundsLengthOverItsRate)
{
    media::Sound tone = load(toneWav(300), media::SoundOnce);
    EXPECT_NEAR(audio().lengthMs(tone), 300, 0.1);
    for (float rate : {1.0f, 2.0f, 0.5f}) {
        media::Channel c = audio().play(tone, 1, rate);
        ASSERT_TRUE(c);
        EXPECT_EQ(audio().rate(c), rate);
        double heard = 300 / rate;
        wait(static_cast<int>(heard) - 40);
        EXPECT_TRUE(audio().playing(c)) << "rate " << rate;
        wait(80);
        EXPECT_FALSE(audio().playing(c)) << "rate " << rate;
    }
}

TEST_P(EveryDevice, StreamedAndWholeSoundsLoopUntilStopped)
{
    for (unsigned flags : {unsigned(media::SoundLoops), unsigned(media::SoundLoops | media::SoundStreams)}) {
        for (const std::string& bytes : {toneWav(300), oggTone()}) {
            media::Sound s = load(bytes, flags);
            media::Channel c = audio().play(s);
            wait(1300);
            EXPECT_TRUE(audio().playing(c)) << "flags " << flags;
            audio().stop(c);
            EXPECT_FALSE(audio().playing(c));
        }
    }
}

TEST_P(EveryDevice, AStreamedPieceEndsWhenNotLooping)
{
    media::Sound s = load(oggTone(), media::SoundStreams);
    media::Channel c = audio().play(s);
    wait(260);
    EXPECT_TRUE(audio().playing(c));
    wait(100);
    EXPECT_FALSE(audio().playing(c));
}

TEST_P(EveryDevice, APausedCopyWaitsAndACuedOneStartsOnResume)
{
    media::Sound tone = load(toneWav(300), media::SoundOnce);
    media::Channel c = audio().play(tone);
    wait(200);
    audio().pause(c);
    EXPECT_TRUE(audio().paused(c));
    wait(1000);
    EXPECT_TRUE(audio().playing(c)); // paused copies still count as playing
    audio().resume(c);
    EXPECT_FALSE(audio().paused(c));
    wait(60);
    EXPECT_TRUE(audio().playing(c));
    wait(80);
    EXPECT_FALSE(audio().playing(c));

    media::Channel cued = audio().cue(tone);
    EXPECT_TRUE(audio().paused(cued));
    wait(1000);
    EXPECT_TRUE(audio().playing(cued));
    audio().setVolume(cued, 0.25f);
    audio().resume(cued);
    EXPECT_EQ(audio().volume(cued), 0.25f);
    wait(340);
    EXPECT_FALSE(audio().playing(cued));
}

TEST_P(EveryDevice, AnOldHandleIsDeadOnceItsChannelServesAnotherCopy)
{
    media::Sound tone = load(toneWav(100), media::SoundOnce);
    media::Sound loop = load(toneWav(100), media::SoundLoops);
    media::Channel first = audio().play(tone, 0.5f);
    wait(150);
    media::Channel second = audio().play(loop, 0.7f);
    ASSERT_TRUE(second);
    EXPECT_NE(first, second);
    EXPECT_FALSE(audio().playing(first));
    // Nothing done through the old handle reaches the new copy.
    audio().setVolume(first, 0.1f);
    audio().stop(first);
    audio().pause(first);
    EXPECT_TRUE(audio().playing(second));
    EXPECT_FALSE(audio().paused(second));
    EXPECT_EQ(audio().volume(second), 0.7f);
}

TEST_P(EveryDevice, StopAllStopsEveryCopy)
{
    media::Sound loop = load(toneWav(100), media::SoundLoops);
    std::vector<media::Channel> copies;
    for (int i = 0; i < 10; ++i)
        copies.push_back(audio().play(loop));
    audio().stopAll();
    for (media::Channel c : copies)
        EXPECT_FALSE(audio().playing(c));
}

TEST_P(EveryDevice, TheEmptySoundAndBadBytesPlayNothing)
{
    std::vector<std::string> lines;
    media::setReportSink([&](std::string_view line) { lines.emplace_back(line); });
    media::Sound bad = audio().load("not a sound", media::SoundOnce, "sfx/bad.wav");
    media::Sound missing = audio().loadFile("no/such/file.ogg", media::SoundOnce);
    media::setReportSink({});
    EXPECT_FALSE(bad);
    EXPECT_FALSE(missing);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "sfx/bad.wav: not a WAV or Ogg Vorbis sound");
    EXPECT_EQ(lines[1].rfind("no/such/file.ogg: ", 0), 0u) << lines[1];
    EXPECT_FALSE(audio().play(bad));
    EXPECT_FALSE(audio().cue(media::Sound{}));
    EXPECT_FALSE(audio().playing(media::Channel{}));
    EXPECT_EQ(audio().lengthMs(bad), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, EveryDevice,
    ::testing::Values(Kind{"Silent",
                           [] { return std::unique_ptr<Speakers>(std::make_unique<SilentSpeakers>()); }},
                      Kind{"OpenAlLoopback",
                           [] { return std::unique_ptr<Speakers>(std::make_unique<LoopbackSpeakers>()); }}),
    [](const auto& info) { return std::string(info.param.name); });

// What the loopback device mixes is what a player would hear. Its 16-bit mix is dithered, so
// silence is a step or two from 0; a tone at full volume reaches well over `loud`.
constexpr int quiet = 4;
constexpr int loud = 5000;

class LoopbackMix : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!speakers.audio)
            GTEST_SKIP() << "OpenAL has no loopback device here";
    }
    int peakOver(int ms)
    {
        int peak = 0;
        for (int t = 0; t < ms; t += 10) {
            speakers.clock.now += 10;
            speakers.audio->update();
            peak = std::max(peak, speakers.audio->lastMixPeak());
        }
        return peak;
    }
    LoopbackSpeakers speakers;
};

TEST_F(LoopbackMix, VolumePauseAndStopAreHeard)
{
    media::openal::OpenAlDevice& audio = *speakers.audio;
    media::Sound loop = audio.load(toneWav(200), media::SoundLoops, "tone");
    EXPECT_LE(peakOver(100), quiet); // nothing playing: silence
    media::Channel c = audio.play(loop, 1);
    int full = peakOver(100);
    EXPECT_GT(full, loud);
    audio.setVolume(c, 0.25f);
    peakOver(30); // the change settles within a slice
    int quarter = peakOver(100);
    EXPECT_NEAR(quarter, full / 4, full / 10);
    audio.setVolume(c, 0);
    peakOver(30);
    EXPECT_LE(peakOver(100), quiet);
    audio.setVolume(c, 1);
    audio.pause(c);
    peakOver(30);
    EXPECT_LE(peakOver(100), quiet);
    audio.resume(c);
    EXPECT_GT(peakOver(100), loud);
    audio.stop(c);
    peakOver(30);
    EXPECT_LE(peakOver(100), quiet);
}

TEST_F(LoopbackMix, StreamedMusicStaysAudibleThroughManyLoops)
{
    media::openal::OpenAlDevice& audio = *speakers.audio;
    media::Sound piece = audio.load(oggTone(), media::SoundStreams | media::SoundLoops, "tone.ogg");
    media::Channel c = audio.play(piece);
    // Ten passes of the piece, each 100 ms stretch of them loud.
    for (int stretch = 0; stretch < 30; ++stretch)
        ASSERT_GT(peakOver(100), loud) << "silent at " << stretch * 100 << " ms";
    EXPECT_TRUE(audio.playing(c));
}

TEST_F(LoopbackMix, MusicCarriesOnAfterALongFrame)
{
    media::openal::OpenAlDevice& audio = *speakers.audio;
    media::Sound piece = audio.load(oggTone(), media::SoundStreams | media::SoundLoops, "tone.ogg");
    media::Channel c = audio.play(piece);
    // Three seconds in one frame: far more than the queued buffers hold at once.
    speakers.clock.now += 3000;
    audio.update();
    EXPECT_TRUE(audio.playing(c));
    EXPECT_GT(peakOver(200), loud);
}
} // namespace
