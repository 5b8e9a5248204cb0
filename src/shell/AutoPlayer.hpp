// AutoPlayer.hpp: a player of our own (--autoplay) that plays through the real mouse and keys.
// In a level it clicks a playable free card when there is one, preferring the one that keeps
// the drive going, otherwise a rack sword when the deck is empty or a deck turn would end a
// long drive, otherwise the deck, and ends the level at the empty deck. Around the levels it
// goes on as a player would: on the title screen it plays the quest, gives its name when asked
// for a first player, resumes a quest left, confirms messages and the announcements of goals
// reached, and moves on from every summary; at every fifth summary it first looks through the
// magic-card collection, resting the pointer on a card, and closes it.
// Asked to, it plays each level by the solver's line instead (the line that clears the table,
// or leaves the fewest cards), and then goes on as above. At a quest level's summary, when the
// coins pay for an aid it wants and does not own, it goes to the shop once, buys the first such
// aid in its order of preference and leaves.
#pragma once

#include "rules/Board.hpp"
#include "rules/Solver.hpp"

#include <optional>
#include <string>
#include <vector>

namespace media
{
class Input;
}

class TEkran;
class TGui;
class TMainGame;
class TTutorial;

namespace shell
{
class AutoPlayer
{
public:
    struct Target
    {
        bool valid = false;
        float x = 0;
        float y = 0;
        bool click = true; // else the pointer only rests there
    };

    enum class Chooser
    {
        Greedy, // the card that keeps the drive going
        Solver  // the solver's line
    };

    // The name it gives when asked for a first player (a name of our own when empty).
    explicit AutoPlayer(std::string name = {}, Chooser chooser = Chooser::Greedy);

    // Called at the start of every frame, before the mouse is read. `toSurface` maps logical
    // coordinates to the display's surface pixels.
    template <typename MapX, typename MapY>
    void feed(media::Input& input, MapX toSurfaceX, MapY toSurfaceY)
    {
        if (typeOrConfirm(input))
            return;
        Target t = decide();
        if (t.valid)
            act(input, toSurfaceX(t.x), toSurfaceY(t.y), t.click);
    }

    // Where the player would click in the game now (nothing when it would wait).
    static Target chooseInGame(const TMainGame& game);
    // The OK of the lesson on screen, once the lesson has fully come in (nothing before).
    static Target closeLesson(const TTutorial& tutorial);
    // The middle of a widget of `gui` (nothing when there is no such widget).
    static Target widgetCentre(const TGui* gui, const std::string& name);
    // How long the pointer rests on a card of the collection at most before "ok".
    static constexpr int collectionLookFrames = 50;
    // Every how many summaries the collection is looked at.
    static constexpr int collectionEvery = 5;

    static constexpr const char* defaultName = "WANDERER";

    // The catalogue index of the aid it would buy now: the first in its order of preference
    // that the shop shows, the player does not own and the coins pay for; -1 for none.
    static int wantedShopItem();

    // With the solver: where the next move of its line is clicked (nothing while the game is
    // not ready for it); the line is worked out again whenever the table is not where the line
    // expects it (a new level, a restart). Once the line is played, as chooseInGame.
    Target chooseBySolver(const TMainGame& game);
    // The line being played and how far it has come.
    const std::vector<rules::SolverMove>& line() const { return line_; }
    std::size_t linePlayed() const { return next_; }
    // The solver's verdict on the level in play when its line was worked out.
    const rules::SolveResult& lastSolve() const { return solved_; }

private:
    Target decide();
    // In the shop: the wanted aid picked, bought, and the shop left.
    Target shopping(const TEkran& shop);
    // The summary's "go", or "cards" at every fifth summary before it.
    Target onSummary(const TEkran& screen);
    // In the collection: the pointer rests on a card (a found one when there is one) until it
    // is shown enlarged or a while has passed, then "ok".
    Target inCollection(const TEkran& screen);
    // The keyboard's part: the name typed at the name entry and then accepted, and messages
    // confirmed with Enter. True when it acted this frame.
    bool typeOrConfirm(media::Input& input);
    // The pointer goes to (sx, sy); a frame later it clicks there, unless it is only to rest.
    void act(media::Input& input, float sx, float sy, bool click);
    void press(media::Input& input, int key);

    std::string name_;
    Chooser chooser_;

    // The line and the table as it will lie once the line's moves so far are made.
    std::vector<rules::SolverMove> line_;
    std::size_t next_ = 0;
    std::optional<rules::Board> expected_;
    rules::SolveResult solved_;

    // The shop is visited once per summary; what the player held when it came in.
    bool shopVisited_ = false;
    std::size_t heldAtEntry_ = 0;
    // The summaries seen, whether the one open now still waits for a look at the collection,
    // and how long the pointer has rested in the collection.
    bool inSummary_ = false;
    int summaries_ = 0;
    bool collectionWanted_ = false;
    int lookFrames_ = 0;

    int cooldown_ = 0;
    bool aimed_ = false;
    float aimX_ = 0;
    float aimY_ = 0;
};
} // namespace shell
