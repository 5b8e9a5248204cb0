// ButtonDrawing.hpp: how each look of a button is drawn. TButton::draw sets the button's opacity,
// scale, colour and alpha blending, works out the canvas, calls its look's routine, and puts the
// renderer back to scale 1, full opacity and alpha blending.
#pragma once

namespace media
{
class Picture;
class Renderer;
} // namespace media
class TButton;

// Where and how big a button is drawn this frame.
struct ButtonCanvas
{
    // The caption is measured only for the looks that show one.
    ButtonCanvas(TButton& button, float ox, float oy, bool caption);

    // Sets the opacity and the scale of what comes next.
    void at(float opacity, float size) const;
    void white() const;
    // The picture added on top as light, as strong as the hover grew the button.
    void glowOver(const media::Picture& picture) const;

    media::Renderer& gfx;
    float x = 0, y = 0;           // the reference point on the screen
    float alpha = 1;              // the widget's opacity
    float scale = 1;              // the widget's own scale
    float grow = 1;               // the hover scale
    float textW = 0, textH = 0;   // the caption's size
    float halfW = 0, halfH = 0;   // half of it, in whole pixels
    float grownX = 0, grownY = 0; // the caption centred on the reference point at the hover scale
    float plainX = 0, plainY = 0; // the caption centred at the widget's own scale, moved by ADDDIM
};

namespace button_drawing
{
// The picture at the hover scale.
void simple(TButton& b, const ButtonCanvas& c);
// The strip cell of the schema's current frame.
void schemaFrame(TButton& b, const ButtonCanvas& c);
// The first cell, and the second over it at the fading opacity.
void blend(TButton& b, const ButtonCanvas& c);
// The cell of the pointer state.
void stateCell(TButton& b, const ButtonCanvas& c);
// The cell of the previous state under the fading-in cell of the new one.
void crossFade(TButton& b, const ButtonCanvas& c);
// The caption at the hover scale, over its shadow when declared.
void text(TButton& b, const ButtonCanvas& c);
// The caption letter by letter, each at its wave scale.
void wave(TButton& b, const ButtonCanvas& c);
// The picture and the caption, both at the hover scale.
void caption(TButton& b, const ButtonCanvas& c);
// The picture with its glow, and the caption at the widget's scale.
void glow(TButton& b, const ButtonCanvas& c);
// Only the caption at the hover scale: the picture is the hit area.
void area(TButton& b, const ButtonCanvas& c);
// The glow of the picture (never the picture) and the caption at the widget's scale.
void halo(TButton& b, const ButtonCanvas& c);
// The caption over its shadow, and a yellow copy as strong as the hover grew it.
void yellow(TButton& b, const ButtonCanvas& c);
// The active or the inactive picture, and the caption at the hover scale.
void twoLook(TButton& b, const ButtonCanvas& c);
} // namespace button_drawing
