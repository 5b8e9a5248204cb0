// The shop: which of buy and sell may be pressed, what buying and selling do to the coins, the
// items and the rack (and what they must not do), the grid's cells and the coin texts.
#include "screens/TSklep.hpp"

#include "cards/Swords.hpp"
#include "cards/TSwordData.hpp"
#include "screens/ShopItems.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{
using testing_support::CardFixture;

// A catalogue of four: the sword, two aids and a dear one.
class ShopFixture : public ::testing::Test
{
protected:
    ShopFixture()
    {
        f.defineAllSwords();
        shopItems() = {item(1, "CARD", 2000), item(2, "UNDO-1", 2500), item(9, "HINT", 3500),
                       item(4, "MAX-MULTI-7", 9000)};
        profile().score = 0;
        profile().items.clear();
        profile().swords.clear();
    }

    static TShopItem item(int id, const std::string& power, int price)
    {
        TShopItem i(id, power);
        i.cena = price;
        return i;
    }

    // Item k of the catalogue picked, as a click on it does.
    TSklep& pickedShop(int k)
    {
        shop.pick(k);
        return shop;
    }

    void holdEverySword()
    {
        for (const TSwordData& d : swordDefinitions())
            profile().swords.push_back(*newSwordById(d.id));
    }

    CardFixture f;
    TSklep shop;
};

struct ButtonCase
{
    const char* what;
    int picked; // catalogue index, -1 for none
    int coins;
    bool ownsHint;
    bool everySword;
    TSklep::Buttons expected;
};

void PrintTo(const ButtonCase& c, std::ostream* os)
{
    *os << c.what;
}

class ShopButtons : public ShopFixture, public ::testing::WithParamInterface<ButtonCase>
{};

TEST_P(ShopButtons, FollowWhatIsPickedOwnedAndAffordable)
{
    const ButtonCase& c = GetParam();
    profile().score = c.coins;
    if (c.ownsHint)
        profile().items.push_back(*findShopItem(9));
    if (c.everySword)
        holdEverySword();
    const TShopItem* picked = c.picked >= 0 ? &shopItems()[static_cast<std::size_t>(c.picked)] : nullptr;
    const TSklep::Buttons b = TSklep::buttonsFor(picked, profile());
    EXPECT_EQ(b.buy, c.expected.buy);
    EXPECT_EQ(b.sell, c.expected.sell);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShopButtons,
    ::testing::Values(ButtonCase{"nothing picked", -1, 100000, true, false, {false, false}},
                      ButtonCase{"owned, rich", 2, 100000, true, false, {false, true}},
                      ButtonCase{"owned, poor", 2, 0, true, false, {false, true}},
                      ButtonCase{"not owned, exactly affordable", 2, 3500, false, false, {true, false}},
                      ButtonCase{"not owned, one coin short", 2, 3499, false, false, {false, false}},
                      ButtonCase{"sword, affordable, ranks missing", 0, 2000, false, false, {true, false}},
                      ButtonCase{
                          "sword, affordable, every rank held", 0, 100000, false, true, {false, false}},
                      ButtonCase{"sword, too dear", 0, 1999, false, false, {false, false}}));

TEST_F(ShopFixture, BuyingThenSellingAnAidLeavesTheCoinsAsTheyWere)
{
    profile().score = 5000;
    pickedShop(1).goBuy();
    EXPECT_EQ(profile().score, 2500);
    ASSERT_NE(profile().getMyItem("UNDO-1"), nullptr);
    EXPECT_EQ(profile().getMyItem("UNDO-1")->id, 2);
    shop.goSell();
    EXPECT_EQ(profile().score, 5000);
    EXPECT_TRUE(profile().items.empty());
}

// A buy or a sale the buttons would not allow (fired by a key, or in the frame the state
// changed) changes nothing.
TEST_F(ShopFixture, ABuyOrSaleThatIsNotAllowedChangesNothing)
{
    struct Case
    {
        const char* what;
        int picked;
        int coins;
        bool ownsHint;
        bool sell;
    };
    for (const Case& c :
         {Case{"buy, too dear", 2, 3000, false, false}, Case{"buy, owned", 2, 9000, true, false},
          Case{"buy, nothing picked", -1, 9000, false, false}, Case{"sell, not owned", 2, 0, false, true},
          Case{"sell, the sword", 0, 0, false, true}}) {
        profile().score = c.coins;
        profile().items.clear();
        if (c.ownsHint)
            profile().items.push_back(*findShopItem(9));
        const std::vector<TShopItem> before = profile().items;
        pickedShop(c.picked);
        if (c.sell)
            shop.goSell();
        else
            shop.goBuy();
        EXPECT_EQ(profile().score, c.coins) << c.what;
        EXPECT_EQ(profile().items, before) << c.what;
        EXPECT_TRUE(profile().swords.empty()) << c.what;
    }
}

