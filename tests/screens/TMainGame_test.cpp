// The rules of play: what follows what, drives and the multiplier, the deck, the end of a level,
// and that no card is ever lost or played twice.
#include "screens/TMainGame.hpp"

#include "cards/TCardData.hpp"
#include "screens/TOptions.hpp"
#include "shell/InputScript.hpp"
#include "support/DialogFixture.hpp"
#include "support/GameFixture.hpp"
#include "support/RunFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace
{
using testing_support::DialogFixture;
using testing_support::GameFixture;
using testing_support::TestCard;

// Card identity of a rank in suit 1 (ace 1, 2..10, J 11, Q 12, K 13).
int suit1(int rank)
{
    return rank == 14 ? 1 : rank;
}

TEST(CheckSequence, NeighboursWrapThroughTheAce)
{
    GameFixture f;
    for (int a = 2; a <= 14; ++a) {
        for (int b = 2; b <= 14; ++b) {
            bool expected = std::abs(a - b) == 1 || (a == 14 && b == 2) || (a == 2 && b == 14);
            EXPECT_EQ(TMainGame::checkSequence(cardDataById(suit1(a)), cardDataById(suit1(b))),
                      expected ? 1 : 0)
                << a << " on " << b;
        }
    }
    EXPECT_EQ(TMainGame::checkSequence(cardDataById(5), nullptr), 0); // nothing on the spot
}

// A row of free cards 3..10 of suit 1, far apart, on a 2: each can follow the one before.
std::vector<TestCard> runOfEight()
{
    std::vector<TestCard> table;
    for (int i = 0; i < 8; ++i)
        table.push_back({80.0f + 120 * i, 300, 3 + i});
    table.push_back({500, 480, 13}); // a king that stays, so the level goes on
    return table;
}

TEST(Drives, FiveScoreThenCoinsAndTheMultiplierGrowsWhenTheLightArrives)
{
    GameFixture f;
    TLevel& level = f.play(runOfEight(), {5 + 13, 6 + 13, 7 + 13}, {2});
    for (int i = 0; i < 8; ++i) {
        f.clickCard(*level.cards.front());
        f.frames(2);
        if (i == 4) {
            EXPECT_FLOAT_EQ(level.score, 15);
            EXPECT_EQ(level.driveN, 5);
        }
    }
    EXPECT_EQ(level.driveN, 8);
    EXPECT_FLOAT_EQ(f.game->dEndCAlpha, 1); // a long drive is running
    f.settle();
    EXPECT_FLOAT_EQ(level.score, 15 + 30); // three coins of 10 have landed
    EXPECT_FLOAT_EQ(level.driveMN, 1);

    // The deck ends the drive: the click waits for the long-drive sign to fade, then turns.
    f.clickDeck();
    f.frames(15);
    EXPECT_EQ(level.driveN, 0);
    EXPECT_EQ(level.deck.size(), 2u);
    EXPECT_FLOAT_EQ(level.driveMN, 1); // the light is still on its way
    f.settle();
    EXPECT_FLOAT_EQ(level.driveMN, 1.3f);
    EXPECT_EQ(level.longestDrive, 8);
}

TEST(Calm, PlayWaitingForThePlayerIsCalmAndAPlayIsNot)
{
    GameFixture f;
    TLevel& level = f.play(runOfEight(), {20, 21}, {2});
    f.frames(200); // the opening caption and the deal's sparkle are gone
    EXPECT_TRUE(f.game->calm());
    f.clickCard(*level.cards.front());
    f.frames(1);
    EXPECT_FALSE(f.game->calm()); // the card is on its way to the spot
    f.settle();
    f.frames(200);
    EXPECT_TRUE(f.game->calm());
}

TEST(Drives, AWrongCardFlashesAndNothingElseChanges)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 9}, {700, 300, 4}}, {20, 21}, {2});
    TCard& wrong = *level.cards.front();
    f.clickCard(wrong);
    EXPECT_GT(wrong.negA, 0.5f);
    EXPECT_EQ(level.cards.size(), 2u);
    EXPECT_FLOAT_EQ(level.score, 0);
    EXPECT_EQ(level.driveN, 0);
}

