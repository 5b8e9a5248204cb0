// OwlArt.cpp: the owl on the title screen's oak (gfx/gui/screen-title/sowa-1.png to
// sowa-4.png) and the pupil the game draws on its eyes (oko.png).
//
// A tawny owl sitting on the branch with the full moon behind it: ear tufts, a heart-shaped
// face, wings folded, toes curled over the branch, its edges lit by the moon. The four frames
// are the same bird with different eyes: 3 open with bare whites, for the game to draw the
// pupils on; 4 shut, for blinking; 1 and 2 looking left and right, pupils drawn in.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "GuiPalette.hpp"
#include "Image.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Registry.hpp"
#include "TitleLayout.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace contentgen
{
namespace
{
using namespace title; // the screen's layout
using gui::ink;

constexpr double pi = std::numbers::pi;

// The eyes' centres in the picture: where the game draws the pupils.
constexpr double eyeLeftX = onOwlX(leftPupilX);
constexpr double eyeRightX = onOwlX(rightPupilX);
constexpr double eyeY = onOwlY(pupilY);
constexpr double axis = (eyeLeftX + eyeRightX) / 2.0; // the bird is symmetric about this x
constexpr double eyeRadius = 9.4;
constexpr double pupilRadius = 2.9;
// The moon behind, in the picture.
constexpr double behindX = onOwlX(moonX);
constexpr double behindY = onOwlY(moonY);

constexpr Colour plumage = Colour::bytes(150, 102, 62);
constexpr Colour plumageDark = Colour::bytes(86, 56, 36);
constexpr Colour plumageLight = Colour::bytes(204, 158, 104);
constexpr Colour breast = Colour::bytes(226, 194, 146);
constexpr Colour face = Colour::bytes(230, 202, 158);
constexpr Colour ruff = Colour::bytes(118, 74, 40);
constexpr Colour brow = Colour::bytes(246, 234, 204);
constexpr Colour eyeWhite = Colour::bytes(255, 253, 240);
constexpr Colour eyeEdge = Colour::bytes(236, 226, 196);
constexpr Colour iris = Colour::bytes(232, 168, 56);
constexpr Colour lid = Colour::bytes(172, 124, 78);
constexpr Colour pupil = Colour::bytes(22, 14, 10);
constexpr Colour horn = Colour::bytes(232, 196, 118);
constexpr Colour toes = Colour::bytes(176, 150, 98);
constexpr Colour rimLight = Colour::bytes(212, 220, 246);

// x mirrored about the bird's axis.
constexpr double across(double x)
{
    return 2.0 * axis - x;
}

void fillAndKeep(cairo_t* cr, const Colour& c)
{
    paint::setColour(cr, c);
    cairo_fill_preserve(cr);
}

void inkStroke(cairo_t* cr, double width, double alpha = 1.0)
{
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::setColour(cr, ink.withAlpha(alpha));
    cairo_stroke(cr);
}

// A folded wing on the left (side 1) or the right (side -1).
void wingPath(cairo_t* cr, double side)
{
    auto x = [side](double v) { return side > 0 ? v : across(v); };
    cairo_new_path(cr);
    cairo_move_to(cr, x(24), 62);
    cairo_curve_to(cr, x(9), 80, x(10), 110, x(29), 130);
    cairo_curve_to(cr, x(37), 124, x(41), 108, x(41), 92);
    cairo_curve_to(cr, x(41), 76, x(35), 64, x(24), 62);
    cairo_close_path(cr);
}

void earTuft(cairo_t* cr, double side)
{
    auto x = [side](double v) { return side > 0 ? v : across(v); };
    cairo_new_path(cr);
    cairo_move_to(cr, x(22), 30);
    cairo_curve_to(cr, x(20), 20, x(20), 10, x(23), 3);
    cairo_curve_to(cr, x(28), 9, x(34), 14, x(40), 18);
    cairo_close_path(cr);
}

// Everything of the bird but its face and feet, in flat colours and feather marks.
void plumageShapes(cairo_t* cr)
{
    // The tail hangs below the body.
    cairo_new_path(cr);
    cairo_move_to(cr, axis - 11, 114);
    cairo_line_to(cr, axis - 14, 139);
    cairo_curve_to(cr, axis - 6, 144, axis + 6, 144, axis + 14, 139);
    cairo_line_to(cr, axis + 11, 114);
    cairo_close_path(cr);
    fillAndKeep(cr, plumageDark);
    cairo_new_path(cr);
    for (const double y : {124.0, 131.0}) {
        cairo_move_to(cr, axis - 12.5, y);
        cairo_curve_to(cr, axis - 4, y + 2.0, axis + 4, y + 2.0, axis + 12.5, y);
    }
    inkStroke(cr, 1.0, 0.45);

    // Body and head.
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, axis, 90);
    cairo_scale(cr, 37, 35);
    cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
    cairo_restore(cr);
    Pattern body = paint::linearGradient(0, 55, 0, 125, {{0.0, plumage}, {1.0, plumage.scaled(0.78)}});
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    earTuft(cr, 1);
    fillAndKeep(cr, plumage);
    inkStroke(cr, 0.8, 0.35);
    earTuft(cr, -1);
    fillAndKeep(cr, plumage);
    inkStroke(cr, 0.8, 0.35);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, axis, 41);
    cairo_scale(cr, 33, 28);
    cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
    cairo_restore(cr);
    Pattern head = paint::linearGradient(0, 13, 0, 69, {{0.0, plumageLight}, {1.0, plumage}});
    cairo_set_source(cr, head.get());
    cairo_fill(cr);

    // The breast, pale under streaks of brown.
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, axis, 96);
    cairo_scale(cr, 23, 26);
    cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
    cairo_restore(cr);
    Pattern chest = paint::radialGradient(axis, 90, 0, 28, {{0.0, breast}, {1.0, breast.mix(plumage, 0.55)}});
    cairo_set_source(cr, chest.get());
    cairo_fill(cr);
    cairo_new_path(cr);
    for (int row = 0; row < 6; ++row) {
        const double y = 78.0 + row * 7.5;
        const double half = 17.0 - std::abs(row - 2.0) * 2.0;
        const double shift = (row % 2) * 3.5;
        for (double x = axis - half + shift; x <= axis + half; x += 7.0) {
            cairo_move_to(cr, x - 2.2, y - 1.6);
            cairo_line_to(cr, x, y + 1.2);
            cairo_line_to(cr, x + 2.2, y - 1.6);
        }
    }
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint::setColour(cr, plumageDark.withAlpha(0.8));
    cairo_stroke(cr);

    // The folded wings, with rows of feather tips.
    for (const double side : {1.0, -1.0}) {
        wingPath(cr, side);
        Pattern wing = paint::linearGradient(0, 58, 0, 136, {{0.0, plumage.scaled(0.9)}, {1.0, plumageDark}});
        cairo_set_source(cr, wing.get());
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        inkStroke(cr, 1.2, 0.7);
        cairo_new_path(cr);
        for (int row = 0; row < 6; ++row) {
            const double y = 74.0 + row * 9.5;
            for (int k = 0; k < 4; ++k) {
                const double along = 13.0 + k * 7.0 + (row % 2) * 3.5;
                const double x = side > 0 ? along : across(along);
                cairo_new_sub_path(cr);
                cairo_arc(cr, x, y, 3.6, pi * 0.1, pi * 0.9);
            }
        }
        cairo_set_line_width(cr, 1.0);
        paint::setColour(cr, plumageLight.withAlpha(0.55));
        cairo_stroke(cr);
        // Long flight feathers down the wing's edge.
        cairo_new_path(cr);
        for (int k = 0; k < 3; ++k) {
            const double x0 = side > 0 ? 22.0 + k * 5.0 : across(22.0 + k * 5.0);
            const double x1 = side > 0 ? 28.0 + k * 3.0 : across(28.0 + k * 3.0);
            cairo_move_to(cr, x0, 98);
            cairo_curve_to(cr, x0, 112, x1, 120, x1 + (side > 0 ? 1.0 : -1.0), 128);
        }
        inkStroke(cr, 0.9, 0.5);
        cairo_restore(cr);
    }

    // Small dark streaks over the crown.
    cairo_new_path(cr);
    for (int k = 0; k < 9; ++k) {
        const double x = axis - 20.0 + k * 5.0;
        const double y = 18.0 + std::abs(k - 4.0) * 1.6;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 0.6, y + 3.2);
    }
    inkStroke(cr, 1.2, 0.4);
}

