// TGuiObject.hpp: what every widget of a GUI description file shares: its name, the visible and
// active flags, its placement, opacity and scale gliding toward their targets, its colour, the
// pointer state of this frame and an optional shortcut key.
#pragma once

#include "gui/TDim.hpp"
#include "gui/TRGB.hpp"

#include <optional>
#include <string>

class TGuiObject
{
public:
    // Class identifiers: the widget classes that get a class update.
    static constexpr int classButton = 0;
    static constexpr int classWindow = 2;
    static constexpr int classText = 3;
    static constexpr int classAnimation = 7;
    static constexpr int classTextEntry = 9;
    static constexpr int classBar = 10;
    static constexpr int classControl = 11;

    TGuiObject();
    virtual ~TGuiObject() = default;
    TGuiObject(const TGuiObject&) = delete;
    TGuiObject& operator=(const TGuiObject&) = delete;

    // Adds (dx, dy) to the reference point and to the pointer rectangle.
    virtual int move(float dx, float dy);
    // Moves by whole pixels so the reference point lands on (x, y); a fraction stays.
    int setPosition(int x, int y);
    // Visible, active, and no pointer state.
    virtual int clear();
    // One frame: the pointer test, the shortcut key, the class update, the glide. (ox, oy) is
    // where the parent that draws the widget stands; (0, 0) inside a container.
    int update(float ox, float oy);
    // The class update, for the classes that have one.
    int updateClass(int ox, int oy);
    // Glides the scale and the opacity toward their targets.
    int updateParams();
    int wygasAlpha();
    int wygasScale();
    // Debug aid: the pointer rectangle as a thin red outline.
    int _drawFrame();
    // Draws the widget at its place plus (ox, oy); the base draws nothing.
    virtual int draw(float ox, float oy);
    int setKey(int key);
    int setRGB(int r, int g, int b);
    int setState(int visible, int active);
    // Widgets work out their pointer rectangle here (after a caption or font changed).
    virtual int countDims();
    virtual int countDims2();

    std::string _id;
    int _v = 1;
    int _a = 1;
    int _class = 0;
    TDim dim;
    float _alpha = 1;
    float _dAlpha = 1;
    float _scale = 1;
    float _dScale = 1;
    std::optional<TRGB> rgb = TRGB{}; // nothing = no colour (a declaration gave -1)
    int _over = 0;
    int _clicked = 0;
    int _holded = 0;
    float wzr = 0.03f;
    int _key = 0;

protected:
    // The widget class's own step of a frame, after the pointer test.
    virtual int updateMe(int ox, int oy);
};
