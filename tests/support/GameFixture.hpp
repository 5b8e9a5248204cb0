// GameFixture.hpp: the game screen on the null platform, with the fixture's cards and a level
// made to measure; frames are run by hand with the clock advancing 1000/60 ms each.
#pragma once

#include "cards/TCard.hpp"
#include "effects/LongDriveStreams.hpp"
#include "screens/Frame.hpp"
#include "screens/TMainGame.hpp"
#include "support/CardFixture.hpp"

#include <functional>
#include <memory>

namespace testing_support
{
class GameFixture
{
public:
    explicit GameFixture(shell::LaunchOptions options = {}) : cards_(options)
    {
        shell::Eldmere& p = cards_.program().program();
        p.mainGame = std::make_unique<TMainGame>();
        p.mainGame->setup();
        game = p.mainGame.get();
    }
    GameFixture(const GameFixture&) = delete;
    GameFixture& operator=(const GameFixture&) = delete;

    // A level of these table cards with this deck (front first), taken by the game screen and
    // prepared as play begins; the opening deal is landed and play is under way. `adjust` may
    // set the level's figures before the rules take it over.
    TLevel& play(const std::vector<TestCard>& table, const std::vector<int>& deck,
                 const std::vector<int>& spot = {}, const std::function<void(TLevel&)>& adjust = {})
    {
        auto made = levelOf(table);
        for (int id : deck)
            made->deck.push_back(cardDataById(id));
        for (int id : spot)
            made->spot.push_back(cardDataById(id));
        made->deckX = 460;
        made->deckY = 685;
        made->COUNT_deckHolder();
        made->init_COLUMNS();
        if (adjust)
            adjust(*made);
        game->setLevel(std::shared_ptr<TLevel>(std::move(made)));
        game->prepare();
        frames(200, [&] { return game->state == GameState::Normal; });
        return *game->level;
    }

    // One frame of the game screen, the clock moving on by a 60th of a second.
    void frame()
    {
        game->update();
        cards_.program().clock().now += 17;
    }
    template <typename Until>
    int frames(int most, Until until)
    {
        for (int i = 0; i < most; ++i) {
            if (until())
                return i;
            frame();
        }
        return most;
    }
    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            frame();
    }
    // The table card lying at (x, y), or none.
    TCard* cardAt(float x, float y) const
    {
        for (const auto& c : game->level->cards) {
            if (c->x == x && c->y == y)
                return c.get();
        }
        return nullptr;
    }
    // What lives with the level in play.
    LevelInPlay& inPlay() { return *game->levelInPlay(); }
    // Lands everything in the air.
    void settle()
    {
        frames(600, [&] {
            return inPlay().flights.flyingCards.empty() && inPlay().resources.empty()
                   && !longDriveStreamsPending(inPlay().effects);
        });
    }

    // A click on a logical point in the next frame.
    void click(float x, float y)
    {
        media::Input& input = cards_.program().input();
        input.feedMouseMove(x, y);
        input.feedMouseButton(1, true);
        input.feedMouseButton(1, false);
        frame();
    }
    void clickCard(const TCard& card) { click(card.x, card.y); }
    void clickDeck()
    {
        TDim d = game->deckArea();
        click(d.x + d.w / 2, d.y + d.h / 2);
    }

    CardFixture& cards() { return cards_; }
    TMainGame* game = nullptr;

private:
    CardFixture cards_;
};
} // namespace testing_support
