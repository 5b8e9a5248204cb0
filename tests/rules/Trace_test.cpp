// Trace lines: one per traced event, with the state as it stands when the event comes.
#include "rules/Trace.hpp"

#include "support/RulesFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using rules::EventKind;
using testing_support::place;
using testing_support::rankCard;
using testing_support::tableLayout;
using testing_support::withCoin;

class Tracer : public rules::Listener
{
public:
    void onEvent(const rules::Event& event, const rules::Board& board) override
    {
        std::string line = rules::traceLine(frame, event, board);
        if (!line.empty())
            lines.push_back({line, rules::digestText(board.digest())});
    }
    long long frame = 0;
    std::vector<std::pair<std::string, std::string>> lines; // with the digest at that moment
};

TEST(RulesTrace, OneLinePerTracedEventWithTheStateAtThatMoment)
{
    rules::Layout layout =
        tableLayout({withCoin(place(200, 300, rankCard(3)), 7), place(500, 300, rankCard(13))},
                    {rankCard(11), rankCard(5)}, {rankCard(2)});
    layout.multiplierTenths = 13;
    rules::Board board(std::move(layout));
    Tracer tracer;
    board.setListener(&tracer);
    tracer.frame = 1;
    board.deal();
    board.beginPlay();
    tracer.frame = 40;
    board.play(0);
    tracer.frame = 52;
    board.landAll();
    board.play(1); // refused: not traced
    tracer.frame = 60;
    board.turnDeck();
    board.LongDrive_end(); // no drive: not traced
    tracer.frame = 1234567890123;
    board.endLevel();

    const std::vector<std::string> expected = {
        "frame=1 event=deal card=0 spot=2 deck=2 table=2 score=0 drive=0 multiplier=1.3",
        "frame=40 event=play card=3 spot=3 deck=2 table=1 score=3 drive=1 multiplier=1.3",
        "frame=52 event=coin card=3 spot=3 deck=2 table=1 score=10 drive=1 multiplier=1.3",
        "frame=60 event=deck card=11 spot=11 deck=1 table=1 score=10 drive=1 multiplier=1.3",
        "frame=60 event=drive-end card=0 spot=11 deck=1 table=1 score=10 drive=1 multiplier=1.3",
        "frame=1234567890123 event=level-end card=0 spot=11 deck=1 table=1 score=10 drive=0 multiplier=1.3",
    };
    ASSERT_EQ(tracer.lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(tracer.lines[i].first, expected[i] + " digest=" + tracer.lines[i].second);
}

TEST(RulesTrace, NamesTheTracedKindsAndLeavesTheOthersOut)
{
    rules::Board board(tableLayout({}));
    const std::vector<std::pair<EventKind, std::string>> names = {
        {EventKind::Deal, "deal"},
        {EventKind::Refuse, ""},
        {EventKind::Take, ""},
        {EventKind::Uncover, "uncover"},
        {EventKind::HammerLeave, "hammer-leaves"},
        {EventKind::RocksOpen, "rocks-open"},
        {EventKind::SwordPick, "sword-pick"},
        {EventKind::Play, "play"},
        {EventKind::Deck, "deck"},
        {EventKind::DeckSword, "sword-pick"},
        {EventKind::SwordUse, "sword-use"},
        {EventKind::DriveEnd, "drive-end"},
        {EventKind::Coin, "coin"},
        {EventKind::Multiplier, "multiplier"},
        {EventKind::LevelEnd, "level-end"},
    };
    for (const auto& [kind, name] : names) {
        rules::Event e;
        e.kind = kind;
        e.length = 6;
        const std::string line = rules::traceLine(3, e, board);
        if (name.empty())
            EXPECT_EQ(line, "") << static_cast<int>(kind);
        else
            EXPECT_EQ(line.rfind("frame=3 event=" + name + " card=0 ", 0), 0u) << line;
    }
    rules::Event shortDrive;
    shortDrive.kind = EventKind::DriveEnd;
    EXPECT_EQ(rules::traceLine(3, shortDrive, board), "");
}

TEST(RulesTrace, DigestsAreSixteenLowerCaseHexDigits)
{
    EXPECT_EQ(rules::digestText(0), "0000000000000000");
    EXPECT_EQ(rules::digestText(0xFEDCBA9876543210ULL), "fedcba9876543210");
    EXPECT_EQ(rules::digestText(0x1ABULL), "00000000000001ab");
}
} // namespace
