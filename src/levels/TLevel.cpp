// TLevel.cpp
#include "levels/TLevel.hpp"

#include "cards/Cards.hpp"
#include "cards/ResourceTypes.hpp"
#include "cards/TCardData.hpp"
#include "data/DataFiles.hpp"
#include "levels/Levels.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"

#include <algorithm>
#include <cmath>
#include <set>

namespace
{
// Counts read from a file drive loops: keep them sane.
constexpr int maxEntries = 10000;

int rnd(int lo, int hi)
{
    return media::random().rand(lo, hi);
}

bool hasObstacle(const TCard& c)
{
    return c.utrudnienie1 || c.utrudnienie2 || c.utrudnienie3;
}

bool isNormal(const TCard& c)
{
    return c.cd && c.cd->id < 100;
}

float centreDistance(const TCard& a, const TCard& b)
{
    float dx = static_cast<float>(static_cast<int>(a.x) - static_cast<int>(b.x));
    float dy = static_cast<float>(static_cast<int>(a.y) - static_cast<int>(b.y));
    return std::sqrt(dx * dx + dy * dy);
}

// Whether the group or entry at a "::" path exists in the file.
bool hasKey(const TRCMFile& file, const std::string& path)
{
    std::vector<std::string> parts = TRCMFile::splitPath(path);
    const TRCMGroup* group = file.getGroup(parts);
    return group && group->getEntry(parts.back());
}
} // namespace

void TLevel::addListToDeck(const std::vector<TCardData*>& list)
{
    deck.insert(deck.end(), list.begin(), list.end());
}

void TLevel::addMagicCard(TCardData* magic)
{
    CardList candidates = getAllAvailableForMagicCardsList();
    if (candidates.empty() || !magic)
        return;
    candidates[static_cast<std::size_t>(rnd(0, static_cast<int>(candidates.size()) - 1))]->cd = magic;
}

void TLevel::init(int shuffle, int magic, int swords)
{
    if (backGroundId == 0)
        backGroundId = 1;
    // The level keeps its background by number; there is no scenery to look up.

    auto anyIceOrSnow = [&] {
        return std::any_of(cards.begin(), cards.end(),
                           [](const auto& c) { return c->utrudnienie2 || c->utrudnienie3; });
    };
    if (std::any_of(cards.begin(), cards.end(), [](const auto& c) { return isSpecialCard(*c); }))
        utrudnienie1Odblokowane = 0;
    if (anyIceOrSnow() && pomWaterX == 0)
        CHECK_WaterX();

    if (shuffle == 1) {
        SHUFFLE_CARDS();
        if (swords == 1)
            SHUFFLE_SWORDS();
        SHUFFLE_DECK(1);
        if (dealOptions.forcedShare > 0)
            forceSide(dealOptions.forcedShare);
        if (dealOptions.extraDeckCards) {
            for (int i = 0; i < 5; ++i) {
                if (TCardData* extra = randomNormalCard())
                    deck.push_back(extra);
            }
        }
        if (magic == 1)
            CHECK_magicCards();
    }
    if (allCardsCount == 0)
        allCardsCount = static_cast<int>(cards.size());
    COUNT_deckHolder();
    jestWildCards =
        std::any_of(cards.begin(), cards.end(), [](const auto& c) { return c->cd && c->cd->id >= 200; }) ? 1
                                                                                                         : 0;
    if (anyIceOrSnow() && pomWaterX == 0)
        CHECK_WaterX();
}

void TLevel::init_COLUMNS()
{
    columns.clear();
    for (const auto& card : cards) {
        if (CHECK_card_column(*card))
            columns.push_back(card.get());
    }
}

void TLevel::init_RESOURCES(int resourceTypes)
{
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (k < resources.size())
            columns[k]->res = std::make_unique<TResource>(resources[k]);
        else if (resourceTypes > 0)
            columns[k]->res = std::make_unique<TResource>(rnd(1, resourceTypes), 10);
    }
}

int TLevel::COUNT_magicCards() const
{
    return static_cast<int>(
        std::count_if(cards.begin(), cards.end(), [](const auto& c) { return isMagicCard(*c); }));
}

void TLevel::COUNT_deckHolder(media::Size holder)
{
    const float w = static_cast<float>(holder.width);
    const float h = static_cast<float>(holder.height);
    deckHolderX = deckX - w / 2;
    deckHolderY = deckY - h / 2;
    deckSpotX = deckHolderX + w - 82;
    deckSpotY = deckY + 10;
}

