// The theme the framed widgets wear (gfx/gui/window/temat1.txt and its pieces) and the
// demonstration screen (gfx/gui/demo/): the theme names only pictures that are there, its
// pieces have sizes that let a frame close at any size and join without a seam, the menu
// bar's words read on it, and the demonstration file is well formed and agrees with its
// pictures.
#include "data/DataFiles.hpp"
#include "data/TRCMFile.hpp"
#include "gui/TGui.hpp"
#include "media/FileSystem.hpp"
#include "media/ImageCodec.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "support/RunFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using testing_support::InFolder;
using testing_support::runDir;
using testing_support::TestProgram;

const std::string themeFile = "gfx/gui/window/temat1.txt";
const std::string themeFolder = "gfx/gui/window/";
const std::string demoFile = "gfx/gui/demo/demo.gui";
const std::string demoFolder = "gfx/gui/demo/";

std::optional<media::Image> decoded(const std::string& path)
{
    auto bytes = media::fs::readBytes(path);
    if (!bytes)
        return std::nullopt;
    std::string error;
    auto image = media::decodeImage(*bytes, error);
    if (!image)
        return std::nullopt;
    return image->image;
}

struct Rgb
{
    double r;
    double g;
    double b;
};

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(Rgb c)
{
    auto linear = [](double v) {
        v /= 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// How far apart two colours stand for reading: 1 (the same) to 21 (black on white).
double contrast(Rgb a, Rgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb rgbAt(const media::Image& image, int x, int y)
{
    const std::uint8_t* p = image.pixel(x, y);
    return {static_cast<double>(p[0]), static_cast<double>(p[1]), static_cast<double>(p[2])};
}

// `over` laid at `opacity` on `under`.
Rgb blend(Rgb under, Rgb over, double opacity)
{
    return {under.r + (over.r - under.r) * opacity, under.g + (over.g - under.g) * opacity,
            under.b + (over.b - under.b) * opacity};
}

// The outermost column or row of a picture on one side, top to bottom or left to right.
enum class Side
{
    Left,
    Right,
    Top,
    Bottom
};

std::vector<std::array<int, 4>> lineOf(const media::Image& image, Side side)
{
    std::vector<std::array<int, 4>> line;
    const bool column = side == Side::Left || side == Side::Right;
    const int n = column ? image.height : image.width;
    for (int i = 0; i < n; ++i) {
        const int x = column ? (side == Side::Left ? 0 : image.width - 1) : i;
        const int y = column ? i : (side == Side::Top ? 0 : image.height - 1);
        const std::uint8_t* p = image.pixel(x, y);
        line.push_back({p[0], p[1], p[2], p[3]});
    }
    return line;
}

// Whether two lines of pixels would show as one: the same opacity and, where anything shows,
// the same colour, each channel within 2.
bool joins(const std::vector<std::array<int, 4>>& a, const std::vector<std::array<int, 4>>& b,
           std::string& where)
{
    if (a.size() != b.size()) {
        where = "lengths " + std::to_string(a.size()) + " and " + std::to_string(b.size());
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int from = a[i][3] == 0 && b[i][3] == 0 ? 3 : 0;
        for (int c = from; c < 4; ++c) {
            if (std::abs(a[i][c] - b[i][c]) > 2) {
                where = "pixel " + std::to_string(i) + ", channel " + std::to_string(c);
                return false;
            }
        }
    }
    return true;
}

class ShippedTheme : public ::testing::Test
{
protected:
    void SetUp() override
    {
        media::setReportSink([this](std::string_view line) { reports.emplace_back(line); });
        program = std::make_unique<TestProgram>();
        here = std::make_unique<InFolder>(runDir);
        theme = loadDataFile(themeFile);
    }
    void TearDown() override
    {
        here.reset();
        program.reset();
        media::setReportSink({});
    }

    // The piece the theme names under "TEMAT::<key>", decoded; a failure when there is none.
    media::Image piece(const std::string& key)
    {
        const std::string name = theme.getString("TEMAT::" + key);
        EXPECT_FALSE(name.empty()) << key << " names no picture";
        auto image = decoded(themeFolder + name);
        EXPECT_TRUE(image) << key << ": " << themeFolder + name << " is missing or no picture";
        return image.value_or(media::Image{});
    }

    // "TEMAT::BELKA::<key>" as a colour.
    Rgb colour(const std::string& key)
    {
        const std::string path = "TEMAT::BELKA::" + key;
        return {theme.getFloat(path, 0), theme.getFloat(path, 1), theme.getFloat(path, 2)};
    }

    std::vector<std::string> reports;
    std::unique_ptr<TestProgram> program;
    std::unique_ptr<InFolder> here;
    TRCMFile theme;
};

// The theme file is read by every screen with a window or a menu bar, and at start-up.
TEST_F(ShippedTheme, NamesEveryPieceAndOnlyPicturesThatAreThere)
{
    ASSERT_FALSE(theme._grupa._listaGrup.empty()) << themeFile << " did not load";
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
    const std::vector<std::string> needed{
        "OKNO::leftUp",   "OKNO::Up",   "OKNO::rightUp", "OKNO::right", "OKNO::rightdown", "OKNO::down",
        "OKNO::leftdown", "OKNO::left", "OKNO::srodek",  "BELKA::lewo", "BELKA::srodek",   "BELKA::prawo",
        "BELKA::LU",      "BELKA::U",   "BELKA::RU",     "BELKA::R",    "BELKA::RD",       "BELKA::D",
        "BELKA::LD",      "BELKA::L",   "BELKA::Middle"};
    for (const std::string& key : needed)
        EXPECT_FALSE(theme.getString("TEMAT::" + key).empty()) << key << " is missing";

    // Every text value anywhere in the file is a picture beside it.
    int named = 0;
    const TRCMGroup* root = theme._grupa.getGroup("TEMAT");
    ASSERT_NE(root, nullptr);
    for (const TRCMGroup& group : root->_listaGrup) {
        for (const TRCMEntry& entry : group._listaWpisow) {
            if (entry._type != RCM_TEXT)
                continue;
            for (const std::string& value : entry._value) {
                ++named;
                EXPECT_TRUE(decoded(themeFolder + value))
                    << group._id << "::" << entry._id << " names " << value << ", which is no picture there";
            }
        }
    }
    EXPECT_GE(named, static_cast<int>(needed.size()));

    for (const char* key : {"textRGB", "outLineRGB", "backRGB"}) {
        const TRCMEntry* entry = root->getGroup("BELKA") ? root->getGroup("BELKA")->getEntry(key) : nullptr;
        ASSERT_NE(entry, nullptr) << key;
        EXPECT_EQ(entry->_type, RCM_NUMBER) << key;
        ASSERT_EQ(entry->_value.size(), 3u) << key;
        for (int i = 0; i < 3; ++i) {
            const double v = theme.getFloat(std::string("TEMAT::BELKA::") + key, i);
            EXPECT_TRUE(v >= 0 && v <= 255 && v == std::floor(v)) << key << " value " << i << " is " << v;
        }
    }
}

// A frame's corners are drawn as they are, its edges stretched along it from the corners'
// inner ends, its centre stretched over the inside from the top-left corner's inner corner.
// So every edge is one pixel long, as thick as the corners beside it, and the centre is one
// flat colour: then a frame of any size closes with no gap and no smear.
TEST_F(ShippedTheme, FramePiecesHaveSizesThatCloseAtAnySize)
{
    struct Frame
    {
        const char* group;
        std::array<const char*, 9> keys; // corners, edges and centre as below
        int about;                       // the corners' size we made them for
    };
    // Order: leftUp, Up, rightUp, right, rightdown, down, leftdown, left, centre.
    const Frame frames[] = {
        {"OKNO", {"leftUp", "Up", "rightUp", "right", "rightdown", "down", "leftdown", "left", "srodek"}, 24},
        {"BELKA", {"LU", "U", "RU", "R", "RD", "D", "LD", "L", "Middle"}, 8},
    };
    for (const Frame& f : frames) {
        SCOPED_TRACE(f.group);
        std::vector<media::Image> p;
        for (const char* key : f.keys)
            p.push_back(piece(std::string(f.group) + "::" + key));
        if (std::any_of(p.begin(), p.end(), [](const media::Image& i) { return i.empty(); }))
            continue;
        const media::Image& corner = p[0];
        EXPECT_NEAR(corner.width, f.about, f.about / 3);
        EXPECT_NEAR(corner.height, f.about, f.about / 3);
        for (int c : {2, 4, 6}) {
            EXPECT_EQ(p[c].width, corner.width) << f.keys[c];
            EXPECT_EQ(p[c].height, corner.height) << f.keys[c];
        }
        // Top and bottom edges: one pixel wide, as high as the corners.
        for (int e : {1, 5}) {
            EXPECT_EQ(p[e].width, 1) << f.keys[e];
            EXPECT_EQ(p[e].height, corner.height) << f.keys[e];
        }
        // Left and right edges: one pixel high, as wide as the corners.
        for (int e : {3, 7}) {
            EXPECT_EQ(p[e].height, 1) << f.keys[e];
            EXPECT_EQ(p[e].width, corner.width) << f.keys[e];
        }
        const media::Image& centre = p[8];
        ASSERT_FALSE(centre.empty());
        EXPECT_TRUE(centre.opaque()) << "the inside would show through";
        for (int y = 0; y < centre.height; ++y) {
            for (int x = 0; x < centre.width; ++x)
                EXPECT_EQ(std::memcmp(centre.pixel(x, y), centre.pixel(0, 0), 4), 0)
                    << "the centre is not flat";
        }
    }
}

// Where two pieces meet, the last column or row of one is the first of the other: the same
// colours, so no seam shows at any size.
TEST_F(ShippedTheme, PiecesJoinWithoutASeam)
{
    struct Join
    {
        const char* a;
        Side aSide;
        const char* b;
        Side bSide;
    };
    const std::vector<std::pair<const char*, std::array<const char*, 9>>> frames{
        {"OKNO::", {"leftUp", "Up", "rightUp", "right", "rightdown", "down", "leftdown", "left", "srodek"}},
        {"BELKA::", {"LU", "U", "RU", "R", "RD", "D", "LD", "L", "Middle"}},
    };
    for (const auto& [group, k] : frames) {
        const std::string g = group;
        const std::vector<Join> joinsOfFrame{
            // Corners to the edges between them.
            {k[0], Side::Right, k[1], Side::Left},
            {k[2], Side::Left, k[1], Side::Right},
            {k[6], Side::Right, k[5], Side::Left},
            {k[4], Side::Left, k[5], Side::Right},
            {k[0], Side::Bottom, k[7], Side::Top},
            {k[6], Side::Top, k[7], Side::Bottom},
            {k[2], Side::Bottom, k[3], Side::Top},
            {k[4], Side::Top, k[3], Side::Bottom},
            // Edges to the centre.
            {k[1], Side::Bottom, k[8], Side::Top},
            {k[5], Side::Top, k[8], Side::Bottom},
            {k[7], Side::Right, k[8], Side::Left},
            {k[3], Side::Left, k[8], Side::Right},
        };
        for (const Join& j : joinsOfFrame) {
            const media::Image a = piece(g + j.a);
            const media::Image b = piece(g + j.b);
            if (a.empty() || b.empty())
                continue;
            std::string where;
            EXPECT_TRUE(joins(lineOf(a, j.aSide), lineOf(b, j.bSide), where))
                << g << j.a << " and " << j.b << " do not join: " << where;
        }
    }
    // The bar: its ends to the middle that is stretched between them, all as high.
    const media::Image left = piece("BELKA::lewo");
    const media::Image middle = piece("BELKA::srodek");
    const media::Image right = piece("BELKA::prawo");
    ASSERT_FALSE(left.empty() || middle.empty() || right.empty());
    EXPECT_EQ(middle.width, 1);
    EXPECT_NEAR(middle.height, 28, 4);
    EXPECT_EQ(left.height, middle.height);
    EXPECT_EQ(right.height, middle.height);
    std::string where;
    EXPECT_TRUE(joins(lineOf(left, Side::Right), lineOf(middle, Side::Left), where)) << "left end: " << where;
    EXPECT_TRUE(joins(lineOf(right, Side::Left), lineOf(middle, Side::Right), where))
        << "right end: " << where;
}

// Pictures without any transparency are loaded with black keyed out: a black pixel in such a
// piece would be a hole in every frame.
TEST_F(ShippedTheme, NoOpaquePieceHasAHoleOfTheMaskColour)
{
    for (const char* key :
         {"OKNO::leftUp",   "OKNO::Up",   "OKNO::rightUp", "OKNO::right", "OKNO::rightdown", "OKNO::down",
          "OKNO::leftdown", "OKNO::left", "OKNO::srodek",  "BELKA::lewo", "BELKA::srodek",   "BELKA::prawo",
          "BELKA::LU",      "BELKA::U",   "BELKA::RU",     "BELKA::R",    "BELKA::RD",       "BELKA::D",
          "BELKA::LD",      "BELKA::L",   "BELKA::Middle"}) {
        const media::Image image = piece(key);
        if (!image.opaque())
            continue;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const std::uint8_t* p = image.pixel(x, y);
                EXPECT_FALSE(p[0] == 0 && p[1] == 0 && p[2] == 0) << key << " at " << x << ", " << y;
            }
        }
    }
}

// The menu titles are written on the bar, and the commands in the drop-down box, in the
// theme's text colour; the entry under the pointer gets the highlight colour at 30 % under it.
TEST_F(ShippedTheme, TheMenuWordsReadOnTheBarAndInTheBox)
{
    const Rgb text = colour("textRGB");
    const Rgb highlight = colour("backRGB");
    const media::Image bar = piece("BELKA::srodek");
    const media::Image box = piece("BELKA::Middle");
    ASSERT_FALSE(bar.empty() || box.empty());
    // The words stand in the middle half of the bar's height.
    std::vector<Rgb> grounds;
    for (int y = bar.height / 4; y < bar.height * 3 / 4; ++y)
        grounds.push_back(rgbAt(bar, 0, y));
    grounds.push_back(rgbAt(box, 0, 0));
    for (const Rgb& ground : grounds) {
        EXPECT_GE(contrast(text, ground), 4.5) << "on " << ground.r << ", " << ground.g << ", " << ground.b;
        const Rgb lit = blend(ground, highlight, 0.3);
        EXPECT_GE(contrast(text, lit), 3.0) << "highlighted, on " << lit.r << ", " << lit.g << ", " << lit.b;
        // The highlight must show.
        EXPECT_GE(contrast(ground, lit), 1.3) << "on " << ground.r << ", " << ground.g << ", " << ground.b;
    }
}

// ---------------------------------------------------------------------------------------------
// The demonstration screen's description file.

// The file's words (quotes joined, as the game reads it).
std::vector<std::string> demoWords()
{
    auto text = media::fs::readText(demoFile);
    if (!text) {
        ADD_FAILURE() << demoFile << " is missing";
        return {};
    }
    return TGui::splitWords(*text);
}

struct Declaration
{
    std::string type;
    std::string name;
    std::map<std::string, std::string> keys; // upper-cased key: value (the direct ones only)
};

// The top-level declarations with their own keys, checking the braces on the way.
std::vector<Declaration> demoDeclarations()
{
    std::vector<Declaration> found;
    const std::vector<std::string> words = demoWords();
    int depth = 0;
    std::vector<std::string> pending;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.empty())
            continue;
        if (w == "{") {
            if (depth == 0) {
                EXPECT_EQ(pending.size(), 2u) << "a declaration is not \"TYPE name {\" before word " << i;
                found.push_back({media::text::toUpper(pending.empty() ? "" : pending[0]),
                                 pending.size() > 1 ? pending[1] : "",
                                 {}});
                pending.clear();
            }
            ++depth;
        } else if (w == "}") {
            --depth;
            EXPECT_GE(depth, 0) << "a \"}\" closes nothing at word " << i;
        } else if (depth == 0) {
            pending.push_back(w);
        } else if (depth == 1 && i + 2 < words.size() && words[i + 1] == "=") {
            found.back().keys[media::text::toUpper(w)] = words[i + 2];
            i += 2;
        }
    }
    EXPECT_EQ(depth, 0) << "unbalanced braces";
    EXPECT_TRUE(pending.empty()) << "words after the last declaration: " << ::testing::PrintToString(pending);
    return found;
}

