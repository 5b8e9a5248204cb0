// TMapa.hpp: the quest map, shown between the stages: the painted lake of Eldmere with every
// stage's rune, the stage ahead in its framed picture, its story told letter by letter, and
// the goals to reach over its levels. "Play" starts the stage's next level, "menu" goes back
// to the title screen.
#pragma once

#include "levels/TObjective.hpp"
#include "media/Picture.hpp"
#include "screens/TEkran.hpp"
#include "screens/TStoryText.hpp"

#include <array>
#include <string>
#include <vector>

namespace media
{
class Font;
}
class TStage;

// One goal of the stage as the map writes it: the phrase before and after the target, the
// target, and whether it has been reached.
struct MapObjectiveLine
{
    // Centred in a box 270 wide from (x, y), black. A goal not reached yet is lit over in
    // magenta light at half the blink level `glow`. Returns the height used.
    int draw(media::Font& font, float x, float y, float alpha, float glow) const;

    std::string txt1;
    std::string txt2;
    int value = 0;
    int win = 0;
    std::string txt; // the whole line
};

class TMapa : public TEkran
{
public:
    // What mainLoop() hands the flow.
    static constexpr const char* play = "MAIN-GAME";
    static constexpr const char* menu = "MAIN-MENU";
    static constexpr const char* guiPath = "gfx/gui/screen-map/map.gui";
    // The perfect-level phrases run for targets 1 to 10.
    static constexpr int perfectPhrases = 10;

    TMapa();

    // The map, the frame, the fonts, the widgets and the texts.
    void setup() override;
    // Each entry: the fade-in, the player's place, the stage's goals, picture and story.
    void prepare();
    void update() override;
    void draw() override;
    // Runs the map until it has faded out: "MAIN-GAME" (the stage's level is dealt) or
    // "MAIN-MENU".
    std::string mainLoop();

    // The goal as the map writes it; `typ` picks the phrase, `value` is the target.
    MapObjectiveLine createObjText(const TObjective& objective, int typ, int value) const;
    // The stage's story, one line each, none shown yet.
    void createStoryTexts(const std::vector<std::string>& lines);
    // Starts the line after `line`, or the first line when `line` is none.
    void getNextStoryText(const TStoryText* line);
    // Every line at once.
    void showTexts();
    // Where the first story line goes: lower for a short story, so it sits in the band.
    float storyTop() const;
    // The stage's picture, story and font, for the stage with that id.
    void showStage(int stageId);
    // Developer keys: the rune positions written back from data/stages.dat into `to`.
    void saveStages(const std::string& from = "data/stages.dat",
                    const std::string& to = "data/_stages.dat") const;

    media::Picture map;
    media::Font* font = nullptr; // owned by the font cache
    media::Font* titleFont = nullptr;
    std::vector<TStoryText> storyTexts;
    int actSt = -1; // the line being revealed, or none
    TStage* overStage = nullptr;
    TStage* clickedStage = nullptr;
    std::array<media::Font*, 4> storyFont{};
    media::Font* sFont = nullptr;
    media::Picture nakladka;
    float migA = 0;
    float dMigA = 1;
    media::Picture image;
    std::vector<MapObjectiveLine> objectivesList;
    media::Font* font2 = nullptr;
    media::Font* font3 = nullptr;
    std::string txtObjectives;
    std::array<std::string, 4> txtObjectivePhrases; // by objective kind, with "#VALUE#"
    std::array<std::string, perfectPhrases> txtPerfects;

private:
    void handleInput();
    void updateStory();
    void updateRuneEditor();
};

// The program's quest map, made and set up the first time it is asked for.
TMapa& questMap();
