// The real game is heard: a level played by our own player, with OpenAL's "wave" driver
// recording the mix to a file.
#include "RunGame.hpp"

#include "media/AudioDecoder.hpp"
#include "media/FileSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace
{
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;

TEST(Audio, ALevelPlayedByOurPlayerIsHeard)
{
    if (!std::filesystem::exists(runDir + "/data/globalSnd.dat"))
        GTEST_SKIP() << "the run folder has no data/globalSnd.dat: the game has no sounds to play yet";
    TempFolder t;
    std::string mix = t / "mix.wav";
    std::string settings = "[general]\nchannels=stereo\nsample-type=int16\nfrequency=22050\n"
                           "[wave]\nfile="
                           + mix + "\n";
    std::string conf = t.write("alsoft.conf", settings);
    // Besides whatever the level plays, the pointer passes over the level's menu button twice
    // early in the run: its hover sound.
    std::string input = t.write("input.txt", "30 move 100 750\n60 move 500 300\n90 move 100 750\n");
    e2e::Run run = e2e::runGame(game,
                                {"--headless", "--fixed-step", "--seed", "11", "--frames", "240",
                                 "--autoplay", "--level", "data/levels/stage-01/level-01.lvl", "--input",
                                 input, "--user-dir", t / "user"},
                                runDir, {"ALSOFT_DRIVERS=wave", "ALSOFT_CONF=" + conf}, 120);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    if (!std::filesystem::exists(mix) || std::filesystem::file_size(mix) == 0)
        GTEST_SKIP() << "OpenAL's wave driver wrote nothing here; the game said:\n" << run.err;

    // The game closed its device on the way out, so the recording is a whole WAV file.
    auto bytes = media::fs::readBytes(mix);
    ASSERT_TRUE(bytes);
    std::string error;
    auto decoder = media::AudioDecoder::open(std::make_shared<const std::string>(std::move(*bytes)), error);
    ASSERT_TRUE(decoder) << mix << ": " << error;
    auto samples = decoder->readAll(error);
    ASSERT_TRUE(samples) << error;
    // OpenAL dithers its 16-bit mix by a step or two: sound is well above that.
    int peak = 0;
    long heard = 0;
    for (std::int16_t s : *samples) {
        int level = std::abs(static_cast<int>(s));
        peak = std::max(peak, level);
        heard += level > 100 ? 1 : 0;
    }
    EXPECT_GT(heard, 100) << "the recording of " << decoder->lengthMs() << " ms is silent (loudest sample "
                          << peak << ")\n"
                          << run.err;
}
} // namespace
