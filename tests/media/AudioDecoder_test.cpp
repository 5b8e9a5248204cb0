// Reading WAV and Ogg Vorbis sounds: good files, damaged ones, cut ones and things that are
// not sounds at all.
#include "media/AudioDecoder.hpp"

#include "media/FileSystem.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace
{
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

std::string chunk(const std::string& id, const std::string& body)
{
    std::string s = id;
    put32(s, static_cast<std::uint32_t>(body.size()));
    s += body;
    if (body.size() % 2)
        s += '\0';
    return s;
}

std::string formatChunk(int tag, int channels, int rate, int bits, bool extensible = false)
{
    std::string f;
    put16(f, static_cast<std::uint32_t>(extensible ? 0xFFFE : tag));
    put16(f, static_cast<std::uint32_t>(channels));
    put32(f, static_cast<std::uint32_t>(rate));
    put32(f, static_cast<std::uint32_t>(rate * channels * bits / 8));
    put16(f, static_cast<std::uint32_t>(channels * bits / 8));
    put16(f, static_cast<std::uint32_t>(bits));
    if (extensible) {
        put16(f, 22);
        put16(f, static_cast<std::uint32_t>(bits));
        put32(f, channels == 2 ? 3 : 4);
        put16(f, static_cast<std::uint32_t>(tag));
        f += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    return chunk("fmt ", f);
}

std::string riff(const std::string& chunks)
{
    std::string s = "RIFF";
    put32(s, static_cast<std::uint32_t>(4 + chunks.size()));
    return s + "WAVE" + chunks;
}

// Sample bytes as stored: 16-bit little-endian, or 8-bit unsigned.
std::string sampleBytes(const std::vector<std::int16_t>& samples, int bits)
{
    std::string s;
    for (std::int16_t v : samples) {
        if (bits == 8)
            s += static_cast<char>(static_cast<std::uint8_t>(v / 256 + 128));
        else
            put16(s, static_cast<std::uint16_t>(v));
    }
    return s;
}

std::shared_ptr<const std::string> shared(std::string bytes)
{
    return std::make_shared<const std::string>(std::move(bytes));
}

std::string oggFixture()
{
    auto bytes = media::fs::readBytes(std::string(ELDMERE_TEST_FIXTURES) + "/audio/tone.ogg");
    EXPECT_TRUE(bytes) << "missing fixture audio/tone.ogg";
    return bytes.value_or(std::string());
}

struct GoodWav
{
    const char* name;
    int channels;
    int bits;
    int rate;
    bool extensible;
    bool extraChunk; // an odd-sized chunk before the samples, padded to even
};

std::ostream& operator<<(std::ostream& out, const GoodWav& c)
{
    return out << c.name;
}

class WavReads : public ::testing::TestWithParam<GoodWav>
{};

TEST_P(WavReads, EverySampleComesBackAtItsRate)
{
    const GoodWav& c = GetParam();
    // Values an 8-bit file holds exactly (multiples of 256), both signs and both extremes.
    std::vector<std::int16_t> samples;
    for (int i = 0; i < 300 * c.channels; ++i)
        samples.push_back(static_cast<std::int16_t>(((i * 37) % 256 - 128) * 256));
    std::string chunks = formatChunk(1, c.channels, c.rate, c.bits, c.extensible);
    if (c.extraChunk)
        chunks += chunk("LIST", "abc");
    chunks += chunk("data", sampleBytes(samples, c.bits));
    std::string error;
    auto decoder = media::AudioDecoder::open(shared(riff(chunks)), error);
    ASSERT_TRUE(decoder) << error;
    EXPECT_EQ(decoder->channels(), c.channels);
    EXPECT_EQ(decoder->rate(), c.rate);
    EXPECT_EQ(decoder->frames(), 300);
    EXPECT_NEAR(decoder->lengthMs(), 300.0 * 1000 / c.rate, 1e-9);
    auto all = decoder->readAll(error);
    ASSERT_TRUE(all) << error;
    EXPECT_EQ(*all, samples);
}

INSTANTIATE_TEST_SUITE_P(Formats, WavReads,
                         ::testing::Values(GoodWav{"Mono8", 1, 8, 8000, false, false},
                                           GoodWav{"Stereo8", 2, 8, 11025, false, true},
                                           GoodWav{"Mono16", 1, 16, 22050, false, true},
                                           GoodWav{"Stereo16", 2, 16, 44100, false, false},
                                           GoodWav{"Extensible16", 2, 16, 48000, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadSound
{
    const char* name;
    std::string bytes;
    const char* because; // a word the error must hold
};

std::ostream& operator<<(std::ostream& out, const BadSound& c)
{
    return out << c.name;
}

std::vector<BadSound> badSounds()
{
    std::vector<std::int16_t> tone(400, 1000);
    std::string fmt = formatChunk(1, 1, 22050, 16);
    std::string good = riff(fmt + chunk("data", sampleBytes(tone, 16)));
    std::string ogg = oggFixture();
    std::string notVorbis = ogg;
    notVorbis[29 + 5] = 'z'; // "vorbis" in the first header packet (its page's checksum fails too)
    return {
        {"Empty", "", "not a WAV or Ogg"},
        {"Text", "just some words, not a sound", "not a WAV or Ogg"},
        {"Png", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(64, '\0'), "not a WAV or Ogg"},
        {"RiffButNotWave", std::string("RIFF\x10\0\0\0AVI LIST", 16), "not a WAV"},
        {"WavCutInTheSamples", good.substr(0, good.size() - 11), "cut short"},
        {"WavCutInTheHeader", good.substr(0, 30), "cut short"},
        {"WavWithoutSamples", riff(fmt), "no sample data"},
        {"WavEmptySamples", riff(fmt + chunk("data", "")), "no samples"},
        {"WavSamplesBeforeFormat", riff(chunk("data", sampleBytes(tone, 16)) + fmt), "before its format"},
        {"WavFloat", riff(formatChunk(3, 1, 22050, 32) + chunk("data", std::string(64, '\0'))),
         "not plain PCM"},
        {"Wav24Bit", riff(formatChunk(1, 1, 22050, 24) + chunk("data", std::string(66, '\0'))), "24 bits"},
        {"WavSixChannels", riff(formatChunk(1, 6, 22050, 16) + chunk("data", std::string(48, '\0'))),
         "6 channels"},
        {"OggCutAtAPage", ogg.substr(0, 3424), "does not end the stream"},
        {"OggCutInAPage", ogg.substr(0, ogg.size() - 100), "cut short inside a page"},
        {"OggCutInTheHeader", ogg.substr(0, 40), "cut short inside a page"},
        {"OggNotVorbis", notVorbis, "Vorbis"},
        {"OggTrailingJunk", ogg + "junk at the end of the file, not a page", "damaged"},
    };
}

class NotASound : public ::testing::TestWithParam<BadSound>
{};

TEST_P(NotASound, IsRefusedWithTheReason)
{
    std::string error;
    auto decoder = media::AudioDecoder::open(shared(GetParam().bytes), error);
    EXPECT_FALSE(decoder);
    EXPECT_NE(error.find(GetParam().because), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Cases, NotASound, ::testing::ValuesIn(badSounds()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OggReads, TheToneIsThereAtItsPitch)
{
    std::string error;
    auto decoder = media::AudioDecoder::open(shared(oggFixture()), error);
    ASSERT_TRUE(decoder) << error;
    EXPECT_EQ(decoder->channels(), 1);
    EXPECT_EQ(decoder->rate(), 22050);
    EXPECT_EQ(decoder->frames(), 6615); // 0.3 s
    auto samples = decoder->readAll(error);
    ASSERT_TRUE(samples) << error;
    ASSERT_EQ(samples->size(), 6615u);
    // A 440 Hz sine at half of full scale: its peak, and two zero crossings a cycle.
    int peak = 0;
    int crossings = 0;
    for (std::size_t i = 0; i < samples->size(); ++i) {
        peak = std::max(peak, std::abs(static_cast<int>((*samples)[i])));
        if (i > 0 && ((*samples)[i - 1] < 0) != ((*samples)[i] < 0))
            ++crossings;
    }
    EXPECT_NEAR(peak, 16384, 3000);
    EXPECT_NEAR(crossings, 2 * 440 * 0.3, 12);
}

TEST(Rewind, ReadsTheSameSamplesAgain)
{
    std::vector<std::int16_t> ramp;
    for (int i = 0; i < 5000; ++i)
        ramp.push_back(static_cast<std::int16_t>(i * 7 - 17000));
    std::string wav = riff(formatChunk(1, 1, 22050, 16) + chunk("data", sampleBytes(ramp, 16)));
    for (const std::string& bytes : {wav, oggFixture()}) {
        std::string error;
        auto decoder = media::AudioDecoder::open(shared(bytes), error);
        ASSERT_TRUE(decoder) << error;
        auto first = decoder->readAll(error);
        ASSERT_TRUE(first) << error;
        std::vector<std::int16_t> part(1000);
        ASSERT_TRUE(decoder->rewind());
        ASSERT_EQ(decoder->read(part.data(), 1000), 1000);
        EXPECT_TRUE(std::equal(part.begin(), part.end(), first->begin()));
        ASSERT_TRUE(decoder->rewind());
        auto again = decoder->readAll(error);
        ASSERT_TRUE(again) << error;
        EXPECT_EQ(*again, *first);
    }
}
} // namespace

namespace
{
TEST(CutShort, EveryPrefixOfAGoodFileIsRefused)
{
    std::vector<std::int16_t> tone(300, -2000);
    std::string wav = riff(formatChunk(1, 2, 22050, 16) + chunk("data", sampleBytes(tone, 16)));
    for (const std::string& whole : {wav, oggFixture()}) {
        for (std::size_t size = 0; size < whole.size(); ++size) {
            std::string error;
            EXPECT_FALSE(media::AudioDecoder::open(shared(whole.substr(0, size)), error)) << size << " bytes";
        }
    }
}

TEST(Damaged, ScrambledBytesNeverCrashTheReader)
{
    std::string ogg = oggFixture();
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = ogg;
        for (int i = 0; i < 4; ++i)
            bytes[random() % bytes.size()] = static_cast<char>(random());
        std::string error;
        auto decoder = media::AudioDecoder::open(shared(bytes), error);
        if (!decoder)
            continue;
        // What it accepts is still a sound it can hand on: mono or stereo, whole frames.
        EXPECT_TRUE(decoder->channels() == 1 || decoder->channels() == 2);
        EXPECT_GT(decoder->rate(), 0);
        auto samples = decoder->readAll(error);
        if (samples) {
            EXPECT_EQ(samples->size() % static_cast<std::size_t>(decoder->channels()), 0u);
        }
    }
}
} // namespace
