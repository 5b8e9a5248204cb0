// TCardData.hpp: a card identity read from data/cards.dat.
#pragma once

#include "media/Picture.hpp"

#include <string>

// One identity; table cards, the deck, the spot and flights point at it. The program-wide card
// lists own every identity for the whole run.
class TCardData
{
public:
    // The hammer picture is twice card size: it is drawn at half the current scale.
    void checkSpecScale() const;
    // Draws the picture centred at (x, y) with the current drawing state and, when `ice` is
    // set, frame `iceFrame` of the ice overlay over it.
    void draw(float x, float y, int ice, float iceFrame) const;
    // The hammer that unlocks the rocks.
    bool isSpecCard() const { return id == 105; }
    // A wild card: the sword of rank r has the id r + 200.
    bool isSword() const { return id >= 202 && id <= 214; }
    bool isMagic() const { return id > 300; }

    int id = 0;
    media::Picture img; // the sheet the picture is on (empty when the sheet is missing)
    int frame = 0;
    std::string nazwa; // "A", "K", "Q", "J" or a number
    int kolor = 0;     // suit
    int seqN = 0;      // rank in sequences: the ace counts 14
    int newMagicCard = 0;
    int notFound = 1;
};

// The rank a card name stands for: "A" 14, "K" 13, "Q" 12, "J" 11, else the number it holds
// (0 for anything else, a lower-case "a" included).
int rankOfName(const std::string& nazwa);
