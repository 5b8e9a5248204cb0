// TutorialArt.cpp: the "tutorial" group: the small pictures the lessons show beside their
// words (gfx/gui/tutorial/): two cards one rank apart, a sword card, a card under rocks, an ice
// card and a magic card, drawn with the game's own card faces, turned a little and lying on
// the lesson's parchment with a soft shadow. The lesson panels themselves are scrolls of the
// "panels" group.

#include "CardBacks.hpp"
#include "CardFaces.hpp"
#include "CardOverlays.hpp"
#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "Image.hpp"
#include "Paint.hpp"
#include "Registry.hpp"

#include <cairo.h>

#include <numbers>
#include <string>
#include <vector>

namespace contentgen
{
namespace
{
// The cards of a lesson picture are drawn at this share of their size in play.
constexpr double cardScale = 0.74;

struct Placed
{
    Image card;
    double x; // where the card's middle lies
    double y;
    double degrees; // turned clockwise
};

// The cards on a transparent canvas of w x h, each with a shadow beneath.
Canvas lay(int w, int h, const std::vector<Placed>& cards)
{
    Canvas layer(w, h);
    cairo_t* cr = layer.cr();
    for (const Placed& p : cards) {
        const Canvas face(p.card);
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_rotate(cr, p.degrees * std::numbers::pi / 180.0);
        cairo_scale(cr, cardScale, cardScale);
        cairo_set_source_surface(cr, face.surface(), -cards::width / 2.0, -cards::height / 2.0);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    Canvas picture(w, h);
    picture.paint(paint::shadowOf(layer, 4.0, Colour::bytes(40, 24, 8, 0.55)), 2.0, 3.0);
    picture.paint(layer);
    return picture;
}

// A card with an overlay laid on it at `alpha`, as the game draws it.
Image covered(const Image& card, const Image& cover, double alpha)
{
    Canvas canvas(card);
    canvas.paint(Canvas(cover), 0.0, 0.0, alpha);
    return canvas.toImage();
}

void save(Context& context, const Canvas& canvas, const std::string& name)
{
    context.save(canvas, "gfx/gui/tutorial/" + name);
}
} // namespace

void addTutorialArt(Registry& registry)
{
    using cards::Suit;
    // Seven and eight: one rank apart, so either may go onto the other.
    registry.add("tutorial", "gfx/gui/tutorial/pair.png", [](Context& c) {
        save(c,
             lay(156, 150,
                 {{cards::suitFace(c, Suit::Moons, 7), 50, 72, -7.0},
                  {cards::suitFace(c, Suit::Flames, 8), 104, 80, 6.0}}),
             "pair.png");
    });
    registry.add("tutorial", "gfx/gui/tutorial/sword.png", [](Context& c) {
        save(c, lay(150, 150, {{cards::swordCard(c, 9), 75, 75, -5.0}}), "sword.png");
    });
    // Rocks keep the card under them face down.
    registry.add("tutorial", "gfx/gui/tutorial/rock.png", [](Context& c) {
        save(c, lay(150, 150, {{covered(cards::latticeBack(), cards::rocksCover(), 1.0), 75, 75, 4.0}}),
             "rock.png");
    });
    registry.add("tutorial", "gfx/gui/tutorial/ice.png", [](Context& c) {
        save(c,
             lay(150, 150,
                 {{covered(cards::suitFace(c, Suit::Drops, 5), cards::iceCover(), 0.8), 75, 75, -4.0}}),
             "ice.png");
    });
    registry.add("tutorial", "gfx/gui/tutorial/magic.png", [](Context& c) {
        save(c, lay(150, 150, {{cards::suitFace(c, Suit::Leaves, 12, true), 75, 75, 5.0}}), "magic.png");
    });
}
} // namespace contentgen
