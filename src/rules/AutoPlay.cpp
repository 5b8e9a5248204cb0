// AutoPlay.cpp
#include "rules/AutoPlay.hpp"

namespace rules
{
int chooseCard(const std::vector<Candidate>& freeCards, std::optional<int> spotRank)
{
    const int spot = spotRank.value_or(0);
    const int n = static_cast<int>(freeCards.size());
    int best = -1;
    int bestFollowers = -1;
    for (int i = 0; i < n; ++i) {
        const Candidate& card = freeCards[static_cast<std::size_t>(i)];
        if (!card.sword && !checkSequence(card.rank, spot))
            continue;
        int followers = 0;
        for (int j = 0; j < n; ++j) {
            if (j != i && checkSequence(freeCards[static_cast<std::size_t>(j)].rank, card.rank))
                ++followers;
        }
        if (card.sword)
            followers += 100;
        if (followers > bestFollowers) {
            best = i;
            bestFollowers = followers;
        }
    }
    return best;
}

int chooseSword(const std::vector<Candidate>& freeCards, const std::vector<Identity>& rack)
{
    int best = -1;
    int bestFollowers = -1;
    for (std::size_t k = 0; k < rack.size(); ++k) {
        int followers = 0;
        for (const Candidate& c : freeCards)
            followers += checkSequence(c.rank, rack[k].rank);
        if (followers > bestFollowers) {
            bestFollowers = followers;
            best = static_cast<int>(k);
        }
    }
    return best;
}

bool swordWanted(const Board& board)
{
    return !board.rack().empty() && (board.deck().empty() || board.driveN() > Board::MIN_LONG_DRIVE);
}

LevelEnd playOut(Board& board, const std::function<void()>& beforeMove)
{
    // The level opens as the game opens it: an empty spot takes the deck's first card (swords
    // at the front go to the rack), then play begins.
    while (board.spot().empty() && board.turnDeck())
        board.landAll();
    board.beginPlay();
    board.landAll();
    std::vector<Candidate> freeCards;
    freeCards.reserve(static_cast<std::size_t>(board.tableCount()));
    const int slots = board.slotCount();
    while (board.tableCount() > 0) {
        freeCards.clear();
        for (int slot = 0; slot < slots; ++slot) {
            if (!board.onTable(slot))
                continue;
            const CardState& c = board.card(slot);
            if (c.faceUp && c.uncovered)
                freeCards.push_back(Candidate{slot, c.card.rank, c.card.isSword()});
        }
        const std::optional<Identity> top = board.spotCard();
        const int chosen = chooseCard(freeCards, top ? std::optional<int>(top->rank) : std::nullopt);
        if (beforeMove)
            beforeMove();
        if (chosen >= 0)
            board.play(freeCards[static_cast<std::size_t>(chosen)].index);
        else if (swordWanted(board))
            board.useSword(board.rack()[static_cast<std::size_t>(chooseSword(freeCards, board.rack()))].id);
        else if (!board.turnDeck()) {
            if (board.driveN() <= Board::MIN_LONG_DRIVE)
                break;
            board.LongDrive_end();
        }
        board.landAll();
    }
    return board.endLevel();
}
} // namespace rules