// The moon behind the bird lights a thin rim all round its outline, strongest where the moon's
// disc is; then a dark ink line goes round the whole.
Image rimAndOutline(const Image& bird)
{
    Image near = bird;
    paint::blur(near, 7.0);
    Image halo = bird;
    paint::blur(halo, 2.4);
    Image out(bird.width(), bird.height());
    for (int y = 0; y < bird.height(); ++y) {
        for (int x = 0; x < bird.width(); ++x) {
            const Pixel& p = bird.at(x, y);
            const double a = p.a / 255.0;
            const double line = std::min(1.0, halo.at(x, y).a / 255.0 * 2.6);
            Colour c{p.r / 255.0, p.g / 255.0, p.b / 255.0, 1.0};
            const double edge = smoothstep(0.15, 0.5, 1.0 - near.at(x, y).a / 255.0);
            const double behind =
                1.0 - smoothstep(moonR - 6.0, moonR + 26.0, std::hypot(x - behindX, y - behindY));
            c = c.mix(rimLight, 0.5 * edge * (0.25 + 0.75 * behind));
            const Colour shown = ink.mix(c, a);
            const double alpha = std::max(a, line);
            out.at(x, y) =
                Pixel{unitToByte(shown.r), unitToByte(shown.g), unitToByte(shown.b), unitToByte(alpha)};
        }
    }
    return out;
}