TDim TLevel::COUNT_firstDeckCardDim() const
{
    float step = 13;
    float x = deckHolderX + 85;
    for (std::size_t i = 0; i < deck.size(); ++i) {
        x += step;
        step = std::max(0.0f, step - 0.8f);
    }
    return createPoint(static_cast<float>(static_cast<int>(x)), static_cast<float>(static_cast<int>(deckY)));
}

TDim TLevel::COUNT_spotDim() const
{
    return createPoint(static_cast<float>(static_cast<int>(deckSpotX)),
                       static_cast<float>(static_cast<int>(deckY)));
}

void TLevel::setRewers(int n)
{
    numerRewersu = n;
    for (const auto& card : cards)
        card->numerRewersu = n;
}

TCard* TLevel::getCardByIndex(int i) const
{
    if (i < 0 || i >= static_cast<int>(cards.size()))
        return nullptr;
    return cards[static_cast<std::size_t>(i)].get();
}

TLevel::CardList TLevel::getAvailableForFORCECards() const
{
    CardList list;
    for (const auto& c : cards) {
        if (!hasObstacle(*c) && !isSpecialCard(*c))
            list.push_back(c.get());
    }
    return list;
}

TLevel::CardList TLevel::getAllCardsList() const
{
    CardList list;
    for (const auto& c : cards) {
        if (isNormal(*c) && !c->utrudnienie1 && !c->utrudnienie2)
            list.push_back(c.get());
    }
    return list;
}

TLevel::CardList TLevel::getAllAvailableForMagicCardsList() const
{
    CardList list;
    for (const auto& c : cards) {
        if (!isNormal(*c) || c->cd->seqN < 2 || c->cd->seqN > 14 || c->utrudnienie1 || c->utrudnienie2)
            continue;
        if (!listHaveThatCard(list, *c))
            list.push_back(c.get());
    }
    return list;
}

TLevel::CardList TLevel::getAllAvailableForSwordsCardsList() const
{
    const std::vector<int>& held = dealOptions.swordRanksHeld;
    CardList list;
    for (const auto& c : cards) {
        if (!isNormal(*c) || c->cd->seqN < 2 || c->cd->seqN > 14 || hasObstacle(*c))
            continue;
        if (std::find(held.begin(), held.end(), c->cd->seqN) != held.end())
            continue;
        if (!listHaveThatCard(list, *c))
            list.push_back(c.get());
    }
    return list;
}

int TLevel::listHaveThatCard(const CardList& list, const TCard& card)
{
    if (!card.cd)
        return 0;
    return std::any_of(list.begin(), list.end(),
                       [&](const TCard* c) { return c->cd && c->cd->seqN == card.cd->seqN; })
               ? 1
               : 0;
}

TLevel::CardList TLevel::getAllAvailableToForceCards() const
{
    CardList list;
    for (const auto& c : cards) {
        if (!hasObstacle(*c))
            list.push_back(c.get());
    }
    return list;
}

TLevel::CardList TLevel::getRandomCards(int n) const
{
    return getRandomCardsFromList(n, getAllAvailableToForceCards());
}

TLevel::CardList TLevel::getRandomCardsFromList(int n, CardList list)
{
    CardList drawn;
    while (n-- > 0 && !list.empty()) {
        auto at = list.begin() + rnd(0, static_cast<int>(list.size()) - 1);
        drawn.push_back(*at);
        list.erase(at);
    }
    return drawn;
}

void TLevel::forceSide(float fraction)
{
    if (std::any_of(cards.begin(), cards.end(), [](const auto& c) { return c->utrudnienie2; }))
        CHECK_WaterX();
    int n = static_cast<int>(static_cast<float>(cards.size()) * fraction);
    for (TCard* c : getRandomCardsFromList(n, getAvailableForFORCECards()))
        c->forceSide = 1;
}

void TLevel::CHECK_found_magicCards()
{
    for (const auto& c : cards) {
        if (!c->cd)
            continue;
        for (TCardData* magic : dealOptions.magicCardsFound) {
            if (magic->id == c->cd->id + 300) {
                c->cd = magic;
                break;
            }
        }
    }
}

