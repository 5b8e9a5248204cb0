// Cards.cpp: the card identities and their pictures.
#include "cards/Cards.hpp"

#include "base/Program.hpp"
#include "cards/TCard.hpp"
#include "data/DataFiles.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"

#include <sstream>

namespace
{
constexpr const char* cardFile = "data/cards.dat";

media::Picture centred(media::Picture p)
{
    p.midHandle();
    return p;
}

void loadGraphics()
{
    media::PictureCache& pictures = media::pictures();
    const unsigned plain = media::defaultPictureFlags;
    const unsigned smooth = media::defaultPictureFlags | media::MipMapped;
    CardGraphics g;
    g.magicOutline[0] = centred(pictures.load("gfx/cards/magic-outline-1.png", plain));
    g.magicOutline[1] = centred(pictures.load("gfx/cards/magic-outline-2.png", plain));
    g.over = centred(pictures.load("gfx/cards/over.png", smooth));
    const char* backs[6] = {"revers-1", "revers-2", "revers-2", "revers-3", "revers-4", "revers-5"};
    for (int i = 0; i < 6; ++i)
        g.revers[i] = centred(pictures.load(std::string("gfx/cards/") + backs[i] + ".png", smooth));
    g.reversGold = centred(pictures.load("gfx/cards/revers-gold-1.png", smooth));
    g.snow = centred(pictures.load("gfx/cards/snow.png", plain));
    g.mask = centred(pictures.load("gfx/cards/mask.png", plain));
    g.ice = centred(pictures.loadStrip("gfx/cards/ice.png", 96, 140, 0, 9, smooth));
    g.rocks = centred(pictures.loadStrip("gfx/cards/card-rocks.png", 96, 140, 0, 9, smooth));
    g.klucz = centred(pictures.load("gfx/cards/card-klucz.png", smooth));
    if (g.mask.empty())
        media::report("gfx/cards/mask.png",
                      "the card mask is missing: no card can cover another, so every card counts as free");
    cardSet().graphics = g;
}

// "w h count" of a sheet entry; nothing when it does not hold three numbers.
bool readSheetCells(const std::string& text, int& w, int& h, int& count)
{
    std::istringstream in(text);
    return static_cast<bool>(in >> w >> h >> count);
}
} // namespace

CardSet& cardSet()
{
    base::Program& program = base::program();
    if (!program.cards)
        program.cards = std::make_unique<CardSet>();
    return *program.cards;
}

void loadCards()
{
    CardSet& set = cardSet();
    set = {};
    loadGraphics();

    TRCMFile file = loadDataFile(cardFile);
    media::Display& display = media::display();
    std::vector<media::Picture> sheets;
    const int sheetCount = std::clamp(file.getInt("cards::imgs"), 0, 10000);
    for (int k = 1; k <= sheetCount; ++k) {
        std::string key = "cards::img" + std::to_string(k);
        std::string path = file.getString(key, 0);
        int w = 0, h = 0, count = 0;
        bool cells = readSheetCells(file.getString(key, 1), w, h, count);
        media::Picture sheet;
        if (media::fs::pathType(path) == media::fs::PathType::Absent) {
            display.messageBox("Eldmere", "NO file: " + path + "  FILTYPE : "
                                              + std::to_string(static_cast<int>(media::fs::pathType(path))));
        } else if (!cells) {
            media::report(cardFile,
                          key + " needs \"width height count\", not \"" + file.getString(key, 1) + "\"");
        } else if (w > 0) {
            sheet = media::pictures().loadStrip(path, w, h, 0, count,
                                                media::defaultPictureFlags | media::MipMapped);
        } else {
            sheet = media::pictures().load(path, media::defaultPictureFlags | media::MipMapped);
        }
        sheets.push_back(centred(sheet));
    }

    const int count = std::clamp(file.getInt("cards::i"), 0, 10000);
    for (int c = 1; c <= count; ++c) {
        std::string group = "cards::c" + std::to_string(c) + "::";
        TCardData& card = set.identities.emplace_back();
        card.id = file.getInt(group + "id");
        int sheet = file.getInt(group + "img");
        if (sheet >= 1 && sheet <= static_cast<int>(sheets.size()))
            card.img = sheets[sheet - 1];
        else
            media::report(cardFile, "card c" + std::to_string(c) + " names sheet " + std::to_string(sheet)
                                        + ", which does not exist: it has no picture");
        card.frame = file.getInt(group + "frame");
        card.nazwa = file.getString(group + "nazwa");
        card.kolor = file.getInt(group + "kolor");
        card.seqN = rankOfName(card.nazwa);
        if (card.id > 100)
            set.specialCardData.push_back(&card);
        else
            set.normalCardData.push_back(&card);
        if (card.id > 300)
            set.magicCardData.push_back(&card);
    }
}

const CardGraphics& cardGraphics()
{
    return cardSet().graphics;
}

TCardData* cardDataById(int id)
{
    const CardSet& set = cardSet();
    for (TCardData* c : set.normalCardData) {
        if (c->id == id)
            return c;
    }
    for (TCardData* c : set.specialCardData) {
        if (c->id == id)
            return c;
    }
    return nullptr;
}

TCardData* cardDataByName(const std::string& name, int kolor)
{
    for (TCardData* c : cardSet().normalCardData) {
        if (c->kolor == kolor && media::text::equalsIgnoreCase(c->nazwa, name))
            return c;
    }
    return nullptr;
}

std::vector<TCardData*> normalCardList()
{
    std::vector<TCardData*> list;
    for (TCardData* c : cardSet().normalCardData) {
        if (c->id < 100)
            list.push_back(c);
    }
    return list;
}

TCardData* randomNormalCard()
{
    std::vector<TCardData*> list = normalCardList();
    if (list.empty())
        return nullptr;
    return list[static_cast<std::size_t>(media::random().rand(0, static_cast<int>(list.size()) - 1))];
}

std::vector<TCardData*> randomNormalCards(int n)
{
    std::vector<TCardData*> list;
    for (int i = 0; i < n; ++i) {
        if (TCardData* c = randomNormalCard())
            list.push_back(c);
    }
    return list;
}

bool cardsOverlap(const TCard& a, const TCard& b)
{
    const media::Picture& mask = cardGraphics().mask;
    media::MaskCell cell = mask.mask();
    if (cell.empty())
        return false;
    media::Placement pa;
    pa.x = static_cast<float>(static_cast<int>(a.x));
    pa.y = static_cast<float>(static_cast<int>(a.y));
    pa.handleX = mask.handleX();
    pa.handleY = mask.handleY();
    pa.rotation = a.rot;
    media::Placement pb = pa;
    pb.x = static_cast<float>(static_cast<int>(b.x));
    pb.y = static_cast<float>(static_cast<int>(b.y));
    pb.rotation = b.rot;
    return media::masksOverlap(cell, pa, cell, pb);
}
