// ProfileManagerScreen.hpp: the players' screen, a wooden panel over the title screen with the
// list of players on parchment: the player makes, renames and deletes players, and picks the
// one to play as. The screen edits a working copy of the list; "OK" makes it the game's list
// and its marked player the current one, "CANCEL" (or Escape) leaves the list as it was.
// Whatever is typed is on disk at once: a new player's folder (kept, though unlisted, when the
// screen is cancelled) and a renamed player's folder under its new name. Deleting a player
// only takes it off the list; its folder stays.
#pragma once

#include "gui/TRGB.hpp"
#include "media/Picture.hpp"
#include "screens/TEkran.hpp"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace media
{
class Font;
}

class TProfile;

class ProfileManagerScreen : public TEkran
{
public:
    static constexpr const char* guiPath = "gfx/gui/profileManager/profileManager.gui";
    static constexpr const char* panelPath = "gfx/gui/profileManager/panel.png";
    static constexpr float panelX = 290;
    static constexpr float panelY = 140;
    // The rows of names: hit boxes from (rowLeft, rowTop) down, each name centred on nameX.
    static constexpr int visibleRows = 10;
    static constexpr int rowLeft = 360;
    static constexpr int rowTop = 245;
    static constexpr int rowWidth = 260;
    static constexpr int rowHeight = 24;
    static constexpr int nameX = 540;
    static constexpr int nameSize = 20;
    // The chosen player's awards: a row of medallions at the foot of the parchment, under the
    // names and clear of the arrows, each drawn awardSize pixels across; hovering one tells what
    // it is won for.
    static constexpr int awardCount = 10;
    static constexpr int awardsY = 498;
    static constexpr int awardSize = 24;
    static constexpr int awardStep = 26;
    static constexpr int awardTextSize = 16;

    ProfileManagerScreen();

    // The panel, the widgets (a missing file is said in a message and the screen works
    // without them), the font and the delete question.
    void setup() override;
    // The working list from the game's list, its current player marked and selected, the
    // first rows shown; the list is saved and earlier input forgotten; the screen fades in.
    void prepare();
    void update() override;
    void draw() override;
    // Runs the screen over `background` (none: over black) until it has faded out, then sets
    // the current player's rack up again and saves; always "".
    std::string mainLoop(TEkran* background);

    // Marks the working row of the current player (the first row when it is not in the
    // working list), or the first row.
    void getAktProfile();
    void findAktProfile();

    // The operations of the buttons.
    void goNEW();
    void goRENAME();
    void goDELETE();
    void goOK();
    void goCANCEL();
    void UP();
    void DOWN();

    // The player in screen row k (0 at the top), or none.
    TProfile* rowProfile(int k) const;
    // The colour of a name by its row's state.
    static TRGB rowColour(bool current, bool selected, bool under);
    // The centre of the medallion of award `id` (1..awardCount).
    static float awardX(int id)
    {
        return rowLeft + rowWidth * 0.5f + (id - (awardCount + 1) * 0.5f) * awardStep;
    }
    // The player whose awards show: the selected row, else the row marked current.
    const TProfile* awardsShown() const { return clicked ? clicked : _profile; }

    media::Picture img;
    TProfile* _profile = nullptr;         // the row marked as current
    std::vector<TProfile*> _profilesList; // the working list
    int startN = 0;                       // the working list's index of the top row
    media::Font* ProfileFont = nullptr;   // owned by the font cache
    TProfile* clicked = nullptr;          // the selected row
    TProfile* over = nullptr;             // the row under the pointer
    std::string txtUsuniecieProfilu1;     // the question on deleting: before the name
    std::string txtUsuniecieProfilu2;     // and after it
    // The medallions of awards 1..awardCount (index id - 1) and the empty socket of one not won.
    std::array<media::Picture, awardCount> awardImages;
    media::Picture awardNone;
    media::Font* awardFont = nullptr; // owned by the font cache
    int overAward = 0;                // the award under the pointer, 0 for none

private:
    void updateRows();
    void updateAwards();
    void drawAwards();
    void updateButtons();
    void handleInput();
    // The name dialog over this screen, refusing the names of the players made here too.
    std::string askName(const std::string& start, bool noCancel);
    // Whether `name` may be given to `who` (none: a new player): no player listed or made here
    // has it.
    bool nameFree(const std::string& name, const TProfile* who) const;
    void showRow(const TProfile* who);
    void close();

    // The players made while the screen is open, until "OK" lists them; their folders are on
    // disk from the start.
    std::vector<std::unique_ptr<TProfile>> made_;
};

// The program's players' screen, made and set up the first time it is asked for.
ProfileManagerScreen& profileScreen();
