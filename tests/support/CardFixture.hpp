// CardFixture.hpp: a small content folder with card identities and the real card shape, loaded
// as the game loads its cards, on the null platform.
#pragma once

#include "cards/Cards.hpp"
#include "cards/ResourceTypes.hpp"
#include "cards/Swords.hpp"
#include "data/DataFiles.hpp"
#include "levels/Levels.hpp"
#include "media/ImageCodec.hpp"
#include "media/Report.hpp"
#include "screens/TProfileManager.hpp"
#include "support/TempFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace testing_support
{
// A 96 x 140 card with corners rounded by 7 pixels, fully opaque inside.
inline media::Image cardShape()
{
    media::Image image(96, 140);
    const int r = 7;
    for (int y = 0; y < 140; ++y) {
        for (int x = 0; x < 96; ++x) {
            int cx = x < r ? r - x : (x >= 96 - r ? x - (95 - r) : 0);
            int cy = y < r ? r - y : (y >= 140 - r ? y - (139 - r) : 0);
            std::uint8_t* p = image.pixel(x, y);
            p[0] = p[1] = p[2] = 200;
            p[3] = (cx * cx + cy * cy <= r * r) ? 255 : 0;
        }
    }
    return image;
}

// Identities 1..52 (suits 1..4, A..K), 104, the hammer 105, swords 202..214 and magic 301..352.
class CardFixture
{
public:
    explicit CardFixture(shell::LaunchOptions options = {}) : program_(options), here_(folder_.path())
    {
        media::setReportSink([this](std::string_view line) { reports.emplace_back(line); });
        std::string error;
        std::filesystem::create_directories(folder_ / "gfx/cards");
        EXPECT_TRUE(media::writePng(folder_ / "gfx/cards/mask.png", cardShape(), error)) << error;
        media::Image dot(2, 2);
        for (std::size_t i = 0; i < dot.rgba.size(); ++i)
            dot.rgba[i] = 255;
        EXPECT_TRUE(media::writePng(folder_ / "gfx/point.png", dot, error)) << error;
        // Faces as opaque as the real ones: a rack sword is pointed at through its face.
        media::Image sheet(96 * 13, 140);
        for (std::size_t i = 0; i < sheet.rgba.size(); ++i)
            sheet.rgba[i] = 220;
        EXPECT_TRUE(media::writePng(folder_ / "gfx/cards/sheet.png", sheet, error)) << error;

        const char* names[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
        TRCMFile file = newDataFile();
        file.setFloat("cards::imgs", 1);
        file.setString("cards::img1", "gfx/cards/sheet.png", 0);
        file.setString("cards::img1", "96 140 13", 1);
        int c = 0;
        auto add = [&](int id, const std::string& nazwa, int kolor, int frame) {
            std::string g = "cards::c" + std::to_string(++c) + "::";
            file.setFloat(g + "id", id);
            file.setFloat(g + "img", 1);
            file.setFloat(g + "frame", frame);
            file.setString(g + "nazwa", nazwa);
            file.setFloat(g + "kolor", kolor);
        };
        for (int kolor = 1; kolor <= 4; ++kolor)
            for (int r = 0; r < 13; ++r)
                add((kolor - 1) * 13 + r + 1, names[r], kolor, r);
        add(104, "X", 0, 0);
        add(105, "H", 0, 0);
        const char* swordNames[13] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
        for (int i = 0; i < 13; ++i)
            add(202 + i, swordNames[i], 0, i);
        for (int kolor = 1; kolor <= 4; ++kolor)
            for (int r = 0; r < 13; ++r)
                add(300 + (kolor - 1) * 13 + r + 1, names[r], kolor, r);
        file.setFloat("cards::i", c);
        std::filesystem::create_directories(folder_ / "data");
        EXPECT_TRUE(file.save(folder_ / "data/cards.dat"));
        loadCards();
        program_.program().pointImage = media::pictures().load("gfx/point.png");
        program_.program().profileManager = std::make_unique<TProfileManager>();
        program_.program().profileManager->useGuestProfile();
    }

    ~CardFixture() { media::setReportSink({}); }
    CardFixture(const CardFixture&) = delete;
    CardFixture& operator=(const CardFixture&) = delete;

    TestProgram& program() { return program_; }
    // data/swords.dat naming these ids in this order, read as the game reads it.
    void defineSwords(const std::vector<int>& ids)
    {
        std::string text = "swords {\n\ti = " + std::to_string(ids.size()) + "\n";
        for (std::size_t k = 0; k < ids.size(); ++k)
            text += "\tsword" + std::to_string(k + 1) + " {\n\t\tid = " + std::to_string(ids[k]) + "\n\t}\n";
        folder_.write("data/swords.dat", text + "}\n");
        loadSwords();
    }
    // data/resources.dat with the types 1..count, each with a 36 x 36 opaque picture, read as
    // the game reads it.
    void defineResourceTypes(int count)
    {
        std::string text = "resources {\n\ti = " + std::to_string(count) + "\n";
        std::string error;
        media::Image coin(36, 36);
        for (std::size_t i = 0; i < coin.rgba.size(); ++i)
            coin.rgba[i] = 255;
        for (int k = 1; k <= count; ++k) {
            const std::string picture = "gfx/resources/res-" + std::to_string(k) + ".png";
            std::filesystem::create_directories(folder_ / "gfx/resources");
            EXPECT_TRUE(media::writePng(folder_ / picture, coin, error)) << error;
            text += "\tres" + std::to_string(k) + " {\n\t\tid = " + std::to_string(k) + "\n\t\timg = \""
                    + picture + "\"\n\t}\n";
        }
        folder_.write("data/resources.dat", text + "}\n");
        loadResources();
    }
    // Every sword, 2 to the ace.
    void defineAllSwords()
    {
        std::vector<int> ids;
        for (int id = 202; id <= 214; ++id)
            ids.push_back(id);
        defineSwords(ids);
    }
    // Whether a diagnostic line holding all of these words was reported.
    bool reported(std::initializer_list<std::string_view> words) const
    {
        for (const std::string& line : reports) {
            bool all = true;
            for (std::string_view w : words)
                all = all && line.find(w) != std::string::npos;
            if (all)
                return true;
        }
        return false;
    }

    std::vector<std::string> reports;
    const TempFolder& folder() const { return folder_; }

private:
    TestProgram program_;
    TempFolder folder_;
    InFolder here_;
};

// One table card for a test level.
struct TestCard
{
    float x = 0;
    float y = 0;
    int id = 1;
    int rocks = 0;
    int ice = 0;
    int snow = 0;
    int force = 0;
};

// A level made of these cards in this stacking order (first lies lowest), not yet prepared.
inline std::unique_ptr<TLevel> levelOf(const std::vector<TestCard>& specs)
{
    auto level = std::make_unique<TLevel>();
    for (const TestCard& s : specs) {
        auto card = std::make_unique<TCard>();
        card->x = s.x;
        card->y = s.y;
        card->cd = cardDataById(s.id);
        card->utrudnienie1 = s.rocks;
        card->utrudnienie2 = s.ice;
        card->utrudnienie3 = s.snow;
        card->forceSide = s.force;
        level->addCard(std::move(card));
    }
    return level;
}
} // namespace testing_support
