// The credits: how the table's lines are read, the scroll that starts again from below, and
// the ways to dismiss them.
#include "screens/TCredits.hpp"

#include "media/Font.hpp"
#include "screens/TMainMenu.hpp"
#include "screens/TOptions.hpp"
#include "support/DialogFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::DialogFixture;
using testing_support::ScriptedEvent;

struct LineCase
{
    const char* what;
    std::string line;
    bool kept;
    std::string text;
    int size;
};

std::ostream& operator<<(std::ostream& out, const LineCase& c)
{
    return out << c.what;
}

class CreditLines : public ::testing::TestWithParam<LineCase>
{};

TEST_P(CreditLines, AreReadWithTheirMarksAsTheirSize)
{
    const LineCase& c = GetParam();
    DialogFixture f;
    TCredits& screen = credits();
    screen.readLines({"first", c.line, "last"});
    ASSERT_EQ(screen.lista.size(), c.kept ? 3u : 2u);
    EXPECT_EQ(screen.lista.front().txt, "first");
    EXPECT_EQ(screen.lista.back().txt, "last");
    if (!c.kept)
        return;
    const TCreditData& read = screen.lista[1];
    EXPECT_EQ(read.txt, c.text);
    ASSERT_TRUE(read.font);
    EXPECT_EQ(read.font->size(), c.size);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreditLines,
    ::testing::Values(LineCase{"plain", "The Eldmere team", true, "The Eldmere team", 26},
                      LineCase{"heading", "#Made by#", true, "Made by", 42},
                      LineCase{"title", "$Eldmere$", true, "Eldmere", 60},
                      LineCase{"a title inside heading marks", "#$Eldmere$#", true, "Eldmere", 60},
                      LineCase{"heading with a carriage return", "#Made by#\r", true, "Made by", 42},
                      LineCase{"plain with a carriage return", "SDL2\r", true, "SDL2", 26},
                      LineCase{"heading without its closing mark", "#Made by", true, "Made by", 42},
                      LineCase{"empty", "", false, "", 0},
                      LineCase{"empty with a carriage return", "\r", false, "", 0},
                      LineCase{"a lone heading mark: a gap", "#", true, "", 42},
                      LineCase{"lone marks: a gap", "#$", true, "", 60},
                      LineCase{"marks inside a line stay", "Tom #1 $5", true, "Tom #1 $5", 26}));

TEST(CreditsScroll, AnEmptyTableStartsAgainFromBelowAfterItsFirstPixelsLeaveTheTop)
{
    DialogFixture f;
    TCredits& screen = credits();
    screen.readLines({});
    screen.prepare(nullptr);
    // One pixel a frame from 768: below 0 on frame 769, and then from 800.
    for (int frame = 1; frame <= 768; ++frame)
        screen._updateMove();
    EXPECT_EQ(screen.y, 0.0f);
    screen._updateMove();
    EXPECT_EQ(screen.y, TCredits::wrapY);
    screen._updateMove();
    EXPECT_EQ(screen.y, TCredits::wrapY - 1);
}

TEST(CreditsScroll, TheLinesStartAgainOnlyOnceTheLastHasLeftTheTop)
{
    DialogFixture f;
    TCredits& screen = credits();
    screen.readLines({"#Made by#", "The Eldmere team"});
    screen.prepare(nullptr);
    // The two lines' text heights and their gaps of 2.
    const int tall = screen.font2->height() + 2 + screen.font1->height() + 2;
    int frames = 0;
    while (screen.y != TCredits::wrapY && frames < 5000) {
        screen._updateMove();
        ++frames;
    }
    EXPECT_EQ(frames, 768 + tall + 1);
}

enum class Dismiss
{
    Click,
    Enter,
    Space,
    Escape,
};

class CreditsDismissed : public ::testing::TestWithParam<Dismiss>
{};

TEST_P(CreditsDismissed, FadeOutAndReturn)
{
    DialogFixture f;
    TCredits& screen = credits();
    const char* events[] = {"click left 512 384", "key Enter tap", "key Space tap", "key Escape tap"};
    // A key that does not dismiss them first; then the one that does.
    f.script({{40, "key A tap"}, {60, events[static_cast<int>(GetParam())]}});
    const long long start = framesDone();
    screen.mainLoop(nullptr);
    EXPECT_NEAR(static_cast<double>(framesDone() - start), 80, 2);
    EXPECT_LT(screen.y, TCredits::startY);
    EXPECT_TRUE(screen.alphaGone());
}

INSTANTIATE_TEST_SUITE_P(Cases, CreditsDismissed,
                         ::testing::Values(Dismiss::Click, Dismiss::Enter, Dismiss::Space, Dismiss::Escape));

TEST(Credits, APressOnTheFirstFrameEndsThemAtOnce)
{
    DialogFixture f;
    f.script({{1, "click left 100 100"}});
    const long long start = framesDone();
    credits().mainLoop(nullptr);
    EXPECT_LE(framesDone() - start, 3);
}

TEST(Credits, RunFromTheOptionsOverTheTitleScreen)
{
    DialogFixture f;
    TMainMenu title;
    TOptions& options = *base::program().options;
    options.setup();
    f.script({{30, DialogFixture::clickOn(*options.Gui, "credits")},
              {90, "key Enter tap"},
              {130, DialogFixture::clickOn(*options.Gui, "ok")}});
    EXPECT_EQ(options.mainLoop(&title), "");
    ASSERT_TRUE(base::program().credits);
    // Shown for about a second before Enter dismissed them.
    EXPECT_NEAR(base::program().credits->y, TCredits::startY - 80, 3);
}
} // namespace