void TLevel::CHECK_magicCards()
{
    if (!dealOptions.quest)
        return;
    CHECK_found_magicCards();
    const int ile = dealOptions.magicCardsToShow;
    const std::vector<TCardData*>& available = dealOptions.magicCardsAvailable;
    if (ile > 0) {
        for (int attempt = 0; attempt < 101 && !available.empty(); ++attempt) {
            addMagicCard(available[static_cast<std::size_t>(rnd(0, static_cast<int>(available.size()) - 1))]);
            if (COUNT_magicCards() >= ile)
                break;
        }
    }
    for (TCardData* waiting : dealOptions.magicCardsAwaiting)
        addMagicCard(waiting);
}

int TLevel::CHECK_card_column(const TCard& card) const
{
    for (const auto& below : cards) {
        if (below.get() == &card)
            return 1;
        if (centreDistance(card, *below) < 150 && cardsOverlap(card, *below))
            return 0;
    }
    return 1;
}

void TLevel::CHECK_WaterX()
{
    pomWaterX = 0;
    for (const auto& c : cards) {
        if (c->utrudnienie2 && c->x > pomWaterX)
            pomWaterX = c->x;
    }
    if (pomWaterX == 0)
        pomWaterX = 1500;
    for (const auto& c : cards) {
        if (c->x > pomWaterX && !c->utrudnienie1 && !c->utrudnienie2)
            c->utrudnienie3 = 1;
    }
}

void TLevel::SHUFFLE_CARDS()
{
    const int n = static_cast<int>(cards.size());
    for (int attempt = 0; attempt < 2 * n; ++attempt) {
        TCard& a = *cards[static_cast<std::size_t>(rnd(1, n) - 1)];
        TCard& b = *cards[static_cast<std::size_t>(rnd(1, n) - 1)];
        auto fixed = [](const TCard& c) { return c.cd && (c.cd->id == 104 || c.cd->id == 105); };
        if (fixed(a) || fixed(b))
            continue;
        std::swap(a.cd, b.cd);
    }
}

void TLevel::SHUFFLE_SWORDS()
{
    const int stage = dealOptions.stage;
    const int level = dealOptions.level;
    if (stage == 1 && level < 2)
        return;
    const bool secondLevel = stage == 1 && level == 2;
    if (!secondLevel && rnd(0, 10) > 8)
        return;
    swordsN = 0;
    int n = rnd(0, 2);
    if (n == 2 && rnd(0, 1) != 0)
        n = 1;
    if (secondLevel)
        n = 1;
    CardList candidates = getAllAvailableForSwordsCardsList();
    for (int i = 0; i < n && !candidates.empty(); ++i) {
        auto at = candidates.begin() + rnd(0, static_cast<int>(candidates.size()) - 1);
        (*at)->changeToSword();
        candidates.erase(at);
        ++swordsN;
    }
}

void TLevel::SHUFFLE_DECK(int shuffle)
{
    if (shuffle != 1)
        return;
    std::vector<TCardData*> remaining = deck;
    deck.clear();
    while (!remaining.empty()) {
        auto at = remaining.begin() + rnd(0, static_cast<int>(remaining.size()) - 1);
        deck.push_back(*at);
        remaining.erase(at);
    }
}

void TLevel::_saveLevelStandards(TRCMFile& file) const
{
    file.setFloat("level::data::deckDim", deckX, 0);
    file.setFloat("level::data::deckDim", deckY, 1);
    file.setFloat("level::data::numerRewersu", numerRewersu);
    // Without a scenery object the level keeps the background number it was given.
    file.setFloat("level::data::background", backGroundId);
    file.setFloat("level::data::score", score);
    file.setFloat("level::data::soundId", soundID);
    file.setFloat("level::data::driveN", driveN);
    // The multiplier grows in tenths: written as a tenth, not as float noise.
    file.setFloat("level::data::driveMN", std::round(driveMN * 10.0) / 10.0);
    file.setFloat("level::data::allCardsCount", allCardsCount);
    file.setFloat("level::data::allColumnsCount", allColumns);
    file.setFloat("level::data::newRecord", newRecord);
    file.setFloat("level::data::pomWaterX", pomWaterX);
    file.setFloat("level::data::longestDrive", longestDrive);
    file.setFloat("level::data::credited", credited);
}

