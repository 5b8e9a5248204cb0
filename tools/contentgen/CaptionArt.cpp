// CaptionArt.cpp: the "captions" group: the announcements that pop up over the table ("Play!",
// "Perfect!", "Multiplier x5", ...), gfx/captions/<language>/<name>.png.
//
// The words are not written here: they come from each language's txt/<language>/captions.txt
// in the source content folder (line k + 1 is picture k), so a translation is only a change
// of text. Every language folder with a captions table gets its own set of pictures.
//
// Each picture is the words in the game's face, gilded: a pale-gold-to-amber fill, a dark
// brown outline, a small shadow beneath and a feathered gold-white glow round it, so they read
// on the dark green table and over the ivory cards alike. The multiplier pictures, which spin
// in, have a radiant burst of light behind them and a few twinkles. The words sit in the middle
// of the picture, since the game draws it by its centre.

#include "Groups.hpp"

#include "Canvas.hpp"
#include "Colour.hpp"
#include "Context.hpp"
#include "FontFace.hpp"
#include "Maths.hpp"
#include "Paint.hpp"
#include "Random.hpp"
#include "Registry.hpp"

#include "media/Text.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace contentgen
{
namespace
{
constexpr double pi = std::numbers::pi;

constexpr Colour goldTop = Colour::bytes(255, 250, 218);
constexpr Colour goldUpper = Colour::bytes(252, 222, 128);
constexpr Colour goldLower = Colour::bytes(228, 164, 56);
constexpr Colour amber = Colour::bytes(168, 96, 26);
constexpr Colour ink = Colour::bytes(44, 24, 14);       // the outline: dark brown, never pure black
constexpr Colour nightBlue = Colour::bytes(10, 16, 40); // the shadow under the letters
constexpr Colour glowGold = Colour::bytes(255, 236, 172);
constexpr Colour burstGold = Colour::bytes(255, 216, 120);

// The widest the words may be, in pixels; longer words (a translation, say) are set smaller.
// The pop-in starts at 1.4 times this and must still fit the 1024-pixel screen.
constexpr double widestWords = 660.0;

struct CaptionPicture
{
    int line;         // line of captions.txt, from 1
    const char* name; // file name without ".png"
    double size;      // text size in pixels
    bool grand;       // the multipliers: a burst of light behind
};

const CaptionPicture captionPictures[] = {
    {1, "1-card", 84.0, false},        {2, "2-cards", 84.0, false},         {3, "3-cards", 84.0, false},
    {4, "4-cards", 84.0, false},       {11, "perfect", 108.0, false},       {12, "5x-multiplier", 90.0, true},
    {13, "7x-multiplier", 90.0, true}, {14, "new-magic-card", 84.0, false}, {15, "combo", 90.0, false},
    {16, "play", 116.0, false},        {17, "hammer-found", 80.0, false},   {18, "ice-cleared", 80.0, false},
};

// ---------------------------------------------------------------------------------------------
// Reading the words with the game's own decoder: a byte-order mark picks UTF-8 or UTF-16,
// without one every byte is a Latin-1 letter; lines end at LF.

// The table's lines in UTF-8 (what Cairo draws).
std::vector<std::string> tableLines(const std::string& bytes)
{
    const std::string text = media::text::decodeFileBytes(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        // A stray CR (a file saved with Windows line ends) has no letter to draw.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

struct CaptionTable
{
    std::string language;
    std::string bytes;
};

// The captions table of every language folder under txt/ that has one, in name order.
std::vector<CaptionTable> captionTables(Context& context)
{
    std::vector<CaptionTable> tables;
    for (const std::string& entry : context.listContent("txt")) {
        if (!entry.ends_with('/')) {
            continue;
        }
        const std::string language = entry.substr(0, entry.size() - 1);
        if (std::optional<std::string> bytes = context.readContent("txt/" + language + "/captions.txt")) {
            tables.push_back(CaptionTable{language, std::move(*bytes)});
        }
    }
    return tables;
}

// ---------------------------------------------------------------------------------------------
// Drawing.

struct Layout
{
    double size;     // text size after fitting
    double x, y;     // where the baseline starts
    double capTop;   // the top of the capitals
    double baseline; // the baseline
};

// Adds the words' outline to the current path.
void wordsPath(cairo_t* cr, const FontFace& face, const std::string& words, const Layout& layout)
{
    face.select(cr, layout.size);
    cairo_move_to(cr, layout.x, layout.y);
    cairo_text_path(cr, words.c_str());
}

// A four-pointed twinkle: a star with concave sides and a soft glow round it.
void twinkle(cairo_t* cr, double x, double y, double r)
{
    paint::softGlow(cr, x, y, r * 0.9, glowGold.withAlpha(0.75));
    cairo_new_path(cr);
    for (int i = 0; i < 4; ++i) {
        const double a = i * pi / 2.0;
        const double b = a + pi / 4.0;
        cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
        cairo_line_to(cr, x + 0.16 * r * std::cos(b), y + 0.16 * r * std::sin(b));
    }
    cairo_close_path(cr);
    paint::setColour(cr, Colour::bytes(255, 252, 236, 0.95));
    cairo_fill(cr);
}

// Rays of light from the centre, fading outwards, over a soft oval glow: spread over an
// ellipse of radii (rx, ry) about (cx, cy).
void burst(const Canvas& canvas, double cx, double cy, double rx, double ry)
{
    Canvas rays(canvas.width(), canvas.height());
    cairo_t* cr = rays.cr();
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    constexpr int count = 28;
    Random random(0xb0257);
    for (int i = 0; i < count; ++i) {
        const double a = 2.0 * pi * i / count + random.range(-0.04, 0.04);
        const double half = (i % 2 == 0 ? 0.07 : 0.035) * random.range(0.8, 1.2);
        const double reach = (i % 2 == 0 ? 1.0 : 0.78) * random.range(0.9, 1.0);
        cairo_move_to(cr, 0.0, 0.0);
        cairo_line_to(cr, reach * std::cos(a - half), reach * std::sin(a - half));
        cairo_line_to(cr, reach * std::cos(a + half), reach * std::sin(a + half));
        cairo_close_path(cr);
    }
    Pattern fade = paint::radialGradient(0.0, 0.0, 0.0, 1.0,
                                         {{0.0, burstGold.withAlpha(0.95)},
                                          {0.35, burstGold.withAlpha(0.62)},
                                          {0.7, burstGold.withAlpha(0.22)},
                                          {1.0, burstGold.withAlpha(0.0)}});
    cairo_set_source(cr, fade.get());
    cairo_fill(cr);
    Image soft = rays.toImage();
    paint::blur(soft, 2.0);
    // The oval glow under the rays, brightest in the middle.
    Canvas out(soft);
    cairo_t* o = out.cr();
    cairo_save(o);
    cairo_translate(o, cx, cy);
    cairo_scale(o, rx, ry);
    cairo_set_operator(o, CAIRO_OPERATOR_DEST_OVER);
    paint::softGlow(o, 0.0, 0.0, 0.8, burstGold.withAlpha(0.55));
    cairo_restore(o);
    canvas.paint(out);
}

Image caption(const FontFace& face, const std::string& words, const CaptionPicture& picture)
{
    // Measure, and set the words smaller if they would be too wide.
    Canvas probe(1, 1);
    cairo_t* p = probe.cr();
    double size = picture.size;
    face.select(p, size);
    cairo_text_extents_t box;
    cairo_text_extents(p, words.c_str(), &box);
    if (box.width > widestWords) {
        size *= widestWords / box.width;
        face.select(p, size);
        cairo_text_extents(p, words.c_str(), &box);
    }
    cairo_text_extents_t capital;
    cairo_text_extents(p, "H", &capital);

    const double outline = std::max(2.0, size * 0.03); // outside the letters
    const double glow = size * 0.17;
    double marginX = std::ceil(outline + glow * 1.25 + 3.0);
    double marginY = marginX;
    double burstX = 0.0;
    double burstY = 0.0;
    if (picture.grand) {
        burstX = box.width / 2.0 + size * 0.55;
        burstY = box.height / 2.0 + size * 0.75;
        marginX = std::max(marginX, std::ceil(burstX - box.width / 2.0));
        marginY = std::max(marginY, std::ceil(burstY - box.height / 2.0));
    }
    // Even sizes: the game draws the picture by its middle, which then lies on a pixel corner and a
    // caption at a whole position stays sharp.
    auto even = [](double v) { return static_cast<int>(std::ceil(v / 2.0)) * 2; };
    const int w = even(box.width + 2.0 * marginX);
    const int h = even(box.height + 2.0 * marginY);
    Layout layout;
    layout.size = size;
    layout.x = w / 2.0 - (box.x_bearing + box.width / 2.0);
    layout.y = h / 2.0 - (box.y_bearing + box.height / 2.0);
    layout.capTop = layout.y + capital.y_bearing;
    layout.baseline = layout.y;

    Canvas out(w, h);
    if (picture.grand) {
        burst(out, w / 2.0, h / 2.0, burstX, burstY);
    }

    // The letters with their outline, as a silhouette for the glow and the shadow.
    auto silhouette = [&](double spread) {
        Canvas s(w, h);
        cairo_t* cr = s.cr();
        cairo_new_path(cr);
        wordsPath(cr, face, words, layout);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 2.0 * spread);
        paint::setColour(cr, Colour::bytes(255, 255, 255));
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
        return s;
    };
    out.paint(paint::shadowOf(silhouette(outline + glow * 0.3), glow, glowGold.withAlpha(0.9)));
    // A dark band just outside the outline, deeper below: the words stand off the cards.
    out.paint(paint::shadowOf(silhouette(outline + size * 0.01), size * 0.07, nightBlue.withAlpha(0.75)),
              size * 0.01, size * 0.025);

    cairo_t* cr = out.cr();
    // Outline: a stroke centred on the letters' edge, half of it covered by the fill.
    cairo_new_path(cr);
    wordsPath(cr, face, words, layout);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2.0 * outline);
    paint::setColour(cr, ink);
    cairo_stroke_preserve(cr);
    // Gilded fill, pale at the top of the capitals, amber below the baseline.
    const double top = layout.capTop;
    const double bottom = layout.baseline + size * 0.2;
    Pattern gilt = paint::linearGradient(
        0.0, top, 0.0, bottom, {{0.0, goldTop}, {0.38, goldUpper}, {0.72, goldLower}, {1.0, amber}});
    cairo_set_source(cr, gilt.get());
    cairo_fill_preserve(cr);
    // A soft shine over the upper half of the letters, and a thin bright edge along their tops.
    cairo_save(cr);
    cairo_clip(cr);
    const double middle = (top + layout.baseline) / 2.0;
    Pattern shine = paint::linearGradient(
        0.0, top, 0.0, middle,
        {{0.0, Colour::bytes(255, 255, 255, 0.45)}, {1.0, Colour::bytes(255, 255, 255, 0.0)}});
    cairo_rectangle(cr, 0, 0, w, middle);
    cairo_set_source(cr, shine.get());
    cairo_fill(cr);
    // The letters less themselves moved down a little leave a rim along their upper edges.
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_save(cr);
    cairo_translate(cr, 0.0, std::max(1.2, size * 0.02));
    wordsPath(cr, face, words, layout);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    paint::setColour(cr, Colour::bytes(255, 253, 236, 0.6));
    cairo_fill(cr);
    cairo_restore(cr);

    if (picture.grand) {
        // Twinkles at the ends and along the top of the words.
        const double left = layout.x + box.x_bearing;
        const double right = left + box.width;
        twinkle(cr, left - size * 0.06, top + size * 0.02, size * 0.2);
        twinkle(cr, right + size * 0.02, layout.baseline - size * 0.05, size * 0.16);
        twinkle(cr, left + box.width * 0.62, top - size * 0.08, size * 0.13);
    }
    return out.toImage();
}

// The letters of `words` the face has no glyph for (they would come out as empty boxes), or
// nullopt if the words are not valid UTF-8 at all.
std::optional<std::string> missingLetters(const FontFace& face, const std::string& words)
{
    Canvas probe(1, 1);
    cairo_t* cr = probe.cr();
    face.select(cr, 32.0);
    cairo_scaled_font_t* font = cairo_get_scaled_font(cr);
    std::string missing;
    std::size_t i = 0;
    while (i < words.size()) {
        // One whole UTF-8 sequence at a time.
        const auto lead = static_cast<unsigned char>(words[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string letter = words.substr(i, length);
        i += length;
        cairo_glyph_t* glyphs = nullptr;
        int count = 0;
        const cairo_status_t status =
            cairo_scaled_font_text_to_glyphs(font, 0.0, 0.0, letter.c_str(), static_cast<int>(letter.size()),
                                             &glyphs, &count, nullptr, nullptr, nullptr);
        if (status != CAIRO_STATUS_SUCCESS) {
            return std::nullopt;
        }
        const bool found = count > 0 && glyphs[0].index != 0;
        cairo_glyph_free(glyphs);
        if (!found && missing.find(letter) == std::string::npos) {
            missing += letter;
        }
    }
    return missing;
}

void drawCaption(Context& context, const CaptionPicture& picture)
{
    const std::filesystem::path& contentDir = context.contentDir();
    const std::string name = std::string(picture.name) + ".png";
    if (contentDir.empty()) {
        context.fail("gfx/captions/*/" + name
                     + ": the words come from the content folder; give --content DIR");
        return;
    }
    const std::vector<CaptionTable> tables = captionTables(context);
    if (tables.empty()) {
        context.fail("gfx/captions: no txt/<language>/captions.txt under " + contentDir.string());
        return;
    }
    const FontFace& face = context.font();
    for (const CaptionTable& captions : tables) {
        const std::string& language = captions.language;
        const std::filesystem::path table = contentDir / "txt" / language / "captions.txt";
        const std::vector<std::string> lines = tableLines(captions.bytes);
        const std::size_t line = static_cast<std::size_t>(picture.line);
        if (lines.size() < line || lines[line - 1].empty()) {
            context.fail(table.string() + ": line " + std::to_string(picture.line) + " (" + picture.name
                         + ") is missing or empty");
            continue;
        }
        const std::string& words = lines[line - 1];
        const std::string where = table.string() + ": line " + std::to_string(picture.line);
        const std::optional<std::string> missing = missingLetters(face, words);
        if (!missing) {
            context.fail(where + " is not valid UTF-8 (the file starts with a UTF-8 byte-order mark)");
            continue;
        }
        if (!missing->empty()) {
            // The picture is still drawn, but the run fails: the boxes must not ship unseen.
            context.fail(where + ": the game's face has no letter for \"" + *missing + "\"");
        }
        context.save(caption(face, words, picture), "gfx/captions/" + language + "/" + name);
    }
}
} // namespace

void addCaptionArt(Registry& registry)
{
    for (const CaptionPicture& picture : captionPictures) {
        registry.add("captions", "gfx/captions/*/" + std::string(picture.name) + ".png",
                     [&picture](Context& context) { drawCaption(context, picture); });
    }
}
} // namespace contentgen