// The heart-shaped face with its pale brows and the beak.
void facialDisc(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_move_to(cr, axis, 62);
    cairo_curve_to(cr, axis - 10, 58, eyeLeftX - 17, 52, eyeLeftX - 16.5, eyeY - 2);
    cairo_curve_to(cr, eyeLeftX - 16, eyeY - 16, eyeLeftX + 2, eyeY - 19, axis, eyeY - 10);
    cairo_curve_to(cr, eyeRightX - 2, eyeY - 19, eyeRightX + 16, eyeY - 16, eyeRightX + 16.5, eyeY - 2);
    cairo_curve_to(cr, eyeRightX + 17, 52, axis + 10, 58, axis, 62);
    cairo_close_path(cr);
    Pattern disc =
        paint::radialGradient(axis, eyeY + 2, 4, 24, {{0.0, face}, {1.0, face.mix(plumage, 0.45)}});
    cairo_set_source(cr, disc.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2.4);
    paint::setColour(cr, ruff);
    cairo_stroke_preserve(cr);
    inkStroke(cr, 0.8, 0.6);

    // Fine feathers radiating round each eye.
    cairo_new_path(cr);
    for (const double ex : {eyeLeftX, eyeRightX}) {
        for (int k = 0; k < 14; ++k) {
            const double a = pi * 0.1 + k * (pi * 1.8 / 13.0) + pi / 2.0;
            cairo_move_to(cr, ex + std::cos(a) * (eyeRadius + 2.0), eyeY + std::sin(a) * (eyeRadius + 2.0));
            cairo_line_to(cr, ex + std::cos(a) * (eyeRadius + 5.5), eyeY + std::sin(a) * (eyeRadius + 5.5));
        }
    }
    cairo_set_line_width(cr, 0.8);
    paint::setColour(cr, ruff.withAlpha(0.4));
    cairo_stroke(cr);

    // Pale brows sweeping up over the eyes, meeting in a V above the beak.
    cairo_new_path(cr);
    cairo_move_to(cr, eyeLeftX - 11, eyeY - 9);
    cairo_curve_to(cr, eyeLeftX - 5, eyeY - 15, eyeLeftX + 6, eyeY - 13, axis, eyeY - 5);
    cairo_curve_to(cr, eyeRightX - 6, eyeY - 13, eyeRightX + 5, eyeY - 15, eyeRightX + 11, eyeY - 9);
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::setColour(cr, brow);
    cairo_stroke(cr);

    // The beak, hooked, between and below the eyes.
    cairo_new_path(cr);
    cairo_move_to(cr, axis - 3.6, eyeY + 6.5);
    cairo_curve_to(cr, axis - 1.5, eyeY + 4.0, axis + 1.5, eyeY + 4.0, axis + 3.6, eyeY + 6.5);
    cairo_curve_to(cr, axis + 3.0, eyeY + 12.0, axis + 1.2, eyeY + 15.0, axis, eyeY + 17.5);
    cairo_curve_to(cr, axis - 1.2, eyeY + 15.0, axis - 3.0, eyeY + 12.0, axis - 3.6, eyeY + 6.5);
    cairo_close_path(cr);
    Pattern beak = paint::linearGradient(axis - 3, 0, axis + 3, 0, {{0.0, horn}, {1.0, horn.scaled(0.7)}});
    cairo_set_source(cr, beak.get());
    cairo_fill_preserve(cr);
    inkStroke(cr, 1.1);
}

// Toes curled over the branch, three a foot, with dark claws.
void feet(cairo_t* cr)
{
    for (const double centre : {axis - 10.0, axis + 10.0}) {
        for (int k = -1; k <= 1; ++k) {
            const double x = centre + k * 3.8;
            cairo_new_path(cr);
            paint::roundedRectangle(cr, x - 1.5, owlHandleY - 2.0, 3.0, 7.5, 1.5);
            fillAndKeep(cr, toes);
            inkStroke(cr, 0.9);
            cairo_new_path(cr);
            cairo_move_to(cr, x + 0.6, owlHandleY + 4.5);
            cairo_curve_to(cr, x + 0.5, owlHandleY + 6.8, x - 0.5, owlHandleY + 7.8, x - 1.4,
                           owlHandleY + 8.0);
            inkStroke(cr, 1.4);
        }
        // Feathered legs over the toes.
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, centre, owlHandleY - 2.5);
        cairo_scale(cr, 6.4, 3.0);
        cairo_arc(cr, 0, 0, 1, pi * 0.95, pi * 2.05);
        cairo_restore(cr);
        cairo_close_path(cr);
        fillAndKeep(cr, breast.mix(plumage, 0.3));
        inkStroke(cr, 0.7, 0.4);
    }
}

