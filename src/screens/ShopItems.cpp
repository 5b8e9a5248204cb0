// ShopItems.cpp
#include "screens/ShopItems.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "data/TextTables.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

std::vector<TShopItem>& shopItems()
{
    return base::program().shopItems.orMake();
}

bool knownShopPower(const std::string& pwrID)
{
    static constexpr std::array<std::string_view, 12> powers = {
        "CARD",    "UNDO-1",    "UNDO-2", "MULTI-START", "MAX-MULTI-7", "KASA+5",
        "LICZNIK", "SHOW-CARD", "HINT",   "ODKRYCIE-10", "ODKRYCIE-20", "DECK-CARDS"};
    return std::find(powers.begin(), powers.end(), pwrID) != powers.end();
}

const TShopItem* findShopItem(int id)
{
    if (!base::hasProgram() || !base::program().shopItems)
        return nullptr;
    for (const TShopItem& item : *base::program().shopItems) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

void loadShopItems(const std::string& path, const std::string& textPath)
{
    std::vector<TShopItem>& items = shopItems();
    items.clear();
    const TRCMFile file = loadDataFile(path);
    const TTxtFile texts = loadTextTable(textPath);
    const int count = std::clamp(file.getInt("shopItems::i"), 0, 10000);
    auto line = [&](int n) -> std::optional<std::string> {
        if (n < 1 || n > texts.lines())
            return std::nullopt;
        std::string text = getText(texts, n);
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        return text;
    };
    for (int k = 1; k <= count; ++k) {
        const std::string entry = "item" + std::to_string(k);
        const std::string key = "shopItems::" + entry + "::";
        auto skip = [&](const std::string& why) {
            media::report(path, entry + " " + why + ": it is left out");
        };
        TShopItem item;
        item.id = file.getInt(key + "id");
        item.pwrID = media::text::toUpper(file.getString(key + "pwrId"));
        item.cena = file.getInt(key + "cena");
        const std::string picture = file.getString(key + "img");
        const int titleLine = file.getInt(key + "title");
        const int opisLine = file.getInt(key + "opis");
        if (item.id < 1 || findShopItem(item.id)) {
            skip("has id " + std::to_string(item.id) + ", which is not a new number from 1 up");
            continue;
        }
        if (!knownShopPower(item.pwrID)) {
            skip("has the power \"" + item.pwrID + "\", which the game does not know");
            continue;
        }
        if (picture.empty()) {
            skip("names no picture");
            continue;
        }
        if (item.cena < 0) {
            skip("has a price below nothing (" + std::to_string(item.cena) + ")");
            continue;
        }
        const std::optional<std::string> title = line(titleLine);
        const std::optional<std::string> opis = line(opisLine);
        if (!title || !opis) {
            skip("names line " + std::to_string(title ? opisLine : titleLine) + " of "
                 + textTablePath(textPath) + ", which has " + std::to_string(texts.lines()) + " lines");
            continue;
        }
        item.title = *title;
        item.opis = *opis;
        item.imgPath = picture;
        items.push_back(std::move(item));
    }
    if (items.empty())
        media::report(path, "holds no shop items: the shop is empty");
}

void loadShopPictures(const std::string& path)
{
    for (TShopItem& item : shopItems()) {
        item.img = media::pictures().load(item.imgPath);
        item.img.midHandle();
        if (item.img.empty())
            media::report(path, "item " + std::to_string(item.id) + " shows " + item.imgPath
                                    + ", which cannot be loaded: it draws nothing");
    }
}
