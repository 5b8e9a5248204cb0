// A rack sword on its own: standing proud under the pointer, sliding out when clicked, fading,
// the pointer test on its turned face, and how it is drawn.
#include "cards/TSword.hpp"

#include "cards/Cards.hpp"
#include "cards/Swords.hpp"
#include "cards/TCardData.hpp"
#include "gui/TMouse.hpp"
#include "media/PictureCache.hpp"
#include "media/null/NullRenderer.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::CardFixture;

// A sword of rank 7 lying straight up on the rack (270 degrees: x 920, y 740).
TSword upright()
{
    TSword sword = *newSwordById(207);
    sword.rot = 270;
    sword.dRot = 270;
    sword._updatePosition();
    return sword;
}

TEST(RackSword, AHoveredSwordStandsTwentyPixelsProudAfterTwentyFrames)
{
    CardFixture f;
    f.defineAllSwords();
    TSword sword = upright();
    EXPECT_FLOAT_EQ(sword.dim.y, 740);
    for (int frame = 1; frame <= 20; ++frame) {
        sword.update(true, false);
        if (frame == 18) {
            EXPECT_GT(sword.dim.y, 721);
        }
    }
    EXPECT_EQ(sword.over, 1);
    EXPECT_FLOAT_EQ(sword.overP, 1);
    EXPECT_FLOAT_EQ(sword.dim.y, 720);
    sword.update(true, false);
    EXPECT_FLOAT_EQ(sword.dim.y, 720); // and no further

    // The pointer gone, it sinks back as fast; `over` remembers it was there.
    for (int frame = 0; frame < 20; ++frame)
        sword.update(false, false);
    EXPECT_FLOAT_EQ(sword.dim.y, 740);
    EXPECT_EQ(sword.over, 1);
}

TEST(RackSword, AClickedSwordSlidesOutToExactly130InThirteenFramesWithoutFading)
{
    CardFixture f;
    f.defineAllSwords();
    TSword sword = upright();
    sword.da = 0; // a used sword fades once it is let go
    for (int frame = 1; frame <= 13; ++frame) {
        sword.update(false, true);
        if (frame == 12) {
            EXPECT_LT(sword.dodOdl, 130);
        }
    }
    EXPECT_EQ(sword.dodOdl, 130);
    sword.update(false, true);
    EXPECT_EQ(sword.dodOdl, 130);
    EXPECT_FLOAT_EQ(sword.a, 1);
    // The next frame's position shows the whole slide-out.
    sword.update(false, true);
    EXPECT_FLOAT_EQ(sword.dim.y, 1034 - 294 - 130);

    // Let go, it slides back in and fades toward its target opacity.
    for (int frame = 0; frame < 20; ++frame)
        sword.update(false, false);
    EXPECT_EQ(sword.dodOdl, 0);
    EXPECT_FLOAT_EQ(sword.a, 0);
}

TEST(RackSword, BringsBothAnglesOntoTheCircleBeforeTurning)
{
    CardFixture f;
    f.defineAllSwords();
    TSword sword = upright();
    sword.rot = 365;  // one turn too far: it is 5 degrees
    sword.dRot = -85; // 275 degrees
    sword.update(false, false);
    EXPECT_FLOAT_EQ(sword.dRot, 275);
    EXPECT_NEAR(sword.rot, 5.1f, 1e-4);
}

TEST(RackSword, ThePointerTestFollowsTheTurnedFace)
{
    CardFixture f;
    f.defineAllSwords();
    TSword sword = upright();
    // The face pictures of the fixture are blank: the card's own shape stands in for them. Laid
    // straight up the sword is 96 wide and 140 high; turned a quarter, 140 wide and 96 high.
    TCardData faceless = *sword.sd->cd;
    faceless.img = {};
    TSwordData definition = *sword.sd;
    definition.cd = &faceless;
    sword.sd = &definition;
    sword.dim.x = 500;
    sword.dim.y = 400;
    struct Case
    {
        float rot;
        int x, y;
        bool over;
    };
    for (Case c : {Case{270, 500, 400, true}, Case{270, 500, 460, true}, Case{270, 560, 400, false},
                   Case{0, 560, 400, true}, Case{0, 500, 460, false}}) {
        sword.rot = c.rot;
        f.program().input().feedMouseMove(static_cast<float>(c.x), static_cast<float>(c.y));
        guiMouse().update();
        EXPECT_EQ(sword._updateOver(), c.over) << c.rot << " at " << c.x << ", " << c.y;
    }
}

TEST(RackSword, ThePointerTestUsesTheFacesOwnShape)
{
    CardFixture f;
    f.defineAllSwords();
    TSword sword = upright();
    // A face whose left half only is opaque.
    media::Image half(96, 140);
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < 48; ++x)
            half.pixel(x, y)[3] = 255;
    TCardData shaped = *sword.sd->cd;
    shaped.img = media::makePicture(media::gfx(), half, media::defaultPictureFlags, "");
    shaped.img.midHandle();
    shaped.frame = 0;
    TSwordData definition = *sword.sd;
    definition.cd = &shaped;
    sword.sd = &definition;
    f.program().input().feedMouseMove(920 - 30, 740);
    guiMouse().update();
    EXPECT_TRUE(sword._updateOver());
    f.program().input().feedMouseMove(920 + 30, 740);
    guiMouse().update();
    EXPECT_FALSE(sword._updateOver());
}

TEST(RackSword, IsDrawnTurnedWithTheRackAtItsOpacity)
{
    CardFixture f;
    f.defineAllSwords();
    media::NullRenderer& renderer = f.program().display().nullRenderer();
    media::Image face(96, 140);
    for (std::size_t i = 0; i < face.rgba.size(); ++i)
        face.rgba[i] = 255;
    TSword sword = upright();
    TCardData shown = *sword.sd->cd;
    shown.img = media::makePicture(media::gfx(), face, media::defaultPictureFlags, "");
    shown.frame = 0;
    TSwordData definition = *sword.sd;
    definition.cd = &shown;
    sword.sd = &definition;
    sword.rot = 256;
    sword.a = 0.5f;
    sword.dim.x = 700;
    sword.dim.y = 600;
    const int before = renderer.drawCalls();
    sword.draw();
    media::gfx().flush();
    ASSERT_EQ(renderer.drawCalls(), before + 1);
    EXPECT_FLOAT_EQ(renderer.lastState().rotation, 346);
    EXPECT_FLOAT_EQ(renderer.lastState().alpha, 0.5f);
    EXPECT_EQ(renderer.lastState().blend, media::Blend::Alpha);

    TSword undefined;
    undefined.draw();
    media::gfx().flush();
    EXPECT_EQ(renderer.drawCalls(), before + 1);
}
} // namespace