void TLevel::_saveLevelOdblokowania(TRCMFile& file) const
{
    file.setFloat("level::specs::utrudnienie1", utrudnienie1Odblokowane);
    file.setFloat("level::specs::utrudnienie2", utrudnienie2Odblokowane);
}

void TLevel::_saveLevelCards(TRCMFile& file) const
{
    file.setFloat("level::cards::i", static_cast<double>(cards.size()));
    int k = 0;
    for (const auto& c : cards) {
        std::string key = "level::cards::card" + std::to_string(++k) + "::";
        file.setFloat(key + "id", c->cd ? c->cd->id : 0);
        file.setFloat(key + "dim", c->x, 0);
        file.setFloat(key + "forceSide", c->forceSide);
        file.setFloat(key + "dim", c->y, 1);
        file.setFloat(key + "utrudnienie1", c->utrudnienie1);
        file.setFloat(key + "utrudnienie2", c->utrudnienie2);
        file.setFloat(key + "utrudnienie3", c->utrudnienie3);
    }
}

void TLevel::_saveLevelDeck(TRCMFile& file) const
{
    file.setFloat("level::deck::i", static_cast<double>(deck.size()));
    for (std::size_t k = 0; k < deck.size(); ++k)
        file.setFloat("level::deck::deckCard" + std::to_string(k + 1), deck[k]->id);
}

void TLevel::_saveLevelSpot(TRCMFile& file) const
{
    file.setFloat("level::spot::i", static_cast<double>(spot.size()));
    for (std::size_t k = 0; k < spot.size(); ++k)
        file.setFloat("level::spot::spotCard" + std::to_string(k + 1), spot[k]->id);
}

bool TLevel::_save(const std::string& target) const
{
    TRCMFile file = newDataFile();
    _saveLevelStandards(file);
    _saveLevelOdblokowania(file);
    _saveLevelDeck(file);
    _saveLevelCards(file);
    _saveLevelSpot(file);
    return file.save(target);
}

void TLevel::_loadLevelStandards(const TRCMFile& file)
{
    numerRewersu = file.getInt("level::data::numerRewersu");
    backGroundId = file.getInt("level::data::background");
    score = static_cast<float>(file.getFloat("level::data::score"));
    soundID = file.getInt("level::data::soundID");
    driveN = file.getInt("level::data::driveN");
    driveMN = std::max(1.0f, static_cast<float>(file.getFloat("level::data::driveMN")));
    allCardsCount = file.getInt("level::data::allCardsCount");
    allColumns = file.getInt("level::data::allColumnsCount");
    newRecord = file.getInt("level::data::newRecord");
    pomWaterX = static_cast<float>(file.getFloat("level::data::pomWaterX"));
    longestDrive = file.getInt("level::data::longestDrive");
    credited = file.getInt("level::data::credited");
    // The deck holder always stands here, whatever the file says.
    deckX = 460;
    deckY = 685;
}

void TLevel::_loadLevelCards(const TRCMFile& file)
{
    cards.clear();
    const int count = file.getInt("level::cards::i");
    if (count > maxEntries)
        media::report(path, "reads only the first " + std::to_string(maxEntries) + " of its "
                                + std::to_string(count) + " cards");
    for (int k = 1; k <= std::min(count, maxEntries); ++k) {
        std::string key = "level::cards::card" + std::to_string(k) + "::";
        if (!hasKey(file, key + "id") || !hasKey(file, key + "dim")) {
            media::report(path, "card" + std::to_string(k) + " has no id or no dim: left out");
            continue;
        }
        int identity = file.getInt(key + "id");
        TCardData* data = cardDataById(identity);
        if (!data) {
            media::report(path, "card" + std::to_string(k) + " names card identity "
                                    + std::to_string(identity) + ", which does not exist: left out");
            continue;
        }
        auto card = std::make_unique<TCard>();
        card->cd = data;
        card->x = static_cast<float>(file.getFloat(key + "dim", 0));
        card->y = static_cast<float>(file.getFloat(key + "dim", 1));
        card->forceSide = file.getInt(key + "forceSide") ? 1 : 0;
        card->utrudnienie1 = file.getInt(key + "utrudnienie1") ? 1 : 0;
        card->utrudnienie2 = file.getInt(key + "utrudnienie2") ? 1 : 0;
        card->utrudnienie3 = file.getInt(key + "utrudnienie3") ? 1 : 0;
        card->numerRewersu = numerRewersu;
        if (card->utrudnienie1)
            jestRocks = 1;
        if (card->utrudnienie2)
            jestIce = 1;
        addCard(std::move(card));
    }
}

