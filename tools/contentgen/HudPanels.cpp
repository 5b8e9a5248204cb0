// HudPanels.cpp: the carved frame pieces of the game screen (gfx/gui/mainGame/): the level's
// name plate, the cash panel, the drive panel with its bulb sockets, the deck holder and the
// side panels behind the level summary.
//
// The game draws each piece at a fixed place and writes or lights things at fixed points on
// the screen (the level's name, the score, the bulbs, the drive counter, the deck count), so
// every piece is laid out in screen coordinates turned into its own: the constants below
// say where each of those points falls on the picture.

#include "HudArt.hpp"

#include "Context.hpp"
#include "Random.hpp"
#include "Registry.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace contentgen::gui
{
namespace
{
constexpr double pi = std::numbers::pi;

struct Point
{
    double x;
    double y;
};

// ---------------------------------------------------------------------------------------------
// stage-name.png, drawn from the screen's corner (15, 0). The game writes the level's name in
// black, 20 pixels, centred on screen x 190 with its letters from y 26 down: a parchment field
// round picture x 175, y 26 to 50.

constexpr int nameWidth = 350;
constexpr int nameHeight = 64;

void nameOutline(cairo_t* cr, double d)
{
    const double left = 6.0 + d;
    const double right = nameWidth - 6.0 - d;
    const double bottom = 60.0 - d;
    const double r = std::max(1.0, 18.0 - d);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, left, -20.0); // hangs from the top of the screen
    cairo_arc_negative(cr, left + r, bottom - r, r, pi, pi / 2.0);
    cairo_arc_negative(cr, right - r, bottom - r, r, pi / 2.0, 0.0);
    cairo_line_to(cr, right, -20.0);
    cairo_close_path(cr);
}

// Old paper: warm, mottled, a shade darker towards its edges.
void parchment(Canvas& target, const Outline& field)
{
    Canvas paper(target.width(), target.height());
    cairo_t* pc = paper.cr();
    const Box box = boxOf(field);
    cairo_new_path(pc);
    field(pc, 0.0);
    Pattern fill = paint::radialGradient((box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0, 0.0,
                                         (box.right - box.left) * 0.55,
                                         {{0.0, Colour::bytes(250, 240, 212)},
                                          {0.7, Colour::bytes(240, 224, 184)},
                                          {1.0, Colour::bytes(214, 188, 140)}});
    cairo_set_source(pc, fill.get());
    cairo_fill(pc);
    Image image = paper.toImage();
    paint::mottle(image, 0x9a9e, 9.0, 6.0, 4, 0.16);
    target.paint(Canvas(image));

    cairo_t* cr = target.cr();
    cairo_save(cr);
    cairo_new_path(cr);
    field(cr, 0.0);
    cairo_clip(cr);
    strokeOutline(cr, field, 0.0, 4.0, Colour::bytes(120, 80, 40, 0.35));
    cairo_restore(cr);
    strokeOutline(cr, field, -1.0, 2.0, gold);
    strokeOutline(cr, field, -2.4, 0.9, ink);
}

void stageName(Context& context)
{
    Canvas canvas(nameWidth, nameHeight);
    woodPanel(canvas, nameOutline, Grain::Across, 0x57a9e, 0.0);
    parchment(canvas, roundedBox(52, 19, 246, 33, 9));
    cairo_t* cr = canvas.cr();
    moonMedallion(cr, 29, 34, 13, 0.5);
    moonMedallion(cr, nameWidth - 29, 34, 13, -0.5);
    context.save(canvas, "gfx/gui/mainGame/stage-name.png");
}

// ---------------------------------------------------------------------------------------------
// gui-cash.png, centred on (507, 67) at rest. The game writes the score in the gold digits,
// 30 pixels tall, centred on screen x 517 from y 60: a dark window round picture (130, 53).
// Coins fly into it, so a gold coin is set in the panel's left end.

constexpr int cashWidth = 240;
constexpr int cashHeight = 90;

void cashPanel(Context& context)
{
    Canvas canvas(cashWidth, cashHeight);
    woodPanel(canvas, circle(123, 24, 24), Grain::Across, 0xca54, 0.0);
    woodPanel(canvas, roundedBox(10, 14, 226, 72, 16), Grain::Across, 0xca55, 6.0);
    cairo_t* cr = canvas.cr();
    stud(cr, 123, 7.5, 4.5);
    sunkWindow(canvas, roundedBox(54, 32, 152, 42, 9));
    coinFace(cr, 32, 53, 13, goldMetal, Stamp::Sun);
    stud(cr, 221, 53, 4.0);
    context.save(canvas, "gfx/gui/mainGame/gui-cash.png");
}

// ---------------------------------------------------------------------------------------------
// gui-drive.png, drawn from (1024 - 340, 0) = (684, 0). The game lights bulbs at fixed points of
// the screen, so each has a socket exactly there: four big multiplier bulbs, two arcs of ten
// small drive lights, and the green drive bulb, whose porthole also shows the drive counter
// (digits centred on screen x 854, y 64 to 98). The panel is symmetric about picture x 160.

constexpr int driveWidth = 340;
constexpr int driveHeight = 130;
constexpr double driveLeft = 1024.0 - driveWidth; // the panel's left edge on the screen

constexpr std::array<Point, 4> bigBulbs{{{725, 59}, {781, 76}, {907, 76}, {964, 59}}};
// Each arc in the order its lights come on, from the outer end in to the porthole.
constexpr std::array<Point, 10> leftLights{{{703, 42},
                                            {716, 34},
                                            {732, 33},
                                            {745, 41},
                                            {751, 53},
                                            {752, 68},
                                            {753, 83},
                                            {759, 96},
                                            {772, 104},
                                            {786, 104}}};
constexpr std::array<Point, 10> rightLights{{{985, 42},
                                             {973, 34},
                                             {957, 33},
                                             {944, 41},
                                             {937, 53},
                                             {936, 68},
                                             {936, 83},
                                             {929, 96},
                                             {916, 103},
                                             {903, 103}}};
constexpr Point greenBulb{844, 82};
constexpr Point porthole{849, 81}; // round the green bulb and the counter to its right
constexpr double portholeRadius = 30.0;

Point onDrive(Point screen)
{
    return {screen.x - driveLeft, screen.y};
}

void driveOutline(cairo_t* cr, double d)
{
    const double left = 2.0 + d;
    const double shallow = 100.0 - d; // under the big outer bulbs
    const double deep = 124.0 - d;    // under the small lights and the porthole
    const double r = std::max(1.0, 16.0 - d);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, left, -20.0);
    cairo_arc_negative(cr, left + r, shallow - r, r, pi, pi / 2.0);
    cairo_line_to(cr, 46, shallow);
    cairo_curve_to(cr, 64, shallow, 64, deep, 86, deep);
    cairo_line_to(cr, 234, deep);
    cairo_curve_to(cr, 256, deep, 256, shallow, 274, shallow);
    cairo_line_to(cr, driveWidth + 20.0, shallow);
    cairo_line_to(cr, driveWidth + 20.0, -20.0);
    cairo_close_path(cr);
}

// A smooth curve through the points (Catmull-Rom, as cubic pieces), added to the path.
void curveThrough(cairo_t* cr, const std::vector<Point>& p)
{
    cairo_move_to(cr, p.front().x, p.front().y);
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        const Point& before = p[i == 0 ? 0 : i - 1];
        const Point& after = p[std::min(i + 2, p.size() - 1)];
        cairo_curve_to(cr, p[i].x + (p[i + 1].x - before.x) / 6.0, p[i].y + (p[i + 1].y - before.y) / 6.0,
                       p[i + 1].x - (after.x - p[i].x) / 6.0, p[i + 1].y - (after.y - p[i].y) / 6.0,
                       p[i + 1].x, p[i + 1].y);
    }
}

