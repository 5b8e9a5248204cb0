// The shop's catalogue as read from its file: good entries kept in file order with their texts,
// bad ones reported naming the file and left out.
#include "screens/ShopItems.hpp"

#include "data/Language.hpp"
#include "media/ImageCodec.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace
{
using testing_support::CardFixture;

std::string entry(int n, int id, const std::string& power, const std::string& img, int price, int title,
                  int opis)
{
    std::string text = "\titem" + std::to_string(n) + " {\n\t\tid = " + std::to_string(id) + "\n";
    if (!img.empty())
        text += "\t\timg = \"" + img + "\"\n";
    return text + "\t\tpwrId = \"" + power + "\"\n\t\tcena = " + std::to_string(price)
           + "\n\t\ttitle = " + std::to_string(title) + "\n\t\topis = " + std::to_string(opis) + "\n\t}\n";
}

TEST(ShopCatalogue, KeepsGoodEntriesInFileOrderAndLeavesBadOnesOutNamingTheFile)
{
    CardFixture f;
    language = "en";
    std::string error;
    media::Image picture(64, 48);
    std::filesystem::create_directories(f.folder() / "gfx/items");
    ASSERT_TRUE(media::writePng(f.folder() / "gfx/items/a.png", picture, error)) << error;
    f.folder().write("txt/en/shop.txt", "Owl\nGlows.\nPurse\nCoins.\n");
    const std::string file =
        "shopItems {\n\ti = 8\n"
        + entry(1, 9, "hint", "gfx/items/a.png", 3500, 1, 2)         // kept, power upper-cased
        + entry(2, 9, "UNDO-1", "gfx/items/a.png", 100, 1, 2)        // the same id again
        + entry(3, 4, "FLY", "gfx/items/a.png", 100, 1, 2)           // a power unknown
        + entry(4, 5, "LICZNIK", "", 100, 1, 2)                      // no picture named
        + entry(5, 6, "SHOW-CARD", "gfx/items/a.png", 100, 3, 9)     // no line 9
        + entry(6, 0, "UNDO-2", "gfx/items/a.png", 100, 1, 2)        // no id
        + entry(7, 3, "KASA+5", "gfx/items/missing.png", 5000, 3, 4) // kept, draws nothing
        + entry(8, 7, "CARD", "gfx/items/a.png", -5, 1, 2)           // a price below nothing
        + "}\n";
    f.folder().write("data/shop.dat", file);
    f.reports.clear();
    loadShopItems("data/shop.dat", "txt/#LANG#/shop.txt");
    EXPECT_FALSE(f.reported({"missing.png"})); // pictures come when the shop is first opened
    loadShopPictures("data/shop.dat");

    ASSERT_EQ(shopItems().size(), 2u);
    const TShopItem& owl = shopItems()[0];
    EXPECT_EQ(owl.id, 9);
    EXPECT_EQ(owl.pwrID, "HINT");
    EXPECT_EQ(owl.cena, 3500);
    EXPECT_EQ(owl.title, "Owl");
    EXPECT_EQ(owl.opis, "Glows.");
    EXPECT_EQ(owl.img.width(), 64);
    EXPECT_FLOAT_EQ(owl.img.handleX(), 32);
    const TShopItem& purse = shopItems()[1];
    EXPECT_EQ(purse.id, 3);
    EXPECT_EQ(purse.title, "Purse");
    EXPECT_TRUE(purse.img.empty());
    EXPECT_EQ(findShopItem(3), &purse);
    EXPECT_EQ(findShopItem(4), nullptr);

    for (const char* bad : {"item2", "item3", "item4", "item5", "item6", "item8"})
        EXPECT_TRUE(f.reported({"data/shop.dat", bad, "left out"})) << bad;
    EXPECT_TRUE(f.reported({"data/shop.dat", "item 3", "missing.png"}));
    EXPECT_FALSE(f.reported({"item1 "}));
}

TEST(ShopCatalogue, AMissingFileLeavesAnEmptyShopAndSaysSo)
{
    CardFixture f;
    f.reports.clear();
    loadShopItems("data/none.dat", "txt/#LANG#/none.txt");
    EXPECT_TRUE(shopItems().empty());
    EXPECT_TRUE(f.reported({"data/none.dat"}));
    EXPECT_EQ(findShopItem(1), nullptr);
}

TEST(ShopCatalogue, KnowsEveryPowerTheGameActsOn)
{
    for (const char* power : {"CARD", "UNDO-1", "UNDO-2", "MULTI-START", "MAX-MULTI-7", "KASA+5", "LICZNIK",
                              "SHOW-CARD", "HINT", "ODKRYCIE-10", "ODKRYCIE-20", "DECK-CARDS"})
        EXPECT_TRUE(knownShopPower(power)) << power;
    for (const char* power : {"", "hint", "UNDO-3", "KASA"})
        EXPECT_FALSE(knownShopPower(power)) << power;
}
} // namespace