TEST(Hover, OnlyACardThatFollowsTheSpotCardLightsUnderThePointer)
{
    GameFixture f;
    // A king on the spot: the ace follows it, the five does not.
    TLevel& level = f.play({{300, 300, 5}, {700, 300, 1}}, {20, 21}, {13});
    TCard& five = *level.cards[0];
    TCard& ace = *level.cards[1];
    media::Input& input = f.cards().program().input();

    input.feedMouseMove(five.x, five.y);
    f.frames(30);
    EXPECT_EQ(f.game->over, &five); // it is pointed at...
    EXPECT_FLOAT_EQ(five.overA, 0); // ...but does not light

    input.feedMouseMove(ace.x, ace.y);
    f.frames(30);
    EXPECT_EQ(f.game->over, &ace);
    EXPECT_GT(ace.overA, 0.9f);
    EXPECT_FLOAT_EQ(five.overA, 0);

    input.feedMouseMove(ace.x, ace.y + 400); // off every card: the light falls again
    f.frames(30);
    EXPECT_EQ(f.game->over, nullptr);
    EXPECT_LT(ace.overA, 0.1f);
}

TEST(Drives, ASecondCardIsTestedAgainstTheFirstStillInFlight)
{
    GameFixture f;
    TLevel& level = f.play({{200, 300, 3}, {500, 300, 4}, {800, 300, 6}}, {20}, {2});
    f.clickCard(*level.cards[0]); // 3 on 2
    ASSERT_FALSE(f.inPlay().flights.flyingToSpot.empty());
    EXPECT_EQ(f.game->getFirstCard()->seqN, 3);
    f.clickCard(*level.cards[0]); // the 4 follows the 3 that is still flying
    EXPECT_EQ(level.cards.size(), 1u);
    f.clickCard(*level.cards[0]); // the 6 does not follow the 4
    EXPECT_EQ(level.cards.size(), 1u);
    f.settle();
    ASSERT_EQ(level.spot.size(), 3u);
    EXPECT_EQ(level.spot.back()->seqN, 4);
}

TEST(Drives, AMagicCardScoresSix)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 303}, {700, 300, 9}}, {20}, {2});
    f.clickCard(*level.cards.front());
    EXPECT_FLOAT_EQ(level.score, 6);
}

TEST(Deck, TurningPutsTheFrontCardOnTheSpotWhenItLands)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 9}}, {5, 6, 7}, {2});
    f.clickDeck();
    EXPECT_EQ(level.deck.size(), 2u);
    EXPECT_EQ(f.game->getFirstCard()->id, 5); // the rules see it at once
    EXPECT_EQ(level.spot.back()->id, 2);      // the spot gets it when it lands
    f.settle();
    EXPECT_EQ(level.spot.back()->id, 5);
}

TEST(Deck, TheEmptyDeckEndsTheLevelOnlyOnceTheEndControlShows)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 9}, {700, 300, 11}}, {5}, {2});
    f.clickDeck();
    ASSERT_TRUE(level.deck.empty());
    EXPECT_LT(f.game->endHandA, 1);
    f.game->addDeckCard(); // too early: the control is still fading in
    EXPECT_EQ(f.game->state, GameState::Normal);
    f.frames(25);
    EXPECT_FLOAT_EQ(f.game->endHandA, 1);
    f.clickDeck();
    EXPECT_EQ(f.game->state, GameState::Caption); // ended with two cards left
    EXPECT_EQ(profile().lastLevelScore, 250);
}

TEST(Leaving, ANewLevelMayComeWhileTheOldOneIsStillDealing)
{
    GameFixture f;
    f.play({{300, 300, 3}, {700, 300, 9}}, {20, 21}, {2});
    f.game->prepare(); // the deal is in the air again
    ASSERT_FALSE(f.inPlay().flights.flyingCards.empty());
    auto next = testing_support::levelOf({{400, 300, 5}});
    next->deck.push_back(cardDataById(20));
    f.game->setLevel(std::shared_ptr<TLevel>(std::move(next)));
    EXPECT_TRUE(f.inPlay().flights.flyingCards.empty());
    f.game->prepare();
    f.frames(100);
    EXPECT_EQ(f.game->level->cards.size(), 1u);
}

