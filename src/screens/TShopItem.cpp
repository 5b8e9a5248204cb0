// TShopItem.cpp
#include "screens/TShopItem.hpp"

#include <cstdlib>

std::string TShopItem::getCashTxt(long long n)
{
    // The digits of the size, then the sign in front: a minus is no digit to group.
    const unsigned long long size =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    const std::string digits = std::to_string(size);
    std::string text;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0)
            text += ',';
        text += digits[k];
    }
    return n < 0 ? "-" + text : text;
}
