// Scripted input: the format, its errors, and feeding frame by frame.
#include "shell/InputScript.hpp"

#include "media/Input.hpp"
#include "media/Keys.hpp"

#include <gtest/gtest.h>

namespace
{
using shell::InputScript;

float same(float v)
{
    return v;
}

TEST(InputScript, FeedsEachFramesEventsOnceInOrder)
{
    std::string error;
    auto script = InputScript::parse("# a comment\n"
                                     "\n"
                                     "3 click left 100 200\n"
                                     "1 move 10 20\n"
                                     "3 key Escape tap\n"
                                     "5 type hi there\n",
                                     "test.txt", error);
    ASSERT_TRUE(script) << error;
    media::Input input;
    script->feed(1, input, same, same);
    EXPECT_FLOAT_EQ(input.mouseX(), 10);
    EXPECT_EQ(input.mouseHits(media::mouse::Left), 0);

    script->feed(3, input, same, same);
    EXPECT_FLOAT_EQ(input.mouseX(), 100);
    EXPECT_FLOAT_EQ(input.mouseY(), 200);
    EXPECT_EQ(input.mouseHits(media::mouse::Left), 1);
    EXPECT_FALSE(input.mouseDown(media::mouse::Left)); // a click is down and up again
    EXPECT_EQ(input.keyHits(media::key::Escape), 1);
    EXPECT_EQ(input.takeChar(), 27u);

    script->feed(3, input, same, same); // nothing twice
    EXPECT_EQ(input.mouseHits(media::mouse::Left), 0);

    script->feed(9, input, same, same);
    std::u32string typed;
    while (char32_t c = input.takeChar())
        typed += c;
    EXPECT_EQ(typed, U"hi there");
}

TEST(InputScript, MapsPositionsThroughTheGivenFunctions)
{
    std::string error;
    auto script = InputScript::parse("1 press right 512 384\n2 release right\n", "t", error);
    ASSERT_TRUE(script) << error;
    media::Input input;
    script->feed(
        1, input, [](float x) { return x * 2 + 1; }, [](float y) { return y / 2; });
    EXPECT_FLOAT_EQ(input.mouseX(), 1025);
    EXPECT_FLOAT_EQ(input.mouseY(), 192);
    EXPECT_TRUE(input.mouseDown(media::mouse::Right));
    script->feed(2, input, same, same);
    EXPECT_FALSE(input.mouseDown(media::mouse::Right));
    EXPECT_FLOAT_EQ(input.mouseX(), 1025); // release without a position stays put
}

TEST(InputScript, HeldAltWithF4IsSeenAsAltF4)
{
    std::string error;
    auto script = InputScript::parse("1 key LeftAlt down\n1 key F4 tap\n2 key LeftAlt up\n", "t", error);
    ASSERT_TRUE(script) << error;
    media::Input input;
    script->feed(1, input, same, same);
    EXPECT_TRUE(input.keyDown(media::key::LeftAlt));
    EXPECT_TRUE(input.keyDown(media::key::Alt));
    EXPECT_EQ(input.keyHits(media::key::F4), 1);
    script->feed(2, input, same, same);
    EXPECT_FALSE(input.keyDown(media::key::LeftAlt));
}

class BadScripts : public ::testing::TestWithParam<std::pair<const char*, const char*>>
{};

TEST_P(BadScripts, AreRefusedNamingFileAndLine)
{
    std::string error;
    auto script = InputScript::parse(std::string("1 move 1 1\n") + GetParam().first, "bad.txt", error);
    EXPECT_FALSE(script);
    EXPECT_NE(error.find("bad.txt:2:"), std::string::npos) << error;
    EXPECT_NE(error.find(GetParam().second), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Lines, BadScripts,
                         ::testing::Values(std::pair{"0 move 1 1", "frame number"},
                                           std::pair{"x move 1 1", "frame number"},
                                           std::pair{"4 jump", "unknown event"},
                                           std::pair{"4 move 1", "move takes"},
                                           std::pair{"4 click sideways 1 1", "left, right or middle"},
                                           std::pair{"4 click left 1", "left, right or middle"},
                                           std::pair{"4 key Nokey tap", "key name"},
                                           std::pair{"4 key Escape twice", "down, up or tap"},
                                           std::pair{"4 wheel lots", "number of steps"}));

TEST(KeyNames, NamedLettersDigitsFunctionKeysAndCodes)
{
    EXPECT_EQ(shell::keyCodeNamed("escape"), media::key::Escape);
    EXPECT_EQ(shell::keyCodeNamed("F4"), media::key::F4);
    EXPECT_EQ(shell::keyCodeNamed("f12"), media::key::F1 + 11);
    EXPECT_EQ(shell::keyCodeNamed("q"), media::key::A + 16);
    EXPECT_EQ(shell::keyCodeNamed("7"), media::key::Digit0 + 7);
    EXPECT_EQ(shell::keyCodeNamed("164"), media::key::LeftAlt);
    EXPECT_EQ(shell::keyCodeNamed("F13"), 0);
    EXPECT_EQ(shell::keyCodeNamed("300"), 0);
}
} // namespace