TEST(Leaving, EscapeLandsWhatIsInTheAirAndLeavesForTheTitle)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 3}, {700, 300, 9}}, {20, 21}, {2});
    f.clickCard(*level.cards.front());
    ASSERT_FALSE(f.inPlay().flights.flyingToSpot.empty());
    f.cards().program().input().feedKey(media::key::Escape, true);
    f.frame();
    f.game->_controlKEYBOARD();
    EXPECT_EQ(f.game->wynik, "MAIN-MENU");
    EXPECT_TRUE(f.game->fadedOut());
    EXPECT_TRUE(f.inPlay().flights.flyingCards.empty());
    ASSERT_EQ(level.spot.size(), 2u);
    EXPECT_EQ(level.spot.back()->id, 3); // the played card reached the spot, not nowhere
    EXPECT_EQ(level.cards.size(), 1u);
}

struct MenuCase
{
    const char* what;
    const char* event; // a widget of the options screen, or a key
    std::string wynik;
    bool leftAtOnce; // the loop ends with no fade
    bool fadingOut;  // the screen fades out to its result
};

std::ostream& operator<<(std::ostream& out, const MenuCase& c)
{
    return out << c.what;
}

class GameMenu : public ::testing::TestWithParam<MenuCase>
{};

TEST_P(GameMenu, EscapeOpensTheOptionsAndTheirAnswerIsActedOn)
{
    const MenuCase& c = GetParam();
    GameFixture f;
    testing_support::TempFolder user;
    shell::Eldmere& p = f.cards().program().program();
    p.userDataPath = user.path();
    std::filesystem::create_directories(user / "Data");
    p.options = std::make_unique<TOptions>();
    p.options->Gui = loadGui(testing_support::runDir + "/gfx/gui/options/options.gui");
    TLevel& level = f.play({{300, 300, 3}, {700, 300, 9}}, {20, 21}, {2});
    f.clickCard(*level.cards.front());
    ASSERT_FALSE(f.inPlay().flights.flyingToSpot.empty());
    // The menu runs its own frames, each a 60th of a second; its answer comes 30 frames in.
    f.cards().program().clock().stepsWithFrames = true;
    const std::string event =
        std::string(c.event).starts_with("key") ? c.event : DialogFixture::clickOn(*p.options->Gui, c.event);
    std::string error;
    auto script =
        shell::InputScript::parse(std::to_string(framesDone() + 30) + " " + event + "\n", "menu", error);
    ASSERT_TRUE(script) << error;
    p.useInputScript(std::move(*script));
    f.cards().program().input().feedKey(media::key::Escape, true);
    f.cards().program().input().feedKey(media::key::Escape, false);
    f.frame();
    const long long before = framesDone();
    f.game->_controlKEYBOARD();
    EXPECT_GT(framesDone() - before, 40); // the menu was shown, faded in and out
    EXPECT_EQ(f.game->wynik, c.wynik);
    EXPECT_EQ(f.game->fade == 1.0f, c.leftAtOnce);
    EXPECT_EQ(f.game->dFade == 1.0f, c.leftAtOnce || c.fadingOut);
    // Leaving for the title lands what was in the air; otherwise it flies on.
    EXPECT_EQ(f.inPlay().flights.flyingCards.empty(), c.leftAtOnce);
}

INSTANTIATE_TEST_SUITE_P(Cases, GameMenu,
                         ::testing::Values(MenuCase{"ok: play goes on", "ok", "", false, false},
                                           MenuCase{"Escape: play goes on", "key Escape tap", "", false,
                                                    false},
                                           MenuCase{"restart", "restart", "RESTART-LEVEL", false, true},
                                           MenuCase{"main menu", "mainMenu", "MAIN-MENU", true, true}));