TEST_F(ShopFixture, TheSwordSellsUntilEveryRankIsHeldThenShowsItsTick)
{
    profile().score = 100000;
    pickedShop(0);
    std::set<int> ranks;
    for (int n = 1; n <= 13; ++n) {
        ASSERT_TRUE(TSklep::buttonsFor(shop.picked(), profile()).buy) << n;
        shop.goBuy();
        ASSERT_EQ(profile().swords.size(), static_cast<std::size_t>(n));
        for (const TSword& s : profile().swords)
            ranks.insert(s.sd->cd->seqN);
        EXPECT_EQ(ranks.size(), static_cast<std::size_t>(n)) << "a rank bought twice";
    }
    EXPECT_EQ(profile().score, 100000 - 13 * 2000);
    EXPECT_EQ(shop.allSwords(), 1);
    EXPECT_TRUE(profile().items.empty()); // the sword is never kept as an item
    // The rack is in rank order.
    for (std::size_t k = 1; k < profile().swords.size(); ++k)
        EXPECT_LT(profile().swords[k - 1].sd->cd->seqN, profile().swords[k].sd->cd->seqN);

    EXPECT_FALSE(TSklep::buttonsFor(shop.picked(), profile()).buy);
    shop.goBuy();
    EXPECT_EQ(profile().swords.size(), 13u);
    EXPECT_EQ(profile().score, 100000 - 13 * 2000);
}

TEST(ShopCash, GroupsThreeDigitsWithCommasAndKeepsTheSign)
{
    const std::vector<std::pair<long long, std::string>> cases = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1,000"},
        {1234, "1,234"},
        {123456, "123,456"},
        {1234567, "1,234,567"},
        {-1234, "-1,234"},
        {-123, "-123"},
        {-1000000, "-1,000,000"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(TShopItem::getCashTxt(n), text) << n;
}

TEST_F(ShopFixture, ItemsSitFourToARowAndTheFifthBeginsTheSecond)
{
    const std::vector<std::tuple<int, float, float>> cells = {
        {0, 250, 210}, {3, 700, 210}, {4, 250, 360}, {8, 250, 510}, {11, 700, 510}};
    for (const auto& [k, x, y] : cells) {
        EXPECT_FLOAT_EQ(TSklep::cellX(k), x) << k;
        EXPECT_FLOAT_EQ(TSklep::cellY(k), y) << k;
    }
    // A fifth item answers the pointer at (250, 360); pictures missing here, each item still
    // answers over a 96-pixel cell.
    shopItems().push_back(item(5, "KASA+5", 5000));
    EXPECT_EQ(shop.itemAt(250, 360), 4);
    EXPECT_EQ(shop.itemAt(250 + 47, 360 + 47), 4);
    EXPECT_EQ(shop.itemAt(250 + 48, 360), -1);
    EXPECT_EQ(shop.itemAt(700, 210), 3);
    EXPECT_EQ(shop.itemAt(550, 360), -1); // no sixth item
}

TEST_F(ShopFixture, ItemsBeyondThePanelsThreeRowsAreLeftOutAndToldOnce)
{
    shopItems().clear();
    for (int id = 1; id <= 14; ++id)
        shopItems().push_back(item(id, "HINT", 100));
    EXPECT_EQ(shop.shownCount(), 12);
    EXPECT_EQ(shop.itemAt(700, 510), 11);
    EXPECT_EQ(shop.itemAt(250, 660), -1); // the thirteenth would lie over the panel's foot
    f.reports.clear();
    shop.prepare(nullptr);
    shop.prepare(nullptr);
    int told = 0;
    for (const std::string& line : f.reports)
        told += line.find("data/shopItems.dat") != std::string::npos && line.find("14") != std::string::npos;
    EXPECT_EQ(told, 1);
}

TEST_F(ShopFixture, OpeningForgetsThePickAndNotesTheMissingRanks)
{
    profile().swords.push_back(*newSwordById(205));
    shop.pick(2);
    shop.state = TSklep::State::End;
    shop.prepare(nullptr);
    EXPECT_EQ(shop.picked(), nullptr);
    EXPECT_EQ(shop.state, TSklep::State::Start);
    EXPECT_EQ(shop.actSwordsList.size(), 12u);
    EXPECT_EQ(shop.fade, 0);
    EXPECT_EQ(shop.dFade, 1);
    EXPECT_EQ(shop.alpha, 0);
}
} // namespace