namespace
{
// A list of identities ("level::deck::deckCard<k>" and friends), skipping what does not exist.
std::vector<TCardData*> readIdentities(const TRCMFile& file, const std::string& group,
                                       const std::string& entry, const std::string& path)
{
    std::vector<TCardData*> list;
    const int count = std::min(file.getInt(group + "::i"), maxEntries);
    for (int k = 1; k <= count; ++k) {
        std::string key = group + "::" + entry + std::to_string(k);
        int identity = file.getInt(key);
        TCardData* data = hasKey(file, key) ? cardDataById(identity) : nullptr;
        if (!data) {
            media::report(path, entry + std::to_string(k) + " names card identity " + std::to_string(identity)
                                    + ", which does not exist: left out");
            continue;
        }
        list.push_back(data);
    }
    return list;
}
} // namespace

void TLevel::_loadLevelDeck(const TRCMFile& file)
{
    deck = readIdentities(file, "level::deck", "deckCard", path);
}

void TLevel::_loadLevelSpot(const TRCMFile& file)
{
    spot = readIdentities(file, "level::spot", "spotCard", path);
}

void TLevel::_loadLevelOdblokowania(const TRCMFile& file)
{
    utrudnienie1Odblokowane = file.getInt("level::specs::utrudnienie1") ? 1 : 0;
    utrudnienie2Odblokowane = file.getInt("level::specs::utrudnienie2") ? 1 : 0;
}

void TLevel::_loadLevelResources(const TRCMFile& file)
{
    resources.clear();
    const int count = std::min(file.getInt("level::resources::i"), maxEntries);
    for (int k = 1; k <= count; ++k) {
        std::string key = "level::resources::res" + std::to_string(k) + "::";
        const TResource& resource =
            resources.emplace_back(file.getInt(key + "id"), file.getInt(key + "ammount"));
        if (!resource.rd)
            media::report(path, "res" + std::to_string(k) + " is of resource type "
                                    + std::to_string(resource.id)
                                    + ", which data/resources.dat does not define: it keeps its "
                                    + std::to_string(resource.ammount) + " points and is not drawn");
    }
}

void TLevel::_load(const std::string& file, int shuffle, int magic, int swords, const DealOptions& options)
{
    path = file;
    dealOptions = options;
    TRCMFile data = loadDataFile(file);
    if (!data._grupa.getGroup("level") && media::fs::pathType(file) == media::fs::PathType::File)
        media::report(file, "holds no level (no \"level\" group)");
    _loadLevelStandards(data);
    _loadLevelDeck(data);
    _loadLevelCards(data);
    _loadLevelOdblokowania(data);
    _loadLevelResources(data);
    _loadLevelSpot(data);
    // A freshly dealt level finds its ice line from its ice cards; only a level in progress
    // keeps the line it was saved with.
    if (shuffle == 1)
        pomWaterX = 0;
    init(shuffle, magic, swords);
    init_COLUMNS();
    init_RESOURCES(dealOptions.resourceTypes);
    if (allColumns == 0)
        allColumns = static_cast<int>(columns.size());
}

std::shared_ptr<TCard> TLevel::takeOffTable(TCard& card)
{
    auto at = std::find_if(cards.begin(), cards.end(), [&](const auto& c) { return c.get() == &card; });
    if (at == cards.end())
        return nullptr;
    std::shared_ptr<TCard> taken = std::move(*at);
    cards.erase(at);
    columns.erase(std::remove(columns.begin(), columns.end(), &card), columns.end());
    return taken;
}

TCard& TLevel::addCard(std::shared_ptr<TCard> card)
{
    cards.push_back(std::move(card));
    return *cards.back();
}

std::unique_ptr<TLevel> loadLevelFile(const std::string& path, int shuffle, int magic, int swords,
                                      const DealOptions& options)
{
    auto level = std::make_unique<TLevel>();
    level->_load(path, shuffle, magic, swords, options);
    return level;
}

std::unique_ptr<TLevel> createEmptyLevel()
{
    auto level = std::make_unique<TLevel>();
    level->backGroundId = 1;
    level->addListToDeck(normalCardList());
    level->init(0, 0, 1);
    return level;
}
