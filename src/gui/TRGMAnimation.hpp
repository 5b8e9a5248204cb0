// TRGMAnimation.hpp: a free-standing frame animation of a GUI description file: a picture strip
// and named animations over its cells, stepped on the millisecond clock.
#pragma once

#include "gui/TGuiObject.hpp"
#include "gui/TRGMAnim.hpp"
#include "gui/TSimpleEntry.hpp"
#include "media/Picture.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TGui;

// The schema names its animations in brackets, each head followed by cell numbers of the
// strip (from 0): "[NORMAL 120 LOOP] 0 1 2 3 [BLINK 60] 4 5 3". In a head, LOOP (any letter
// case) repeats the animation, a number is its step time in milliseconds and any other word its
// name; an empty word (two spaces) counts as the number 0. NORMAL plays from the start.
class TRGMAnimation : public TGuiObject
{
public:
    TRGMAnimation();

    // The cell the current position shows: position p shows the p-th frame listed; position 0
    // (and an animation that is not playing) shows nothing.
    int draw(float ox, float oy) override;
    std::optional<int> shownCell() const;

    // The schema cut into its declarations, each a head with its frame numbers.
    static std::vector<std::string> _pobierzDeklaracje(const std::string& schema);
    // Cuts the strip at `path` (as the game opens it) into allFrames cells side by side.
    int loadGFX(const std::string& path);
    // Builds the animations of a schema, the strip's cell count with them, and plays NORMAL.
    int interpretujSchemat(const std::string& schema);
    static int _czyZawiera(const std::string& word, const std::vector<std::string>& list);
    // Starts an animation from its first position; restarts the one playing.
    int playAnim(const TRGMAnim& anim);
    // The same by name (any letter case); a name that matches none is reported and changes nothing.
    int playAnim(const std::string& name);

    // The ANIM declaration; paths are taken from the folder of `gui`'s file.
    static std::shared_ptr<TRGMAnimation>
    createFromList(const std::string& name, const std::vector<TSimpleEntry>& entries, const TGui& gui);

    media::Picture gfx;
    int allFrames = 0; // distinct frame numbers of the whole schema: the cells of the strip
    std::vector<TRGMAnim> animsList;
    std::optional<TRGMAnim> aktAnim;
    int _frame = 0; // step position, 0 to _maxFrames
    int _maxFrames = 0;
    long long _animTime = 0; // the next step comes when the clock is past this
    int _wykonano = 0;       // the last step ran past the end

protected:
    // One step when the clock is past _animTime, however much later it is; visible or not.
    int updateMe(int ox, int oy) override;
};