// The whole set of widget kinds, under the names the screen and its tests look for.
TEST_F(ShippedTheme, TheDemonstrationFileDeclaresEveryKindOfWidget)
{
    const std::vector<Declaration> declarations = demoDeclarations();
    std::vector<std::pair<std::string, std::string>> declared;
    for (const Declaration& d : declarations)
        declared.emplace_back(d.type, d.name);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"THEME", "temat1"},   {"FONT", "large"},   {"FONT", "medium"}, {"FONT", "small"},
        {"WINDOW", "panel"},   {"TEXT", "title"},   {"TEXT", "story"},  {"TEXT", "nameLabel"},
        {"TEXTENTRY", "name"}, {"ANIM", "lantern"}, {"BUTTON", "ok"},   {"BAR", "menu"}};
    EXPECT_EQ(declared, expected);

    // The menu bar is declared last, so its drop-down boxes are drawn over everything else.
    ASSERT_FALSE(declarations.empty());
    EXPECT_EQ(declarations.back().type, "BAR");
}

// Every file the demonstration names is there, relative to its folder, and every widget stands
// on the window's glass, inside its frame.
TEST_F(ShippedTheme, TheDemonstrationFileNamesItsFilesAndKeepsToItsWindow)
{
    const std::vector<Declaration> declarations = demoDeclarations();
    std::optional<std::array<int, 4>> window;
    for (const Declaration& d : declarations) {
        if (d.type == "WINDOW") {
            std::istringstream in(d.keys.at("POSITION"));
            std::array<int, 4> r{};
            in >> r[0] >> r[1] >> r[2] >> r[3];
            window = r;
        }
    }
    ASSERT_TRUE(window) << "no window";
    const media::Image corner = piece("OKNO::leftUp");
    const int inset = corner.width;
    for (const Declaration& d : declarations) {
        SCOPED_TRACE(d.type + " " + d.name);
        for (const char* key : {"URL", "GFX"}) {
            if (!d.keys.count(key) || d.type == "FONT")
                continue;
            const std::string path =
                std::filesystem::path(demoFolder + d.keys.at(key)).lexically_normal().string();
            EXPECT_NE(media::fs::pathType(path), media::fs::PathType::Absent) << path;
        }
        if (d.type == "WINDOW" || !d.keys.count("POSITION"))
            continue;
        std::istringstream in(d.keys.at("POSITION"));
        int x = 0;
        int y = 0;
        in >> x >> y;
        EXPECT_GT(x, (*window)[0] + inset / 2);
        EXPECT_GT(y, (*window)[1] + inset / 2);
        EXPECT_LT(x, (*window)[0] + (*window)[2] - inset);
        EXPECT_LT(y, (*window)[1] + (*window)[3] - inset);
    }
}