// The groove the small lights sit in: from the arc's outer end to the porthole's rim.
void lightTrack(cairo_t* cr, const std::array<Point, 10>& lights)
{
    std::vector<Point> points;
    for (const Point& p : lights) {
        points.push_back(onDrive(p));
    }
    const Point hub = onDrive(porthole);
    const Point last = points.back();
    const double a = std::atan2(last.y - hub.y, last.x - hub.x);
    points.push_back({hub.x + portholeRadius * std::cos(a), hub.y + portholeRadius * std::sin(a)});
    cairo_new_path(cr);
    curveThrough(cr, points);
    goldGroove(cr, 8.0, 1.4);
}

void drivePanel(Context& context)
{
    Canvas canvas(driveWidth, driveHeight);
    woodPanel(canvas, driveOutline, Grain::Across, 0xd417e, 6.0);
    cairo_t* cr = canvas.cr();
    lightTrack(cr, leftLights);
    lightTrack(cr, rightLights);

    const Point hub = onDrive(porthole);
    stud(cr, hub.x - portholeRadius - 4.5, hub.y, 2.8);
    stud(cr, hub.x + portholeRadius + 4.5, hub.y, 2.8);
    socket(cr, hub.x, hub.y, portholeRadius, 3.4);
    for (const Point& p : bigBulbs) {
        socket(cr, onDrive(p).x, onDrive(p).y, 17.0);
    }
    for (const auto* arc : {&leftLights, &rightLights}) {
        for (const Point& p : *arc) {
            socket(cr, onDrive(p).x, onDrive(p).y, 6.8);
        }
    }
    // The moon over the porthole, between the big bulbs, with a stud to either side.
    const double axis = onDrive(greenBulb).x;
    moonMedallion(cr, axis, 27, 13, 0.5);
    stud(cr, axis - 30, 27, 2.6);
    stud(cr, axis + 30, 27, 2.6);
    stud(cr, 14, 86, 3.0);
    stud(cr, 2 * axis - 14, 86, 3.0);
    context.save(canvas, "gfx/gui/mainGame/gui-drive.png");
}

