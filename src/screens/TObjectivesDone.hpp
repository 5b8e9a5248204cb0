// TObjectivesDone.hpp: the announcement of a stage goal reached: a scroll with the stage's goals
// drops onto the game screen and bounces to rest, the goal just reached is struck through and,
// once every goal is reached, a line says so; "ok" sends the scroll flying back up.
#pragma once

#include "media/Picture.hpp"
#include "screens/TEkran.hpp"
#include "screens/TObjectiveText.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace media
{
class Font;
}
class TMainGame;

// Where the announcement stands.
enum class ObjectivesState
{
    Begin, // the scroll falls and bounces, then its words come in
    Wait,  // the goal is struck through; "ok" ends it
    End,   // the scroll flies up and away
};

class TObjectivesDone : public TEkran
{
public:
    // How high the scroll starts above its place before its first fall.
    static constexpr float startJump = 1000;

    TObjectivesDone();

    void setup() override;
    void draw() override;
    void update() override;
    // The scroll starts high over `game` with the stage's goals as the game screen knows them;
    // goal `index` is the one to announce.
    void prepare(TMainGame& game, int index);
    // Runs the announcement over `game` until the scroll has flown away.
    void mainloop(TMainGame& game, int index);

    // One frame of the bounce: the scroll falls to its place and rises again, each bounce
    // lower than the last, until the bounce would be under a pixel.
    void _updateJump();
    // The next bounce: 2.5 times lower and 1.2 times quicker (at most one bounce a frame).
    void cutJump();
    // "ok": the scroll flies up and the veil lifts; the screen ends once the scroll is gone.
    void goExit();
    // Where the first goal line starts, by how many there are.
    static float listStartY(std::size_t lines);
    // Whether the scroll has flown away.
    bool ended() const { return ended_; }

    TMainGame* game = nullptr; // the screen underneath (not owned)
    media::Picture img;        // the scroll
    float jump = 0;            // the height of the bounce under way
    float jumpH = 0;           // how far above its place the scroll is now
    float lastJump = 0;
    float jSpeed = 0;
    media::Font* font = nullptr; // the goal lines; owned by the font cache
    ObjectivesState state = ObjectivesState::Begin;
    float jumpPer = 0, dJumpPer = 0; // how far through the bounce, and toward which end
    float gAlpha = 0;                // the words' and the button's opacity
    int numer = 0;                   // the goal announced
    float crossA = 0;                // how far its stroke has gone
    media::Font* font2 = nullptr;    // the heading
    media::Font* font3 = nullptr;    // the line for every goal reached
    int allObjectivesDone = 0;
    float achievedA = 0;
    std::vector<TObjectiveText> objectivesList;
    std::string txtAchieved;
    std::string txtObjectives;

private:
    void _drawBack();
    void _drawFade();
    void _drawPanel();
    void _drawObj();
    void _drawAchieved();
    void _updateGUI();
    void _updateState();
    // What moves on the game screen underneath goes on: its particles and emitters.
    void _updateBack();
    void _prepareObjectivesDone();

    bool ended_ = false;
    int okX_ = 512; // where the file puts "ok" across
};
