// CardArt.hpp: what the card pictures share (the outline, strips, suit symbols, corner ranks)
// and the three parts of the "cards" group: faces, backs, overlays.
#pragma once

#include "Canvas.hpp"
#include "CardGeometry.hpp"
#include "Colour.hpp"
#include "Image.hpp"

#include <cairo.h>

#include <string>
#include <vector>

namespace contentgen
{
class FontFace;
class Registry;
} // namespace contentgen

namespace contentgen::cards
{
// The card's opaque shape at `scale` times the card size: alpha 255 inside the rounded
// rectangle, an antialiased rim, 0 outside.
Image mask(int scale = 1);

// Limits every pixel's alpha to the mask's, so every card picture has exactly the same outline.
Image cutToOutline(const Canvas& canvas, int scale = 1);

// Cells side by side in one row, in the order given. All cells must share one size.
Image strip(const std::vector<Image>& cells);

// Strokes the card's edge: a line of `lineWidth` just inside the outline.
void edge(cairo_t* cr, const Colour& colour, double lineWidth);

// Adds the suit symbol's outline as a path about one unit tall, centred on the origin.
void suitPath(cairo_t* cr, Suit suit);

enum class Finish
{
    Plain, // ivory cards: suit colours with a dark outline
    Gilded // magic cards: the same with a gold rim and a brighter sheen
};

// Draws the suit symbol `size` pixels tall centred at (cx, cy). Large symbols get their
// inner details (veins, the flame's core, the drop's highlight).
void drawSuit(cairo_t* cr, Suit suit, double cx, double cy, double size, Finish finish = Finish::Plain);

// Draws `text` centred on cx with its baseline at y, `size` pixels, squeezed sideways when it
// is wider than maxWidth ("10"). A halo wider than 0 draws a soft outline first.
void rankText(cairo_t* cr, const FontFace& face, const std::string& text, double cx, double y, double size,
              double maxWidth, const Colour& fill, const Colour& halo = {}, double haloWidth = 0.0);

// The rank names in sheet order of the suit sheets: A, 2..10, J, Q, K.
std::string rankName(int rank);

void addCardFaces(Registry& registry);    // CardFaces.cpp: suit, magic and sword sheets
void addCardBacks(Registry& registry);    // CardBacks.cpp: the backs and the hammer card
void addCardOverlays(Registry& registry); // CardOverlays.cpp: mask, glows, snow, ice, rocks
} // namespace contentgen::cards