// ---------------------------------------------------------------------------------------------
// deck-holder.png and deck-holder-1.png: a wooden tray, its picture's corner at (230, 592).
// The deck's pile is drawn from screen x 333 (picture 103) rightwards, the spot card at
// (603, 685) (picture (373, 93)); cards are 96 x 140. With the counter, the game writes the
// deck's count centred on (267, 688), picture (37, 96).

constexpr int holderWidth = 450;
constexpr int holderHeight = 170;
constexpr Point counterCentre{37, 96};

void deckHolder(Context& context, bool counter, const std::string& path)
{
    Canvas canvas(holderWidth, holderHeight);
    woodPanel(canvas, roundedBox(4, 4, holderWidth - 8, 162, 16), Grain::Across, 0xdec4, 0.0);
    cairo_t* cr = canvas.cr();
    const Colour feltDeep = Colour::bytes(10, 14, 28);
    const Colour feltShallow = Colour::bytes(26, 36, 62);
    // The deck's well and the spot card's cradle, a carved line between them.
    sunkWindow(canvas, roundedBox(62, 15, 240, 148, 10), feltDeep, feltShallow, 0.3);
    sunkWindow(canvas, roundedBox(317, 15, 112, 148, 10), feltDeep, feltShallow, 0.3);
    cairo_new_path(cr);
    cairo_move_to(cr, 309.5, 24);
    cairo_line_to(cr, 309.5, 154);
    goldGroove(cr, 3.4, 1.3);

    stud(cr, counterCentre.x, 32, 4.0);
    stud(cr, counterCentre.x, 146, 4.0);
    if (counter) {
        sunkWindow(canvas, roundedBox(counterCentre.x - 19, counterCentre.y - 14, 38, 28, 7));
    } else {
        stud(cr, counterCentre.x, counterCentre.y, 4.0);
    }
    context.save(canvas, path);
}

// ---------------------------------------------------------------------------------------------
// panelLewy.png and panelPrawy.png: tall carved panels that slide in from the screen's sides
// behind the level summary. The left one's handle is (12, 6) at the screen's corner, so its
// picture runs 12 pixels off the left and 6 off the top; the right one is its mirror. A slate
// inlay down the middle holds the moon waxing from a crescent to full among stars.

