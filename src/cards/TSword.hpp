// TSword.hpp: a sword the player owns, lying on the rack in the lower right corner.
#pragma once

#include "gui/TDim.hpp"

class TSwordData;

// A rack sword turns to its place on the rack, stands a little proud while the pointer is on
// it, and slides out along its radius once the player has clicked it.
class TSword
{
public:
    // Drawn face up at `dim`, turned with the rack; nothing without a definition.
    void draw() const;
    // Whether the pointer is on the sword's face (pixel-exact); false with no mouse.
    bool _updateOver() const;
    // The hover amount heads for 1 while `hovered`, else for 0.
    void _updateAdy(bool hovered);
    // One frame of sliding out, up to the full slide-out.
    void _updateAlphaSelf();
    // The clicked sword slides out; any other slides back in and fades toward `da`.
    void _updateAlpha(bool clicked);
    // `dim` from the angle, the hover amount and the slide-out.
    void _updatePosition();
    // The angle turns toward `dRot`.
    void _updateRot();
    // One frame of the sword.
    void update(bool hovered, bool clicked);

    const TSwordData* sd = nullptr; // which sword (owned by the sword definitions)
    float s = 1;                    // drawing scale
    TDim dim;                       // where it is drawn (x, y), worked out every frame
    float overP = 0;                // hover amount 0..1
    float dOverP = 0;               // what the hover amount heads for
    int over = 0;                   // 1 once the pointer has been on it
    float a = 1;                    // opacity
    float da = 1;                   // what the opacity heads for
    float rot = 180;                // angle on the rack, degrees
    float dRot = 0;                 // the angle it turns toward
    float dodOdl = 0;               // how far it has slid out along its radius, 0..130
};
