// ShopItems.hpp: the shop's catalogue, read once from data/shopItems.dat with its texts.
#pragma once

#include "screens/TShopItem.hpp"

#include <string>
#include <vector>

// The catalogue in file order, which is the shop's grid order (the program's list, empty until
// loadShopItems).
std::vector<TShopItem>& shopItems();
// Reads the catalogue into the program's list. An entry with no picture named, a power the game
// does not know, an id that is not a new number from 1 up, a price below nothing, or a title or
// description line the text table does not have is reported naming the file and left out.
void loadShopItems(const std::string& path = "data/shopItems.dat",
                   const std::string& textPath = "txt/#LANG#/shopItems.txt");
// The items' pictures, loaded when the shop is first set up. A picture that is not there is
// reported with the catalogue's file and its item kept: it draws nothing.
void loadShopPictures(const std::string& path = "data/shopItems.dat");
// The catalogue item with that id, or none (none too while no program is in place).
const TShopItem* findShopItem(int id);
// Whether the game gives `pwrID` (upper case) an effect.
bool knownShopPower(const std::string& pwrID);
