// The magic-card collection: the cards on their three rings, the found ones in colour and the
// others dark, a found card under the pointer shown enlarged in its own time, and any number of
// magic identities laid out without reaching past the rings or the list.
#include "screens/TMagicCardsScreen.hpp"

#include "cards/Cards.hpp"
#include "cards/TCardData.hpp"
#include "data/Language.hpp"
#include "media/null/NullRenderer.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "support/CardFixture.hpp"
#include "support/RunFolder.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
using testing_support::CardFixture;

// --- the rings

struct PlaceCase
{
    int ring;
    int index;
    float x;
    float y;
    float rotation;
};

void PrintTo(const PlaceCase& c, std::ostream* os)
{
    *os << "ring " << c.ring << " card " << c.index;
}

class RingPlaces : public ::testing::TestWithParam<PlaceCase>
{};

TEST_P(RingPlaces, CardsStandOnTheirRingFeetInwardAndUprightBelow)
{
    const PlaceCase& c = GetParam();
    const RingPlace at = TMagicCardsScreen::ringPlace(c.ring, c.index);
    EXPECT_NEAR(at.x, c.x, 0.01f);
    EXPECT_NEAR(at.y, c.y, 0.01f);
    EXPECT_NEAR(at.rotation, c.rotation, 0.001f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RingPlaces,
    ::testing::Values(PlaceCase{0, 0, 506, 200, 0},           // the top of the outer ring
                      PlaceCase{0, 6, 721, 415, 90},          // at 0 degrees: not yet the lower half
                      PlaceCase{0, 7, 713.67f, 470.65f, 285}, // 15 degrees: turned upright
                      PlaceCase{0, 12, 506, 630, 360},        // the foot of the ring, upright
                      PlaceCase{0, 18, 291, 415, 270},        // at 180 degrees: the upper half again
                      PlaceCase{0, 23, 450.35f, 207.33f, 345},
                      PlaceCase{1, 3, 635.90f, 340, 60}, // -30 degrees on the middle ring
                      PlaceCase{1, 9, 506, 565, 360},
                      PlaceCase{2, 2, 586.84f, 388.73f, 72}, // -18 degrees on the inner ring
                      PlaceCase{2, 3, 586.84f, 441.27f, 288}));

// --- the screen with the shipped panel over the fixture's cards

// The collection set up from the run folder, the cards of the fixture (52 magic identities on
// one opaque sheet); every frame is a 60th of a second.
struct CollectionFixture
{
    CollectionFixture()
    {
        cards.program().clock().stepsWithFrames = true;
        language = "en";
        testing_support::InFolder here(testing_support::runDir);
        screen.setup();
    }

    media::NullRenderer& renderer() { return cards.program().display().nullRenderer(); }

    // One frame with the pointer at (x, y).
    void frame(float x, float y)
    {
        cards.program().input().feedMouseMove(x, y);
        screen.update();
    }
    void frames(int count, float x, float y)
    {
        for (int i = 0; i < count; ++i)
            frame(x, y);
    }

    // The cards drawn in one frame at ring size: those in colour and the dark ones.
    struct Drawn
    {
        int coloured = 0;
        int dark = 0;
        int enlarged = 0; // drawn at full size
    };
    Drawn drawn()
    {
        renderer().recordSprites();
        screen.draw();
        Drawn d;
        for (const auto& s : renderer().recordedSprites()) {
            const bool black = s.state.red == 0 && s.state.green == 0 && s.state.blue == 0;
            if (std::abs(s.sprite.w - 96 * TMagicCardsScreen::cardScale) < 0.5f) {
                if (!black && s.state.alpha > 0.99f)
                    ++d.coloured;
                else if (black && std::abs(s.state.alpha - 0.3f) < 0.01f)
                    ++d.dark;
            } else if (s.sprite.w == 96 && s.sprite.h == 140 && s.state.alpha > 0) {
                ++d.enlarged;
            }
        }
        return d;
    }

    CardFixture cards;
    TMagicCardsScreen screen;
};

TEST(MagicCards, WithNoCardFoundAll52AreDarkAndHoveringEnlargesNothing)
{
    CollectionFixture f;
    f.screen.prepare(nullptr);
    EXPECT_EQ(f.screen.ring(0).size(), 24u);
    EXPECT_EQ(f.screen.ring(1).size(), 18u);
    EXPECT_EQ(f.screen.ring(2).size(), 10u);
    // The identities in the order the game defines them.
    EXPECT_EQ(f.screen.ring(0).front()->id, 301);
    EXPECT_EQ(f.screen.ring(2).back()->id, 352);
    const RingPlace on = TMagicCardsScreen::ringPlace(1, 4);
    f.frames(60, on.x, on.y);
    EXPECT_EQ(f.screen.alpha, 1);
    EXPECT_EQ(f.screen.overCard, nullptr);
    EXPECT_EQ(f.screen.showCard, nullptr);
    EXPECT_LT(f.screen.showA, 0);
    const auto d = f.drawn();
    EXPECT_EQ(d.dark, 52);
    EXPECT_EQ(d.coloured, 0);
    EXPECT_EQ(d.enlarged, 0);
}

TEST(MagicCards, AFoundCardIsInColourAndComesUpEnlargedInItsOwnTime)
{
    CollectionFixture f;
    TCardData* found = cardDataById(323); // the outer ring's last card
    ASSERT_TRUE(found);
    profile().magicCards = {found};
    f.screen.prepare(nullptr);
    // The screen comes in with the pointer away from the cards.
    f.frames(25, 20, 20);
    EXPECT_EQ(f.screen.showA, -1);
    auto d = f.drawn();
    EXPECT_EQ(d.coloured, 1);
    EXPECT_EQ(d.dark, 52); // its dark copy under it, and 51 silhouettes

    // The pointer on the card.
    const RingPlace at = TMagicCardsScreen::ringPlace(0, 22);
    f.frames(19, at.x, at.y);
    EXPECT_EQ(f.screen.overCard, found);
    EXPECT_LT(f.screen.showA, 0);
    EXPECT_EQ(f.drawn().enlarged, 0);
    f.frames(2, at.x, at.y); // 21 frames on it: it shows
    EXPECT_GT(f.screen.showA, 0);
    EXPECT_EQ(f.drawn().enlarged, 1);
    f.frames(20, at.x, at.y); // 41: fully
    EXPECT_EQ(f.screen.showA, 1);

    // Off it: gone within 7 frames.
    f.frames(7, 20, 20);
    EXPECT_EQ(f.screen.overCard, nullptr);
    EXPECT_EQ(f.screen.showA, -1);
    EXPECT_EQ(f.drawn().enlarged, 0);
}

TEST(MagicCards, ThePointerTestFollowsTheTurnedCardNotItsBox)
{
    CollectionFixture f;
    TCardData* found = cardDataById(301); // the top of the outer ring, upright
    TCardData* side = cardDataById(307);  // at 0 degrees: lying on its side
    profile().magicCards = {found, side};
    f.screen.prepare(nullptr);
    // The cards are 43 x 63 on screen: 25 pixels beside the middle of the top card is off it,
    // 25 pixels below the middle of the side card is off it too (it lies 63 wide, 43 high)...
    EXPECT_EQ(f.screen.ownedCardAt(506, 200), found);
    EXPECT_EQ(f.screen.ownedCardAt(506 + 25, 200), nullptr);
    EXPECT_EQ(f.screen.ownedCardAt(506, 200 + 28), found);
    EXPECT_EQ(f.screen.ownedCardAt(721, 415 + 25), nullptr);
    // ... and 28 pixels along it is on it.
    EXPECT_EQ(f.screen.ownedCardAt(721 + 28, 415), side);
    // A card not found is passed over.
    EXPECT_EQ(f.screen.ownedCardAt(506, 630), nullptr);
}

struct CountCase
{
    int identities;
    std::size_t ring1, ring2, ring3;
};

void PrintTo(const CountCase& c, std::ostream* os)
{
    *os << c.identities << " magic identities";
}

class MagicCardCounts : public ::testing::TestWithParam<CountCase>
{};

TEST_P(MagicCardCounts, FewerLeaveGapsAndMoreAreNotShown)
{
    const CountCase& c = GetParam();
    CollectionFixture f;
    std::vector<TCardData*>& magic = cardSet().magicCardData;
    const std::vector<TCardData*> all = magic;
    magic.clear();
    for (int k = 0; k < c.identities; ++k)
        magic.push_back(all[static_cast<std::size_t>(k) % all.size()]);
    profile().magicCards = all; // every one found: every card shown is drawn in colour
    f.screen.prepare(nullptr);
    EXPECT_EQ(f.screen.ring(0).size(), c.ring1);
    EXPECT_EQ(f.screen.ring(1).size(), c.ring2);
    EXPECT_EQ(f.screen.ring(2).size(), c.ring3);
    // Every place of every ring pointed at, the empty ones too.
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < TMagicCardsScreen::ringSize[static_cast<std::size_t>(k)]; ++i) {
            const RingPlace at = TMagicCardsScreen::ringPlace(k, i);
            f.frame(at.x, at.y);
        }
    }
    EXPECT_EQ(f.drawn().coloured, static_cast<int>(c.ring1 + c.ring2 + c.ring3));
}

INSTANTIATE_TEST_SUITE_P(Cases, MagicCardCounts,
                         ::testing::Values(CountCase{0, 0, 0, 0}, CountCase{10, 10, 0, 0},
                                           CountCase{30, 24, 6, 0}, CountCase{45, 24, 18, 3},
                                           CountCase{52, 24, 18, 10}, CountCase{60, 24, 18, 10}));
} // namespace
