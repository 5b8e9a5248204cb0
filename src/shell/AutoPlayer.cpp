// AutoPlayer.cpp
#include "shell/AutoPlayer.hpp"

#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "levels/TLevel.hpp"
#include "media/Input.hpp"
#include "rules/AutoPlay.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/StartScreen.hpp"
#include "screens/TMainGame.hpp"

#include <optional>
#include <vector>

namespace shell
{
namespace
{
// Free cards lie face up with nothing on them and are not flying.
bool isFree(const TCard& c)
{
    return c.cd && c.side == 1 && c.odkryta && !c.flyingCard;
}
} // namespace

AutoPlayer::Target AutoPlayer::chooseInGame(const TMainGame& game)
{
    Target t;
    if (!game.level || game.state != GameState::Normal || game.alpha < 1)
        return t;
    const TLevel& level = *game.level;
    // The cards it sees free, as the rules' player weighs them.
    std::vector<rules::Candidate> freeCards;
    std::vector<const TCard*> seen;
    for (const auto& card : level.cards) {
        if (!isFree(*card))
            continue;
        freeCards.push_back({static_cast<int>(seen.size()), card->cd->seqN, card->cd->isSword()});
        seen.push_back(card.get());
    }
    const TCardData* first = game.getFirstCard();
    const int chosen = rules::chooseCard(freeCards, first ? std::optional<int>(first->seqN) : std::nullopt);
    if (chosen >= 0) {
        const TCard& best = *seen[static_cast<std::size_t>(chosen)];
        return {true, best.x, best.y};
    }
    // Nothing to play: turn the deck, or end the level once the end control is there.
    if (game.pendingDeckTurn)
        return t;
    if (!level.deck.empty() || level.driveN > 5 || game.endHandA >= 1) {
        TDim d = game.deckArea();
        t = {true, d.x + d.w / 2, d.y + d.h / 2};
    }
    return t;
}

AutoPlayer::Target AutoPlayer::decide()
{
    TEkran* screen = activeScreen();
    if (!screen)
        return {};
    if (screen->id == "MAIN-GAME")
        return chooseInGame(static_cast<const TMainGame&>(*screen));
    if (screen->id == "START") {
        const auto& start = static_cast<const screens::StartScreen&>(*screen);
        if (start.fade > 0)
            return {};
        return {true, start.playButtonX(), start.playButtonY()};
    }
    if (screen->id == "LEVEL-SUMMARY" && screen->alpha == 1)
        return {true, 512, 450};
    return {};
}

void AutoPlayer::act(media::Input& input, float sx, float sy)
{
    if (cooldown_ > 0) {
        --cooldown_;
        return;
    }
    if (!aimed_ || aimX_ != sx || aimY_ != sy) {
        // First the pointer goes there; the click comes in the next frame, as a hand would.
        input.feedMouseMove(sx, sy);
        aimed_ = true;
        aimX_ = sx;
        aimY_ = sy;
        return;
    }
    input.feedMouseButton(1, true);
    input.feedMouseButton(1, false);
    aimed_ = false;
    cooldown_ = 6;
}
} // namespace shell
