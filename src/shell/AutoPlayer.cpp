// AutoPlayer.cpp
#include "shell/AutoPlayer.hpp"

#include "cards/Flights.hpp"
#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "cards/TMainGame.hpp"
#include "levels/TLevel.hpp"
#include "media/Input.hpp"
#include "shell/ActiveScreen.hpp"
#include "shell/StartScreen.hpp"

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
    if (!game.level || game.state != "NORMAL" || game.alpha < 1)
        return t;
    const TLevel& level = *game.level;
    TCardData* first = game.getFirstCard();
    const TCard* best = nullptr;
    int bestFollowers = -1;
    for (const auto& card : level.cards) {
        if (!isFree(*card))
            continue;
        const bool sword = card->cd->isSword();
        if (!sword && !TMainGame::checkSequence(card->cd, first))
            continue;
        // Prefer the card after which most free cards can still be played: the drive goes on.
        int followers = 0;
        for (const auto& other : level.cards) {
            if (other.get() != card.get() && isFree(*other) && TMainGame::checkSequence(other->cd, card->cd))
                ++followers;
        }
        if (sword)
            followers += 100; // a free sword is always worth taking
        if (followers > bestFollowers) {
            best = card.get();
            bestFollowers = followers;
        }
    }
    if (best) {
        t = {true, best->x, best->y};
        return t;
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
        const auto& start = static_cast<const StartScreen&>(*screen);
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
