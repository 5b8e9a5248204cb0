// The sound registry on silent speakers and a hand-moved clock: its file, the six copies of an
// effect, the music's cross-fade, the volumes, and how the program drives it.
#include "audio/TGlobalSnd.hpp"

#include "audio/Sounds.hpp"
#include "media/Report.hpp"
#include "screens/Frame.hpp"
#include "screens/TOptions.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace
{
using testing_support::InFolder;
using testing_support::TempFolder;
using testing_support::TestProgram;

// An 8-bit mono WAV of silence, `ms` long at 8000 frames a second.
std::string silentWav(int ms)
{
    auto put32 = [](std::string& s, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    std::uint32_t frames = static_cast<std::uint32_t>(8 * ms);
    std::string s = "RIFF";
    put32(s, 36 + frames);
    s += "WAVEfmt ";
    put32(s, 16);
    s += std::string("\x01\x00\x01\x00", 4); // PCM, mono
    put32(s, 8000);
    put32(s, 8000);
    s += std::string("\x01\x00\x08\x00", 4); // 1 byte a frame, 8 bits
    s += "data";
    put32(s, frames);
    return s + std::string(frames, '\x80');
}

const char* registryText = R"(globalSnd {
	musics = 5
	music1 {
		id = "title"
		loop = 1
		url = "music/title.wav"
	}
	music2 {
		id = "level-1"
		loop = 1
		url = "music/level-1.wav"
	}
	music3 {
		id = "Level-2"
		loop = 0
		url = "music/level-2.wav"
	}
	music4 {
		id = "level-3"
		loop = 1
		url = "music/missing.ogg"
	}
	music5 {
		id = "level-4"
		loop = 1
		url = "music/folder.ogg"
	}
	sounds = 3
	snd1 {
		id = "click"
		url = "sfx/click.wav"
	}
	snd2 {
		id = "Coin-1"
		url = "sfx/coin.wav"
	}
	snd3 {
		id = "bad"
		url = "sfx/bad.wav"
	}
}
)";

// A program with its options and its sound registry, in a folder holding the registry file
// and its sounds: "click" lasts 100 ms, "Coin-1" 250 ms, and the music 4, 3 and 2 seconds.
class Registry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.write("sfx/click.wav", silentWav(100));
        folder.write("sfx/coin.wav", silentWav(250));
        folder.write("sfx/bad.wav", "not a sound");
        folder.write("music/title.wav", silentWav(4000));
        folder.write("music/level-1.wav", silentWav(3000));
        folder.write("music/level-2.wav", silentWav(2000));
        std::filesystem::create_directories(folder / "music/folder.ogg");
        folder.write("data/globalSnd.dat", registryText);
        here = std::make_unique<InFolder>(folder.path());
        shell::LaunchOptions options;
        options.userDir = folder / "user";
        t = std::make_unique<TestProgram>(options);
        t->program().options = std::make_unique<TOptions>();
        t->program().globalSnd = std::make_unique<TGlobalSnd>();
        media::setReportSink([this](std::string_view line) { lines.emplace_back(line); });
        snd().setup();
        snd().setMusicVol(0.5f);
        snd().setSoundVol(t->program().options->soundVol);
        base::program().delta = 1;
    }
    void TearDown() override { media::setReportSink({}); }

    TGlobalSnd& snd() { return *t->program().globalSnd; }
    media::NullAudio& audio() { return t->audio(); }
    TOptions& options() { return *t->program().options; }
    // The options' sound volume changes, and the registry is told, as the options screen does.
    void setSoundVolume(float v)
    {
        options().soundVol = v;
        snd().setSoundVol(v);
    }
    void wait(int ms) { t->clock().now += ms; }
    // Frames of the registry alone, 1/60 s each.
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            wait(17);
            snd().update();
        }
    }
    // The loudness a music channel has at fade level `per`, with the music volume at 0.5.
    static float musicAt(float per) { return 0.5f * per * 0.5f; }
    // Loads the title and the first level's piece and lets the title fade in fully.
    media::Channel titleFadedIn()
    {
        snd()._setupExctMusic(1);
        snd()._setupExctMusic(2);
        snd().playMyMusic("title");
        frames(40);
        return snd().newMusicCHN;
    }

    TempFolder folder;
    std::unique_ptr<InFolder> here;
    std::unique_ptr<TestProgram> t;
    std::vector<std::string> lines;
};