enum class Eyes
{
    LookLeft,
    LookRight,
    Open, // bare whites: the game draws the pupils
    Shut
};

void pupilAt(cairo_t* cr, double x, double y)
{
    cairo_new_path(cr);
    cairo_arc(cr, x, y, pupilRadius, 0, 2 * pi);
    paint::setColour(cr, pupil);
    cairo_fill(cr);
    cairo_arc(cr, x - 0.9, y - 0.9, 0.8, 0, 2 * pi);
    paint::setColour(cr, Colour{1, 1, 1, 0.75});
    cairo_fill(cr);
}

void eye(cairo_t* cr, double ex, Eyes eyes)
{
    cairo_new_path(cr);
    cairo_arc(cr, ex, eyeY, eyeRadius + 1.2, 0, 2 * pi);
    paint::setColour(cr, ink);
    cairo_fill(cr);
    if (eyes == Eyes::Shut) {
        // The lid down over the eye, its lower edge a curve of lashes.
        cairo_arc(cr, ex, eyeY, eyeRadius, 0, 2 * pi);
        Pattern shade = paint::linearGradient(0, eyeY - eyeRadius, 0, eyeY + eyeRadius,
                                              {{0.0, lid.scaled(1.12)}, {1.0, lid}});
        cairo_set_source(cr, shade.get());
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, ex - eyeRadius + 1.0, eyeY - 0.5);
        cairo_curve_to(cr, ex - 4.0, eyeY + 4.5, ex + 4.0, eyeY + 4.5, ex + eyeRadius - 1.0, eyeY - 0.5);
        inkStroke(cr, 1.6);
        cairo_new_path(cr);
        for (const double k : {-0.5, 0.0, 0.5}) {
            cairo_move_to(cr, ex + k * 9.0, eyeY + 3.0 - std::abs(k) * 2.2);
            cairo_line_to(cr, ex + k * 11.0, eyeY + 5.4 - std::abs(k) * 2.4);
        }
        inkStroke(cr, 1.0, 0.8);
        // The fold of the lid above.
        cairo_new_path(cr);
        cairo_arc(cr, ex, eyeY + 1.5, eyeRadius - 3.0, pi * 1.2, pi * 1.8);
        inkStroke(cr, 0.8, 0.35);
        return;
    }
    cairo_arc(cr, ex, eyeY, eyeRadius, 0, 2 * pi);
    Pattern white = paint::radialGradient(ex - 1.5, eyeY - 1.5, 0.0, eyeRadius * 1.15,
                                          {{0.0, eyeWhite}, {0.7, eyeWhite}, {1.0, eyeEdge}});
    cairo_set_source(cr, white.get());
    cairo_fill(cr);
    // A ring of amber round the white.
    cairo_new_path(cr);
    cairo_arc(cr, ex, eyeY, eyeRadius - 0.9, 0, 2 * pi);
    cairo_set_line_width(cr, 1.4);
    paint::setColour(cr, iris.withAlpha(0.85));
    cairo_stroke(cr);
    if (eyes == Eyes::LookLeft || eyes == Eyes::LookRight) {
        const double shift = eyes == Eyes::LookLeft ? -4.0 : 4.0;
        pupilAt(cr, ex + shift, eyeY + 0.5);
    }
}

Canvas owl(Eyes eyes)
{
    Canvas shapes(owlWidth, owlHeight);
    plumageShapes(shapes.cr());
    Image bird = shapes.toImage();
    paint::mottle(bird, 0x0771, 5.0, 4.0, 3, 0.18);
    Canvas canvas(rimAndOutline(bird));
    cairo_t* cr = canvas.cr();
    facialDisc(cr);
    eye(cr, eyeLeftX, eyes);
    eye(cr, eyeRightX, eyes);
    feet(cr);
    return canvas;
}

// The pupil alone, 6 x 6, centred, for the game to draw on the open eyes.
Canvas pupilPicture()
{
    Canvas canvas(6, 6);
    pupilAt(canvas.cr(), 3.0, 3.0);
    return canvas;
}

constexpr std::array<Eyes, 4> frames{Eyes::LookLeft, Eyes::LookRight, Eyes::Open, Eyes::Shut};
} // namespace

void addOwlArt(Registry& registry)
{
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const std::string path = "gfx/gui/screen-title/sowa-" + std::to_string(i + 1) + ".png";
        registry.add("title", path, [path, eyes = frames[i]](Context& c) { c.save(owl(eyes), path); });
    }
    registry.add("title", "gfx/gui/screen-title/oko.png",
                 [](Context& c) { c.save(pupilPicture(), "gfx/gui/screen-title/oko.png"); });
}
} // namespace contentgen