constexpr int sideWidth = 170;
constexpr int sideHeight = 780;

Image leftPanel()
{
    Canvas canvas(sideWidth, sideHeight);
    woodPanel(canvas, roundedBox(-30, -30, 190, sideHeight + 60, 1), Grain::Down, 0x51de, 8.0);
    cairo_t* cr = canvas.cr();
    const Outline slate = roundedBox(30, 40, 110, 700, 12);
    sunkWindow(canvas, slate, Colour::bytes(8, 14, 36), Colour::bytes(20, 32, 70));
    const double axis = 85.0;
    const std::array<double, 3> moons{200.0, 390.0, 580.0};

    cairo_save(cr);
    cairo_new_path(cr);
    slate(cr, 3.0);
    cairo_clip(cr);
    Random random(0x57a25);
    for (int i = 0; i < 70; ++i) {
        const double x = random.range(38.0, 132.0);
        const double y = random.range(50.0, 730.0);
        const double size = std::pow(random.uniform(), 2.5);
        const bool clear = std::abs(x - axis) > 8.0 && std::all_of(moons.begin(), moons.end(), [&](double m) {
                               return std::hypot(x - axis, y - m) > 34.0;
                           });
        if (clear) {
            paint::softGlow(cr, x, y, 1.5 + 3.0 * size,
                            Colour::bytes(255, 240, 200).withAlpha(0.35 + 0.6 * size));
        }
    }
    // A gold chain down the middle, strung with small diamonds, from moon to moon.
    cairo_new_path(cr);
    cairo_move_to(cr, axis, 56);
    cairo_line_to(cr, axis, 724);
    goldGroove(cr, 3.4, 1.4);
    for (double y = 80.0; y < 720.0; y += 38.0) {
        if (std::any_of(moons.begin(), moons.end(), [&](double m) { return std::abs(y - m) < 36.0; })) {
            continue;
        }
        cairo_new_path(cr);
        cairo_move_to(cr, axis, y - 6);
        cairo_line_to(cr, axis + 4, y);
        cairo_line_to(cr, axis, y + 6);
        cairo_line_to(cr, axis - 4, y);
        cairo_close_path(cr);
        cairo_set_line_width(cr, 1.2);
        paint::setColour(cr, ink);
        cairo_stroke_preserve(cr);
        paint::setColour(cr, goldLight);
        cairo_fill(cr);
    }
    cairo_restore(cr);

    const std::array<double, 3> bites{0.5, 1.1, 2.0};
    for (std::size_t i = 0; i < moons.size(); ++i) {
        moonMedallion(cr, axis, moons[i], 24, bites[i]);
    }
    for (const Point& p : {Point{30, 40}, Point{140, 40}, Point{30, 740}, Point{140, 740}}) {
        stud(cr, p.x, p.y, 4.0);
    }
    return canvas.toImage();
}
} // namespace

void addHudPanels(Registry& registry)
{
    registry.add("hud", "gfx/gui/mainGame/stage-name.png", stageName);
    registry.add("hud", "gfx/gui/mainGame/gui-cash.png", cashPanel);
    registry.add("hud", "gfx/gui/mainGame/gui-drive.png", drivePanel);
    registry.add("hud", "gfx/gui/mainGame/deck-holder.png",
                 [](Context& c) { deckHolder(c, true, "gfx/gui/mainGame/deck-holder.png"); });
    registry.add("hud", "gfx/gui/mainGame/deck-holder-1.png",
                 [](Context& c) { deckHolder(c, false, "gfx/gui/mainGame/deck-holder-1.png"); });
    registry.add("hud", "gfx/gui/mainGame/panelLewy.png",
                 [](Context& c) { c.save(leftPanel(), "gfx/gui/mainGame/panelLewy.png"); });
    registry.add("hud", "gfx/gui/mainGame/panelPrawy.png",
                 [](Context& c) { c.save(mirrored(leftPanel()), "gfx/gui/mainGame/panelPrawy.png"); });
}
} // namespace contentgen::gui