TEST_F(Registry, ReadsMusicAndEffectsInFileOrderAndLoadsOnlyTheEffects)
{
    ASSERT_EQ(snd().musics.size(), 5u);
    std::vector<std::string> ids;
    for (const TMusicData& m : snd().musics) {
        ids.push_back(m.id);
        EXPECT_FALSE(m.snd) << m.id << " loaded before it was asked for";
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"title", "level-1", "Level-2", "level-3", "level-4"}));
    EXPECT_EQ(snd().musics[0].loop, 1);
    EXPECT_EQ(snd().musics[2].loop, 0);
    ASSERT_EQ(snd().sounds.size(), 3u);
    EXPECT_TRUE(snd().sounds[0].snd);
    EXPECT_TRUE(snd().sounds[1].snd);
    EXPECT_FALSE(snd().sounds[2].snd); // not a sound: plays nothing
    // Names match whatever their case.
    EXPECT_EQ(snd().getMusicData("LEVEL-2"), &snd().musics[2]);
    EXPECT_EQ(snd().getSoundData("coin-1"), &snd().sounds[1]);
    EXPECT_EQ(snd().getSoundData("coin-2"), nullptr);
    EXPECT_EQ(snd().getMusicData(""), nullptr);
    // The missing music file and the bad effect are named on the console, never in a box that
    // would hold a run nobody watches.
    EXPECT_EQ(lines, (std::vector<std::string>{"NO FILE: music/missing.ogg",
                                               "sfx/bad.wav: not a WAV or Ogg Vorbis sound"}));
    EXPECT_TRUE(t->display().messages().empty());
}

struct EntryCase
{
    int n;
    bool loads;
    const char* message; // "" for none
};

std::ostream& operator<<(std::ostream& out, const EntryCase& c)
{
    return out << "entry " << c.n;
}

class MusicEntry : public Registry, public ::testing::WithParamInterface<EntryCase>
{};

TEST_P(MusicEntry, LoadsOnlyEntriesThatExist)
{
    const EntryCase& c = GetParam();
    lines.clear();
    snd()._setupExctMusic(c.n);
    int loaded = 0;
    for (const TMusicData& m : snd().musics)
        loaded += m.snd ? 1 : 0;
    EXPECT_EQ(loaded, c.loads ? 1 : 0);
    if (c.message[0] == '\0') {
        EXPECT_TRUE(lines.empty()) << lines.front();
    } else {
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, MusicEntry,
    ::testing::Values(EntryCase{1, true, ""}, EntryCase{3, true, ""}, EntryCase{0, false, ""},
                      EntryCase{-1, false, ""}, EntryCase{6, false, ""}, EntryCase{7, false, ""},
                      EntryCase{4, false, "NIE UDALO SIE ZALADOWAC: music/missing.ogg FILETYPE : 0"},
                      EntryCase{5, false, "NIE UDALO SIE ZALADOWAC: music/folder.ogg FILETYPE : 2"}));

TEST_F(Registry, AMissingRegistryFileLeavesTheGameSilentWithOneLine)
{
    std::filesystem::remove(folder / "data/globalSnd.dat");
    lines.clear();
    TGlobalSnd empty;
    empty.setup();
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "data/globalSnd.dat: missing: the game plays without sounds or music"}));
    EXPECT_TRUE(empty.musics.empty());
    EXPECT_TRUE(empty.sounds.empty());
    empty.playMySound("click");
    empty.playMyMusic("title");
    empty.playLevelSound(1);
    empty._setupExctMusic(1);
    empty._setupExctMusic(7);
    empty.update();
    EXPECT_EQ(audio().started(), 0);
}

TEST_F(Registry, SixCopiesOfAnEffectAtOnceAndAFinishedOneFreesItsSlot)
{
    TSoundData& click = *snd().getSoundData("click");
    for (int i = 0; i < 6; ++i) {
        snd().playMySound("click");
        wait(10);
    }
    EXPECT_EQ(audio().playingCount(), 6);
    snd().playMySound("click"); // a seventh while six play: dropped
    EXPECT_EQ(audio().started(), 6);

    // The first copy ends 100 ms after it started; the others still play.
    wait(40);
    std::array<media::Channel, 6> before = click.chn;
    snd().playMySound("CLICK");
    EXPECT_EQ(audio().started(), 7);
    EXPECT_NE(click.chn[0], before[0]);
    EXPECT_TRUE(audio().playing(click.chn[0]));
    for (int i = 1; i < 6; ++i)
        EXPECT_EQ(click.chn[i], before[i]);
    snd().playMySound("click");
    EXPECT_EQ(audio().started(), 7);

    // Once all have ended, update() empties every slot.
    wait(200);
    snd().update();
    for (const media::Channel& c : click.chn)
        EXPECT_FALSE(c);
}