TEST(Hammer, FreeAtTheDealItLeavesWhenPlayBeginsAndTheRocksOpenWhenItsSwellEnds)
{
    GameFixture f;
    // The hammer lies free; two cards under rocks; a free 3 to play.
    TLevel& level =
        f.play({{200, 300, 105}, {500, 300, 3, 1}, {700, 300, 16, 1}, {900, 450, 29}}, {15, 28}, {2});
    ASSERT_EQ(level.cards.size(), 3u); // the hammer has gone into the air
    const auto& flights = f.inPlay().flights.flyingCards;
    ASSERT_EQ(flights.size(), 1u);
    EXPECT_EQ(flights.front()->typ, FlightKind::FlyOutStepOne);
    EXPECT_EQ(f.inPlay().effects.captions.size(), 2u); // "play", and the hammer found
    EXPECT_EQ(level.utrudnienie1Odblokowane, 0);
    EXPECT_EQ(level.cards[0]->odkryta, 0);

    f.frames(60, [&] { return level.utrudnienie1Odblokowane == 1; });
    EXPECT_EQ(level.utrudnienie1Odblokowane, 1);
    for (int k : {0, 1}) {
        EXPECT_EQ(level.cards[static_cast<std::size_t>(k)]->odkryta, 1) << k;
        EXPECT_EQ(level.cards[static_cast<std::size_t>(k)]->state, TurnState::Show) << k; // turning up
        EXPECT_EQ(level.cards[static_cast<std::size_t>(k)]->utrudnienie1, 0) << k;        // its rocks broken
    }
}

struct EndCase
{
    const char* what;
    int cardsLeft;
    float tableScore;
    float multiplier;
    bool kasa;
    long long recorded;
    GameState state;
};

void PrintTo(const EndCase& c, std::ostream* os)
{
    *os << c.what;
}

class EndOfLevel : public ::testing::TestWithParam<EndCase>
{};

TEST_P(EndOfLevel, RecordsTableScorePlusBonusTimesTheMultiplier)
{
    GameFixture f;
    const EndCase& c = GetParam();
    std::vector<TestCard> table;
    for (int i = 0; i < c.cardsLeft; ++i)
        table.push_back({80.0f + 110 * i, 300, 13});
    if (c.kasa)
        profile().items = {{7, "KASA+5"}};
    TLevel& level = f.play(table, {20, 21}, {2}, [&](TLevel& made) {
        made.score = c.tableScore;
        made.driveMN = c.multiplier;
    });
    f.game->END_LEVEL();
    EXPECT_EQ(profile().lastLevelScore, c.recorded);
    EXPECT_EQ(f.game->state, c.state);
    EXPECT_EQ(f.game->pomDeckCardsLeft, 2);
    EXPECT_TRUE(level.deck.empty()); // the rest of the deck flies out
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EndOfLevel,
    ::testing::Values(EndCase{"three left", 3, 200, 1.5f, false, 450, GameState::Caption},
                      EndCase{"three left with the five-percent aid", 3, 200, 1.5f, true, 465,
                              GameState::Caption},
                      EndCase{"a perfect level", 0, 250, 2, false, 2500, GameState::Perfect},
                      EndCase{"a multiplier of 1.3 is exact", 1, 100, 1.3f, false, 780, GameState::Caption},
                      EndCase{"five or more left: no bonus", 6, 99, 1, false, 99, GameState::End}));

// Every identity the level began with is somewhere: on the table, in the deck, on the spot, or
// in the air on its way to one of them.
std::map<int, int> allIdentities(const TLevel& level, const LevelInPlay& inPlay)
{
    std::map<int, int> count;
    for (const auto& c : level.cards)
        ++count[c->cd->id];
    for (const TCardData* d : level.deck)
        ++count[d->id];
    for (const TCardData* d : level.spot)
        ++count[d->id];
    for (const auto& f : inPlay.flights.flyingCards) {
        bool onTable = f->card && std::any_of(level.cards.begin(), level.cards.end(), [&](const auto& c) {
                           return c.get() == f->card;
                       });
        if (!onTable && f->shownIdentity())
            ++count[f->shownIdentity()->id];
    }
    return count;
}

