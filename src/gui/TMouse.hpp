// TMouse.hpp: the mouse of the current frame in logical coordinates, and the cursors.
#pragma once

#include "gui/TCursor.hpp"
#include "gui/TDim.hpp"
#include "media/Picture.hpp"

#include <list>
#include <string>

class TMouse
{
public:
    TMouse() = default;
    TMouse(const TMouse&) = delete;
    TMouse& operator=(const TMouse&) = delete;

    // How long the left button has been held; 0 while it is up.
    int getHoldedTime() const;
    // Reads the buttons and the pointer for this frame, and animates the cursor.
    int update();
    // Draws the current cursor on top of everything.
    int draw();
    int show();
    int hide();
    // Whether the pointer is inside the rectangle, edges included.
    int inRect(int x, int y, int w, int h) const;
    int inDim(const TDim& d) const;
    // A cursor from a picture file (an animated strip when frames >= 2) or from a loaded
    // picture; it becomes the current cursor.
    int loadCursor(const std::string& id, const std::string& path, int hx, int hy, int frames, int frameMs);
    int loadCursor(const std::string& id, const media::Picture& picture, int hx, int hy);
    // Makes the cursor named `id` (any letter case) current; the last loaded of that name wins.
    int setCursor(const std::string& id);
    // Forgets pending presses.
    int clear();

    std::list<TCursor> listaKursorow;
    int x = 0, y = 0;
    int px = 0, py = 0;
    int vx = 0, vy = 0;
    int leftPressed = 0;
    int rightPressed = 0;
    int leftHolded = 0;
    int rightHolded = 0;
    int middleHit = 0;
    int middleHold = 0;
    int _v = 1;
    TCursor* cur = nullptr; // one of listaKursorow
    int _leftHolded = 0;
    long long _leftHoldedTime = 0;

private:
    TCursor& addCursor(const std::string& id, int hx, int hy);
};

// The toolkit's mouse: the program's.
TMouse& guiMouse();
bool hasGuiMouse();
