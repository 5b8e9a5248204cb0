// The mouse of a frame: presses versus holds, movement, cursors.
#include "gui/TMouse.hpp"

#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::TestProgram;

TEST(TMouse, AClickFrameReportsAPressThenLaterFramesAHold)
{
    TestProgram t;
    TMouse& mouse = guiMouse();
    t.input().feedMouseButton(media::mouse::Left, true);
    mouse.update();
    EXPECT_NE(mouse.leftPressed, 0);
    EXPECT_EQ(mouse.leftHolded, 0); // a press or a hold, never both

    t.clock().now += 100;
    mouse.update();
    EXPECT_EQ(mouse.leftPressed, 0);
    EXPECT_EQ(mouse.leftHolded, 1);
    EXPECT_EQ(mouse.getHoldedTime(), 100);

    t.input().feedMouseButton(media::mouse::Left, false);
    mouse.update();
    EXPECT_EQ(mouse.leftHolded, 0);
    EXPECT_EQ(mouse.getHoldedTime(), 0); // no hold, no hold time (not the whole clock)
}

TEST(TMouse, SeveralPressesInOneFrameCountAndRightAndMiddleAreSeparate)
{
    TestProgram t;
    TMouse& mouse = guiMouse();
    for (int i = 0; i < 2; ++i) {
        t.input().feedMouseButton(media::mouse::Right, true);
        t.input().feedMouseButton(media::mouse::Right, false);
    }
    t.input().feedMouseButton(media::mouse::Middle, true);
    mouse.update();
    EXPECT_EQ(mouse.rightPressed, 2);
    EXPECT_EQ(mouse.leftPressed, 0);
    EXPECT_EQ(mouse.middleHit, 1);
    EXPECT_EQ(mouse.middleHold, 1);
    mouse.update();
    EXPECT_EQ(mouse.rightPressed, 0);
}

TEST(TMouse, MovementIsPreviousMinusCurrent)
{
    TestProgram t;
    TMouse& mouse = guiMouse();
    t.input().feedMouseMove(100.7f, 50);
    mouse.update();
    EXPECT_EQ(mouse.x, 100); // truncated
    t.input().feedMouseMove(105, 40);
    mouse.update();
    EXPECT_EQ(mouse.vx, -5);
    EXPECT_EQ(mouse.vy, 10);
    EXPECT_EQ(mouse.px, 100);
}

TEST(TMouse, RectanglesIncludeTheirEdges)
{
    TestProgram t;
    TMouse& mouse = guiMouse();
    t.input().feedMouseMove(110, 220);
    mouse.update();
    EXPECT_EQ(mouse.inRect(100, 200, 10, 20), 1);
    EXPECT_EQ(mouse.inRect(100, 200, 9, 20), 0);
    EXPECT_EQ(mouse.inRect(110, 220, 0, 0), 1);
    TDim d = createPoint(100.5f, 200);
    d.w = 9.5f;
    d.h = 20;
    EXPECT_EQ(mouse.inDim(d), 1);
    d.w = 9.4f;
    EXPECT_EQ(mouse.inDim(d), 0);
}

TEST(TMouse, CursorsByNameAnyCaseTheNewestWins)
{
    TestProgram t;
    TMouse& mouse = guiMouse();
    media::Picture none;
    mouse.loadCursor("normal", none, 14, 6);
    mouse.loadCursor("over", none, 14, 6);
    mouse.loadCursor("Normal", none, 1, 1);
    TCursor* newest = mouse.cur;
    mouse.setCursor("over");
    EXPECT_EQ(mouse.cur->_id, "over");
    mouse.setCursor("NORMAL");
    EXPECT_EQ(mouse.cur, newest);
    mouse.setCursor("missing");
    EXPECT_EQ(mouse.cur, newest);
}

TEST(TMouse, AnimatedCursorAdvancesOncePerDueUpdate)
{
    TestProgram t;
    TCursor cursor;
    cursor._maxFrames = 3;
    cursor._timeDelta = 100;
    std::vector<int> frames;
    for (int i = 0; i < 6; ++i) {
        cursor.update();
        frames.push_back(cursor._frame);
        cursor.update(); // not due yet: no second step in the same moment
        t.clock().now += 100;
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 0, 1, 2}));
}

TEST(TMouse, HiddenMouseDrawsNothing)
{
    TestProgram t;
    TMouse& mouse = guiMouse();
    media::Picture dot = media::makePicture(media::gfx(), media::Image(2, 2), media::Filtered, "");
    mouse.loadCursor("normal", dot, 0, 0);
    int before = t.display().nullRenderer().drawCalls();
    mouse.hide();
    mouse.draw();
    EXPECT_EQ(t.display().nullRenderer().drawCalls(), before);
    mouse.show();
    mouse.draw();
    EXPECT_EQ(t.display().nullRenderer().drawCalls(), before + 1);
}
} // namespace