// The level the screen shows is the level the rules hold: the same cards on the table in the same
// order, uncovered alike, the same deck (counting a card on its way back to it), and the same
// figures.
::testing::AssertionResult levelShowsTheRules(const TLevel& level, const LevelInPlay& inPlay)
{
    const rules::Board& board = inPlay.board;
    std::vector<const TCardData*> deck(level.deck.begin(), level.deck.end());
    for (const auto& f : inPlay.flights.flyingCards) {
        if (f->moveToDeck)
            deck.insert(deck.begin(), f->shownIdentity());
    }
    const std::vector<int> order = board.tableOrder();
    if (order.size() != level.cards.size())
        return ::testing::AssertionFailure()
               << board.tableCount() << " cards in the rules, " << level.cards.size() << " on the screen";
    for (std::size_t k = 0; k < order.size(); ++k) {
        const rules::CardState& rule = board.card(order[k]);
        const TCard& shown = *level.cards[k];
        if (rule.card.id != shown.cd->id || rule.uncovered != (shown.odkryta != 0))
            return ::testing::AssertionFailure() << "table card " << k << " differs";
    }
    if (board.deck().size() != deck.size())
        return ::testing::AssertionFailure() << "the decks differ";
    for (std::size_t k = 0; k < deck.size(); ++k) {
        if (board.deck()[k].id != deck[k]->id)
            return ::testing::AssertionFailure() << "deck card " << k << " differs";
    }
    if (board.score() != static_cast<long long>(level.score) || board.driveN() != level.driveN
        || board.multiplierTenths() != std::lround(level.driveMN * 10))
        return ::testing::AssertionFailure() << "the figures differ";
    return ::testing::AssertionSuccess();
}

TEST(Conservation, RandomClicksAndUndosNeverLoseOrDoubleACard)
{
    GameFixture f;
    std::vector<TestCard> table;
    // Two overlapping rows, so cards turn up as the game goes on.
    for (int i = 0; i < 8; ++i)
        table.push_back({150.0f + 100 * i, 250, 1 + i});
    for (int i = 0; i < 7; ++i)
        table.push_back({200.0f + 100 * i, 320, 14 + i});
    std::vector<int> deck;
    for (int id = 27; id <= 50; ++id)
        deck.push_back(id);
    TLevel& level = f.play(table, deck);
    const std::map<int, int> start = allIdentities(level, f.inPlay());
    ASSERT_EQ(start.size(), 39u);
    media::Random clicks(12345);
    int frame = 0;
    int played = 0;
    int undos = 0;
    std::size_t historyBefore = 0;
    for (; frame < 2000 && f.game->state == GameState::Normal; ++frame) {
        played = std::max(played, static_cast<int>(level.spot.size()));
        int roll = clicks.rand(0, 9);
        if (roll < 3 && !level.cards.empty()) {
            const TCard& target = *level.cards[static_cast<std::size_t>(
                clicks.rand(0, static_cast<int>(level.cards.size()) - 1))];
            f.click(target.x + static_cast<float>(clicks.rand(-40, 40)),
                    target.y + static_cast<float>(clicks.rand(-60, 60)));
        } else if (roll == 3 && !level.deck.empty()) {
            f.clickDeck();
        } else if (roll == 4 && clicks.rand(0, 9) == 0) {
            f.game->undoFree(); // at once, or as soon as nothing moves
            f.frame();
        } else {
            f.frame();
        }
        ASSERT_EQ(allIdentities(level, f.inPlay()), start) << "after frame " << frame;
        ASSERT_TRUE(levelShowsTheRules(level, f.inPlay())) << "after frame " << frame;
        const std::size_t history = f.inPlay().board.undoHistory().size();
        undos += history < historyBefore ? 1 : 0;
        historyBefore = history;
    }
    EXPECT_GT(frame, 300);
    EXPECT_GT(undos, 5);
    EXPECT_GT(played, 15) << frame << " frames, " << undos
                          << " undos"; // the clicks did play cards and turn the deck
}
} // namespace