// The lantern's strip is cut into as many cells as its schema has frame numbers; each cell holds
// the whole lantern clear of its neighbours, and the flame moves from cell to cell.
TEST_F(ShippedTheme, TheLanternStripHasACellForEveryFrameOfItsSchema)
{
    std::string gfx;
    std::string schema;
    for (const Declaration& d : demoDeclarations()) {
        if (d.type == "ANIM" && d.name == "lantern") {
            gfx = d.keys.count("GFX") ? d.keys.at("GFX") : "";
            schema = d.keys.count("SCHEMAT") ? d.keys.at("SCHEMAT") : "";
        }
    }
    ASSERT_FALSE(gfx.empty() || schema.empty());
    // The frame numbers are the words outside the bracketed heads.
    std::set<std::string> frames;
    std::istringstream words(schema);
    bool inHead = false;
    for (std::string w; words >> w;) {
        if (w.front() == '[')
            inHead = true;
        if (!inHead)
            frames.insert(w);
        if (w.back() == ']')
            inHead = false;
    }
    ASSERT_EQ(frames.size(), 4u) << schema;

    auto strip = decoded(demoFolder + gfx);
    ASSERT_TRUE(strip) << demoFolder + gfx;
    const int cells = static_cast<int>(frames.size());
    ASSERT_EQ(strip->width % cells, 0) << "the strip does not cut into " << cells << " equal cells";
    const int cell = strip->width / cells;
    EXPECT_NEAR(cell, 48, 8);
    EXPECT_NEAR(strip->height, 64, 8);
    for (int k = 0; k < cells; ++k) {
        SCOPED_TRACE("cell " + std::to_string(k));
        // Clear along its sides, so no cell shows a sliver of the next.
        for (int y = 0; y < strip->height; ++y) {
            EXPECT_EQ(strip->pixel(k * cell, y)[3], 0) << "left side, y " << y;
            EXPECT_EQ(strip->pixel(k * cell + cell - 1, y)[3], 0) << "right side, y " << y;
        }
        EXPECT_EQ(strip->pixel(k * cell + cell / 2, strip->height / 2)[3], 255) << "no lantern in the middle";
        for (int other = 0; other < k; ++other) {
            int differing = 0;
            for (int y = 0; y < strip->height; ++y) {
                for (int x = 0; x < cell; ++x)
                    differing +=
                        std::memcmp(strip->pixel(k * cell + x, y), strip->pixel(other * cell + x, y), 4) != 0;
            }
            EXPECT_GT(differing, 20) << "the same as cell " << other;
        }
    }
}
} // namespace
