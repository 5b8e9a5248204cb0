// TLevel.hpp: one playable layout: table cards, deck and spot, read from and written to a
// level file, and prepared for play.
#pragma once

#include "cards/TCard.hpp"
#include "cards/TResource.hpp"
#include "gui/TDim.hpp"
#include "levels/DealOptions.hpp"
#include "media/Display.hpp"

#include <memory>
#include <string>
#include <vector>

class TBackground;
class TCardData;
class TRCMFile;

class TLevel
{
public:
    using CardList = std::vector<TCard*>;

    TLevel() = default;
    TLevel(const TLevel&) = delete;
    TLevel& operator=(const TLevel&) = delete;

    void addListToDeck(const std::vector<TCardData*>& list);
    // Gives the magic identity to one random candidate card (nothing without candidates).
    void addMagicCard(TCardData* magic);
    // Prepares a loaded level for play (shuffle, magic cards, swords: 1 or 0 each).
    void init(int shuffle, int magic, int swords);
    void init_COLUMNS();
    // Gives each column card its resource: the file's, in order, then (when resource kinds
    // are defined) a random kind worth 10.
    void init_RESOURCES(int resourceTypes);
    int COUNT_magicCards() const;
    // Places the deck holder (a picture of `holder`'s size) around the deck point.
    void COUNT_deckHolder(media::Size holder = {450, 170});
    TDim COUNT_firstDeckCardDim() const;
    TDim COUNT_spotDim() const;
    int COUNT_level_value() const { return 10 * allColumns + 3 * allCardsCount; }
    void setRewers(int n);
    TCard* getCardByIndex(int i) const;
    CardList getAvailableForFORCECards() const;
    CardList getAllCardsList() const;
    CardList getAllAvailableForMagicCardsList() const;
    CardList getAllAvailableForSwordsCardsList() const;
    static int listHaveThatCard(const CardList& list, const TCard& card);
    CardList getAllAvailableToForceCards() const;
    CardList getRandomCards(int n) const;
    static CardList getRandomCardsFromList(int n, CardList list);
    // Marks that share of the cards to show face up even while covered.
    void forceSide(float fraction);
    void CHECK_found_magicCards();
    void CHECK_magicCards();
    int CHECK_card_column(const TCard& card) const;
    // The ice line: the largest x of a card with ice, or 1500 (right of every card) when no card
    // has ice; cards right of it without rocks or ice are snowed in.
    void CHECK_WaterX();
    void SHUFFLE_CARDS();
    void SHUFFLE_SWORDS();
    void SHUFFLE_DECK(int shuffle);
    void _saveLevelStandards(TRCMFile& file) const;
    void _saveLevelOdblokowania(TRCMFile& file) const;
    void _saveLevelCards(TRCMFile& file) const;
    void _saveLevelDeck(TRCMFile& file) const;
    void _saveLevelSpot(TRCMFile& file) const;
    // Writes the level file; false (with a console line naming it) when it cannot.
    bool _save(const std::string& path) const;
    void _loadLevelStandards(const TRCMFile& file);
    void _loadLevelCards(const TRCMFile& file);
    void _loadLevelDeck(const TRCMFile& file);
    void _loadLevelSpot(const TRCMFile& file);
    void _loadLevelOdblokowania(const TRCMFile& file);
    void _loadLevelResources(const TRCMFile& file);
    void _load(const std::string& path, int shuffle, int magic, int swords, const DealOptions& options);

    // A card leaves the table (played, picked up, flown off): out of `cards`, but kept alive
    // until whatever carries it lets it go.
    std::shared_ptr<TCard> takeOffTable(TCard& card);
    // Adds a card on top of the table.
    TCard& addCard(std::shared_ptr<TCard> card);

    int id = 0;
    TBackground* background = nullptr;
    int backGroundId = 0;
    float deckX = 512;
    float deckY = 705;
    int numerRewersu = 0;
    float score = 0;
    int allCardsCount = 0;
    int allColumns = 0;
    int utrudnienie1Odblokowane = 0; // rocks unlocked
    int utrudnienie2Odblokowane = 0;
    int jestRocks = 0;
    int jestIce = 0;
    int jestWildCards = 0;
    int jestMagic = 0;
    int longestDrive = 0;
    std::vector<std::shared_ptr<TCard>> cards; // stacking order: later lies on earlier
    std::vector<TCardData*> deck;              // first drawn first
    std::vector<TCardData*> spot;
    CardList columns;
    std::vector<TResource> resources;
    int soundID = 0;
    float deckHolderX = 0;
    float deckHolderY = 0;
    float deckSpotX = 0;
    float deckSpotY = 0;
    int driveN = 0;
    float driveMN = 1;
    int swordsN = 0;
    int newRecord = 0;
    // The coins this deal has credited to the player so far (a level left for the title screen
    // and taken up again pays only what its total has grown by since).
    int credited = 0;
    // The ice line (see CHECK_WaterX); 0 until it is known.
    float pomWaterX = 0;
    // What the player brought to this level's deal.
    DealOptions dealOptions;

    // The file the level was read from, for messages.
    std::string path;
};