TEST_F(Registry, AnEffectStartsAtTheSoundVolume)
{
    setSoundVolume(0.3f);
    snd().playMySound("coin-1");
    media::Channel c = snd().getSoundData("coin-1")->chn[0];
    EXPECT_TRUE(audio().playing(c));
    EXPECT_FLOAT_EQ(audio().volume(c), 0.3f);
    // A later change leaves a playing copy as it was.
    setSoundVolume(0.8f);
    EXPECT_FLOAT_EQ(audio().volume(c), 0.3f);
}

class SilencedEffect : public Registry, public ::testing::WithParamInterface<const char*>
{};

TEST_P(SilencedEffect, NothingStartsWhileTheSoundVolumeIsZero)
{
    setSoundVolume(0);
    std::string how = GetParam();
    if (how == "byName")
        snd().playMySound("click");
    else if (how == "byRecord")
        snd().playMySound(*snd().getSoundData("click"));
    else if (how == "click")
        snd().click();
    else if (how == "withRate")
        snd().getSoundData("click")->playWithRate(25);
    else
        ::playMySound("click");
    EXPECT_EQ(audio().started(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, SilencedEffect,
                         ::testing::Values("byName", "byRecord", "click", "withRate", "throughTheGame"));

struct RateCase
{
    int n;
    double heardMs; // the 250 ms coin at rate n / 25
};

std::ostream& operator<<(std::ostream& out, const RateCase& c)
{
    return out << "n " << c.n;
}

class PlayWithRate : public Registry, public ::testing::WithParamInterface<RateCase>
{};

TEST_P(PlayWithRate, PlaysAtNOverTwentyFiveOnAChannelOfItsOwn)
{
    const RateCase& c = GetParam();
    TSoundData& coin = *snd().getSoundData("coin-1");
    coin.playWithRate(c.n);
    EXPECT_EQ(audio().started(), 1);
    for (const media::Channel& slot : coin.chn)
        EXPECT_FALSE(slot);
    wait(static_cast<int>(c.heardMs * 0.9));
    EXPECT_EQ(audio().playingCount(), 1);
    wait(static_cast<int>(c.heardMs * 0.2));
    EXPECT_EQ(audio().playingCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rates, PlayWithRate,
                         ::testing::Values(RateCase{25, 250}, RateCase{50, 250}, RateCase{10, 625},
                                           RateCase{1, 6250}, RateCase{0, 6250}, RateCase{-4, 6250}));

TEST_F(Registry, ANewPieceFadesInOverAboutThirtyThreeFramesWhileTheOldFadesOut)
{
    snd()._setupExctMusic(1);
    snd()._setupExctMusic(2);
    snd().playMyMusic("title");
    media::Channel title = snd().newMusicCHN;
    ASSERT_TRUE(audio().playing(title));
    EXPECT_EQ(audio().volume(title), 0.0f); // starts silent
    for (int k = 1; k <= 40; ++k) {
        frames(1);
        EXPECT_NEAR(audio().volume(title), musicAt(std::min(1.0f, 0.03f * k)), 1e-4) << "frame " << k;
    }

    snd().playMyMusic("LEVEL-1");
    media::Channel level = snd().newMusicCHN;
    EXPECT_NE(level, title);
    EXPECT_EQ(snd().oldMusicCHN, title);
    EXPECT_EQ(audio().volume(level), 0.0f);
    int oldStoppedAt = 0;
    for (int k = 1; k <= 40; ++k) {
        frames(1);
        EXPECT_NEAR(audio().volume(level), musicAt(std::min(1.0f, 0.03f * k)), 1e-4) << "frame " << k;
        if (audio().playing(title))
            EXPECT_NEAR(audio().volume(title), musicAt(1.0f - 0.03f * k), 1e-4) << "frame " << k;
        else if (oldStoppedAt == 0)
            oldStoppedAt = k;
    }
    EXPECT_EQ(oldStoppedAt, 34);
    EXPECT_FALSE(snd().oldMusicCHN);
    EXPECT_EQ(audio().playingCount(), 1);
    EXPECT_EQ(snd().newMusicData.id, "level-1");
}

TEST_F(Registry, AFrameTwiceAsLongFadesTwiceAsFar)
{
    snd()._setupExctMusic(1);
    snd().playMyMusic("title");
    base::program().delta = 2;
    snd().update();
    base::program().delta = 1;
    EXPECT_NEAR(audio().volume(snd().newMusicCHN), musicAt(0.06f), 1e-5);
}

TEST_F(Registry, APieceNeverLoadedOrUnknownLeavesTheCurrentOnePlaying)
{
    media::Channel title = titleFadedIn();
    for (const char* name : {"Level-2", "level-3", "no such piece"}) {
        snd().playMyMusic(name);
        EXPECT_EQ(snd().newMusicCHN, title) << name;
        EXPECT_FALSE(snd().oldMusicCHN) << name;
        frames(1);
        EXPECT_TRUE(audio().playing(title));
        EXPECT_NEAR(audio().volume(title), musicAt(1), 1e-5);
    }
    EXPECT_EQ(audio().playingCount(), 1);
}

TEST_F(Registry, TheSamePieceAskedForAgainStartsAfresh)
{
    media::Channel title = titleFadedIn();
    snd().playMyMusic("title");
    EXPECT_NE(snd().newMusicCHN, title);
    EXPECT_EQ(snd().oldMusicCHN, title);
    EXPECT_EQ(audio().positionMs(snd().newMusicCHN), 0);
    frames(40);
    EXPECT_FALSE(audio().playing(title));
    EXPECT_TRUE(audio().playing(snd().newMusicCHN));
}

TEST_F(Registry, ChangingPiecesQuicklyLeavesOnlyTheLastPlaying)
{
    titleFadedIn();
    snd()._setupExctMusic(3);
    snd().playMyMusic("level-1");
    frames(10); // the title is still fading out...
    snd().playMyMusic("level-2");
    frames(40);
    // ... and is not left looping for ever once its channel is forgotten.
    EXPECT_EQ(audio().playingCount(), 1);
    EXPECT_EQ(snd().newMusicData.id, "Level-2");
}

TEST_F(Registry, MusicVolumeZeroThenHalfRestartsThePieceFromItsBeginning)
{
    media::Channel title = titleFadedIn();
    wait(1000);
    EXPECT_GT(audio().positionMs(title), 1000);

    snd().setMusicVol(0);
    EXPECT_EQ(audio().playingCount(), 0);
    EXPECT_EQ(snd().mustPlayNewMusic(), 1);
    EXPECT_EQ(snd().musicVol, 0.0f);
    wait(500);

    snd().setMusicVol(0.5f);
    media::Channel again = snd().newMusicCHN;
    ASSERT_TRUE(audio().playing(again));
    EXPECT_NE(again, title);
    EXPECT_EQ(audio().positionMs(again), 0);
    EXPECT_EQ(snd().newMusicData.id, "title");
    EXPECT_EQ(audio().volume(again), 0.0f); // and fades in again
    frames(40);
    EXPECT_NEAR(audio().volume(again), musicAt(1), 1e-5);
    EXPECT_EQ(audio().playingCount(), 1);
}

TEST_F(Registry, AnotherMusicVolumeAppliesAtOnce)
{
    media::Channel title = titleFadedIn();
    snd().setMusicVol(0.2f);
    EXPECT_NEAR(audio().volume(title), 0.2f * 0.5f, 1e-6);
    EXPECT_EQ(snd().newMusicCHN, title);
    frames(1);
    EXPECT_NEAR(audio().volume(title), 0.2f * 0.5f, 1e-6);
}

TEST_F(Registry, PausedMusicKeepsItsPlace)
{
    media::Channel title = titleFadedIn();
    snd().playMyMusic("level-1");
    frames(5);
    media::Channel level = snd().newMusicCHN;
    snd().pauseSounds();
    double titleAt = audio().positionMs(title);
    double levelAt = audio().positionMs(level);
    EXPECT_TRUE(audio().paused(title));
    EXPECT_TRUE(audio().paused(level));
    wait(5000);
    EXPECT_EQ(audio().positionMs(title), titleAt);
    EXPECT_EQ(audio().positionMs(level), levelAt);
    snd().resumeSounds();
    wait(100);
    EXPECT_NEAR(audio().positionMs(level), levelAt + 100, 1e-6);
    EXPECT_FALSE(audio().paused(title));
}

TEST_F(Registry, HiddenMusicStopsAtTheNextFrame)
{
    media::Channel title = titleFadedIn();
    snd().hideMusic();
    EXPECT_FALSE(snd().newMusicCHN);
    EXPECT_EQ(snd().oldMusicCHN, title);
    EXPECT_EQ(snd().mustPlayNewMusic(), 1);
    frames(1);
    EXPECT_FALSE(audio().playing(title));
    EXPECT_EQ(audio().playingCount(), 0);
}

TEST_F(Registry, ALevelPieceIsLoadedWhenFirstPlayed)
{
    snd().playLevelSound(2);
    EXPECT_TRUE(snd().musics[2].snd);
    EXPECT_TRUE(audio().playing(snd().newMusicCHN));
    EXPECT_EQ(snd().newMusicData.id, "Level-2");
    // Not looping: it ends with its sound, and then a new piece must be started.
    frames(2000 / 17 + 2);
    EXPECT_EQ(snd().mustPlayNewMusic(), 1);
    snd().playLevelSound(9); // no such entry
    EXPECT_EQ(audio().playingCount(), 0);
}

TEST_F(Registry, TheGamesCallsReachTheProgramsRegistry)
{
    snd()._setupExctMusic(1);
    ::playMySound("click");
    ::playMyMusic("TITLE");
    EXPECT_EQ(audio().started(), 2);
    EXPECT_EQ(snd().newMusicData.id, "title");
    // Without a registry, or without a program at all, nothing happens.
    t->program().globalSnd.reset();
    ::playMySound("click");
    ::playMyMusic("title");
    EXPECT_EQ(audio().started(), 2);
    t.reset();
    ::playMySound("click");
    ::playMyMusic("title");
}

TEST_F(Registry, EveryFrameMovesTheFades)
{
    snd()._setupExctMusic(1);
    snd().playMyMusic("title");
    updateDelta();
    wait(17);
    beginFrame();
    EXPECT_NEAR(snd().newPer, 0.03f * base::program().delta, 1e-6);
    EXPECT_GT(snd().newPer, 0);
}

TEST_F(Registry, TheSettingsHandTheirVolumesToTheRegistry)
{
    titleFadedIn();
    t->program().prepareDataFolder();
    std::ofstream(TOptions::settingsPath()) << "settings {\n\tmusicVolume = 0\n\tsoundVolume = 0.3\n}\n";
    options().loadOptions();
    EXPECT_EQ(snd().musicVol, 0.0f);
    EXPECT_EQ(audio().playingCount(), 0);
    std::ofstream(TOptions::settingsPath()) << "settings {\n\tmusicVolume = 0.7\n\tsoundVolume = 0.3\n}\n";
    options().loadOptions();
    EXPECT_FLOAT_EQ(snd().musicVol, 0.7f);
    EXPECT_TRUE(audio().playing(snd().newMusicCHN));
}

TEST_F(Registry, ShuttingDownStopsTheMusicAndEveryEffect)
{
    titleFadedIn();
    snd().playMySound("click");
    snd().getSoundData("coin-1")->playWithRate(5);
    EXPECT_EQ(audio().playingCount(), 3);
    t->program().prepareDataFolder();
    t->program().shutdownGame();
    EXPECT_EQ(audio().playingCount(), 0);
}

TEST_F(Registry, AnInactiveWindowPausesTheMusicUntilItComesBack)
{
    // A clock that moves 1/60 s with every frame, so the pause's own frames take time.
    snd().stopMusic();
    t->program().globalSnd.reset();
    auto clock = std::make_unique<media::FixedStepClock>();
    auto speakers = std::make_unique<media::NullAudio>(*clock);
    auto screen = std::make_unique<media::NullDisplay>(media::Size{1920, 1080});
    media::Clock& time = *clock;
    media::NullAudio& audio = *speakers;
    media::NullDisplay& display = *screen;
    t->program().platform =
        std::make_unique<media::Platform>(std::move(screen), std::move(clock), 1, std::move(speakers));
    media::install(t->program().platform.get());
    openGraphics(1024, 768, false, false);
    t->program().pauseFont = &media::fonts().get(72);
    t->program().pauseText = "Paused";
    t->program().globalSnd = std::make_unique<TGlobalSnd>();
    snd().setup();
    snd().setMusicVol(0.5f);
    snd()._setupExctMusic(1);
    snd().playMyMusic("title");
    media::Channel title = snd().newMusicCHN;

    updateDelta();
    double before = audio.positionMs(title);
    std::int64_t start = time.millisecs();
    display.deactivateFor(3);
    endFrame(false);
    // Three frames of the pause and the game's own: only the last one was heard.
    EXPECT_EQ(time.millisecs() - start, 66);
    EXPECT_NEAR(audio.positionMs(title) - before, 1000.0 / 60, 1.0);
    EXPECT_FALSE(audio.paused(title));
    EXPECT_TRUE(audio.playing(title));
}
} // namespace
