// Keyboard and mouse state between the event pump and the game.
#include "media/Input.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace media;

TEST(Input, HitsCountPressesAndReadingClearsThem)
{
    Input input;
    input.feedKey(key::Space, true);
    input.feedKey(key::Space, true); // a repeat while held is not a new press
    input.feedKey(key::Space, false);
    input.feedKey(key::Space, true);
    EXPECT_EQ(input.keyHits(key::Space), 2);
    EXPECT_EQ(input.keyHits(key::Space), 0);
    EXPECT_TRUE(input.keyDown(key::Space));
}

TEST(Input, FlushingForgetsPressesButNotWhatIsHeld)
{
    Input input;
    input.feedMouseButton(mouse::Left, true);
    input.feedKey(key::Enter, true);
    input.feedChar('x');
    input.flushMouse();
    input.flushKeys();
    EXPECT_EQ(input.mouseHits(mouse::Left), 0);
    EXPECT_EQ(input.keyHits(key::Enter), 0);
    EXPECT_EQ(input.takeChar(), 0u);
    EXPECT_TRUE(input.mouseDown(mouse::Left));
    EXPECT_TRUE(input.keyDown(key::Enter));
}

TEST(Input, AChordTypedFasterThanAFrameIsStillSeen)
{
    Input input;
    // Alt down, F4 pressed and released, Alt released: all before the game looks.
    input.feedKey(key::LeftAlt, true);
    input.feedKey(key::F4, true);
    input.feedKey(key::F4, false);
    input.feedKey(key::LeftAlt, false);
    EXPECT_FALSE(input.keyDown(key::LeftAlt));
    EXPECT_TRUE(input.keyPressedWith(key::F4, key::LeftAlt));
    EXPECT_FALSE(input.keyPressedWith(key::F4, key::LeftControl));
    // F4 alone afterwards is no longer a chord.
    input.feedKey(key::F4, true);
    EXPECT_FALSE(input.keyPressedWith(key::F4, key::LeftAlt));
}

TEST(Input, OutOfRangeButtonsAndKeysAreIgnored)
{
    Input input;
    input.feedMouseButton(0, true);
    input.feedMouseButton(9, true);
    input.feedKey(-1, true);
    input.feedKey(key::Count, true);
    EXPECT_EQ(input.mouseHits(9), 0);
    EXPECT_FALSE(input.keyDown(key::Count));
}

TEST(Input, TheTypedQueueIsBounded)
{
    Input input;
    for (int i = 0; i < 10000; ++i)
        input.feedChar('a');
    int taken = 0;
    while (input.takeChar())
        ++taken;
    EXPECT_EQ(taken, 256);
}
} // namespace
