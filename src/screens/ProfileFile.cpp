// ProfileFile.cpp: writing and reading a player's profile.
#include "screens/ProfileFile.hpp"

#include "base/Program.hpp"
#include "cards/Cards.hpp"
#include "cards/Swords.hpp"
#include "cards/TCardData.hpp"
#include "cards/TSwordData.hpp"
#include "data/DataFiles.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevelManager.hpp"
#include "media/FileSystem.hpp"
#include "media/Report.hpp"
#include "screens/Awards.hpp"
#include "screens/ShopItems.hpp"
#include "screens/TProfile.hpp"

#include <algorithm>
#include <climits>
#include <cmath>

namespace profile_file
{
namespace
{
// The quest's stages and levels are the shipped level files; a quest never has more than this.
constexpr int questLimit = 999;

std::string number(int n)
{
    return std::to_string(n);
}

// All-time statistics: whole values with every digit, others as decimals.
void setStatistic(TRCMFile& file, const std::string& key, double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 9e15)
        file.setInt(key, static_cast<long long>(value));
    else
        file.setFloat(key, value);
}

// Number of stages of the quest's content (0 when it has none).
int questStages()
{
    return std::min(questLimit, TLevelManager::questStageCount());
}

int questLevels(int stage)
{
    return std::min(questLimit, TLevelManager::questLevelCount(stage));
}

// What reading one profile file needs as it goes: the file, and the damage found.
class Reader
{
public:
    Reader(const TRCMFile& file, FileDamage& damage) : file_(file), damage_(damage) {}

    // The number of records of `group` ("<group>::i"), bounded by the records the group holds:
    // a count beyond them is damage, and only the records present are read.
    int count(const std::string& group) const
    {
        const int stored = file_.getInt(group + "::i");
        const TRCMGroup* holder = file_.getGroup(TRCMFile::splitPath(group + "::i"));
        int present = 0;
        if (holder) {
            const std::size_t children = holder->_listaWpisow.size() + holder->_listaGrup.size();
            present = static_cast<int>(std::min<std::size_t>(children, INT_MAX));
            if (holder->getEntry("i"))
                --present;
        }
        if (stored < 0 || stored > present) {
            damage_.note(group + "::i is " + number(stored) + " but " + number(present)
                         + " records are there; reading those");
            return std::clamp(stored, 0, present);
        }
        return stored;
    }

    // The magic card with that id, or none (damage) when the cards define no such magic card.
    TCardData* magicCard(const std::string& key) const
    {
        const int id = file_.getInt(key);
        TCardData* card = cardDataById(id);
        if (card && card->isMagic())
            return card;
        damage_.note(key + " names no magic card (" + number(id) + "); left out");
        return nullptr;
    }

    // The positive id at `key`, or 0 (damage).
    int positiveId(const std::string& key) const
    {
        const int id = file_.getInt(key);
        if (id > 0)
            return id;
        damage_.note(key + " is no id (" + file_.getString(key) + "); left out");
        return 0;
    }

    void readStages(TProfile& p, int stagesInContent) const
    {
        const int n = count("profile::stages");
        for (int k = 1; k <= n; ++k) {
            const std::string g = "profile::stages::stage" + number(k) + "::";
            TStageData stage;
            stage.id = file_.getInt(g + "id");
            const int levelsInContent = stagesInContent > 0 ? questLevels(stage.id) : 0;
            if (stage.id < 1 || (stagesInContent > 0 && stage.id > stagesInContent)) {
                damage_.note(g + "id: stage " + number(stage.id)
                             + " is not in the quest; its record is left out");
                continue;
            }
            if (p.getStageData(stage.id)) {
                damage_.note(g + "id: a second record of stage " + number(stage.id) + "; left out");
                continue;
            }
            stage.passed = file_.getInt(g + "passed");
            stage.longestDrive = file_.getInt(g + "longestDrive");
            stage.highestMultiplier = static_cast<float>(file_.getFloat(g + "highestMultiplier"));
            stage.scores = file_.getInt(g + "scores");
            const int levels = count(g + "levels");
            for (int m = 1; m <= levels; ++m) {
                const std::string key = g + "levels::level" + number(m);
                TLevelData level;
                level.id = file_.getInt(key, 0);
                if (level.id < 1 || (levelsInContent > 0 && level.id > levelsInContent)
                    || stage.getLevelData(level.id)) {
                    damage_.note(key + ": level " + number(level.id) + " is not in stage " + number(stage.id)
                                 + " or is there twice; its record is left out");
                    continue;
                }
                level.passed = file_.getInt(key, 1);
                level.cardsLeft = file_.getInt(key, 2);
                level.multiplier = static_cast<float>(file_.getFloat(key, 3));
                level.longestDrive = file_.getInt(key, 4);
                level.scores = file_.getInt(key, 5);
                stage.levels.push_back(level);
            }
            p.stages.push_back(std::move(stage));
        }
    }

    void readSwords(TProfile& p) const
    {
        const int n = count("profile::swords");
        for (int k = 1; k <= n; ++k) {
            const std::string key = "profile::swords::sword" + number(k);
            const int id = file_.getInt(key);
            if (p.haveSword(id)) {
                damage_.note(key + ": sword " + number(id) + " is there twice; left out");
                continue;
            }
            std::optional<TSword> sword = swordDataById(id) ? newSwordById(id) : std::nullopt;
            if (!sword || !sword->sd || !sword->sd->cd || p.haveSwordBySeq(sword->sd->cd->seqN)) {
                damage_.note(key + " names no sword the game has, or a rank held already (" + number(id)
                             + "); left out");
                continue;
            }
            p.swords.push_back(*sword);
        }
        p.sortSwords();
    }

    void readCards(TProfile& p) const
    {
        const int found = file_.getInt("profile::foundMagicCards");
        int n = count("profile::magicCards");
        for (int k = 1; k <= n; ++k) {
            if (TCardData* card = magicCard("profile::magicCards::cards" + number(k)))
                p.addMagicCard(card);
        }
        // Restoring the collection finds nothing: the count of this level's finds stays as saved
        // (else it would grow by the collection's size at every start).
        p.foundMagicCardsN = found;
        n = count("profile::awaitingmagicCards");
        for (int k = 1; k <= n; ++k) {
            if (TCardData* card = magicCard("profile::awaitingmagicCards::cards" + number(k)))
                p.addAwaitingMagicCard(card);
        }
        n = count("profile::stageCards");
        for (int k = 1; k <= n; ++k) {
            if (TCardData* card = magicCard("profile::stageCards::c" + number(k)))
                p.stageCards.push_back(card);
        }
    }

    void readRecords(TProfile& p) const
    {
        int n = count("profile::items");
        for (int k = 1; k <= n; ++k) {
            // The file keeps only the ids: what an item does comes from the shop's catalogue.
            const std::string key = "profile::items::item" + number(k);
            const int id = positiveId(key);
            if (id <= 0 || p.getMyItem2(id))
                continue;
            if (const TShopItem* item = findShopItem(id))
                p.items.push_back(*item);
            else
                damage_.note(key + " names no item of the shop (" + number(id) + "); left out");
        }
        n = count("profile::tutorial");
        for (int k = 1; k <= n; ++k) {
            const std::string key = "profile::tutorial::tut" + number(k);
            std::string lesson = file_.getString(key);
            if (lesson.empty())
                damage_.note(key + " names no lesson; left out");
            else
                p.lekcjeTutoriala.push_back(std::move(lesson));
        }
        n = count("profile::awards");
        for (int k = 1; k <= n; ++k) {
            const std::string key = "profile::awards::aw" + number(k);
            const int id = file_.getInt(key);
            const TAward* award = findAward(id);
            if (!award || haveAward(p, id)) {
                damage_.note(key + " names no award the game has, or one held already (" + number(id)
                             + "); left out");
                continue;
            }
            p.awards.push_back(*award);
        }
    }

private:
    const TRCMFile& file_;
    FileDamage& damage_;
};

// The level in progress saved beside the profile; none when `stored` is 0, or when the file is
// missing or holds no table cards (a damaged one is moved aside).
std::shared_ptr<TLevel> readQuestLevel(const TProfile& p, const std::string& folder, bool stored)
{
    if (!stored)
        return nullptr;
    const std::string path = folder + "/questlevel.lvl";
    if (media::fs::pathType(path) != media::fs::PathType::File) {
        media::report(path, "the level in progress is missing; the quest goes on from the level's start");
        return nullptr;
    }
    std::shared_ptr<TLevel> level = loadLevelFile(path, 0, 1, 1, p.dealOptions());
    if (level && !level->cards.empty()) {
        // It is still that place's level of the quest, and its result line names it so.
        level->path = TLevelManager::questLevelPath(p.stageID, p.levelID);
        return level;
    }
    FileDamage damage{path, {"holds no table cards; the quest goes on from the level's start"}};
    damage.keepAside();
    return nullptr;
}
} // namespace

std::string profilesFolder()
{
    return base::program().userDataPath + "/Profiles";
}

std::string folderOf(const std::string& id)
{
    return profilesFolder() + "/" + id;
}

std::string dataPathOf(const std::string& id)
{
    return folderOf(id) + "/profile.dat";
}

std::string levelPathOf(const std::string& id)
{
    return folderOf(id) + "/questlevel.lvl";
}

std::string FileDamage::keepAside() const
{
    if (problems.empty())
        return {};
    for (const std::string& problem : problems)
        media::report(path, problem);
    std::string error;
    std::string aside = media::fs::moveAside(path, ".damaged", &error);
    if (aside.empty())
        media::report(path, "damaged, and it could not be kept aside: " + error);
    else
        media::report(path, "damaged: kept as " + aside + "; the game goes on with what could be read");
    return aside;
}

bool write(const TProfile& p)
{
    const std::string id = p.getMyID();
    if (id.empty()) {
        media::reportLine("A profile without a name cannot be saved");
        return false;
    }
    std::string error;
    if (!media::fs::createFolders(folderOf(id), &error)) {
        media::report(dataPathOf(id), "cannot save the profile: " + error);
        return false;
    }
    // The level first: the profile names it only once it is complete on disk. A level whose
    // table is cleared is over: there is nothing to resume.
    const bool inProgress = p.questLevel && !p.questLevel->cards.empty();
    const bool levelSaved = inProgress && p.questLevel->_save(levelPathOf(id));
    const bool saved = !inProgress || levelSaved;

    TRCMFile f = newDataFile();
    f.setString("profile::name", p.name);
    f.setInt("Profile::stageID", p.stageID);
    f.setInt("Profile::levelId", p.levelID);
    f.setInt("Profile::freeStageID", p.freeStageNumber);
    f.setInt("Profile::freeLevelID", p.freeLevelNumber);
    f.setInt("Profile::time", p.time);
    f.setInt("Profile::cardsLightUp", p.cardsLightUp);
    f.setString("profile::where", p.where);
    f.setInt("Profile::undos", p.undos);
    f.setString("profile::tryb", p.tryb);
    f.setInt("profile::foundMagicCards", p.foundMagicCardsN);
    f.setInt("Profile::questLevel", levelSaved ? 1 : 0);

    f.setInt("profile::stats::longestDrive", p.longestDrive);
    f.setFloat("profile::stats::multiplier", p.multiplier);
    f.setInt("profile::stats::score", p.score);
    setStatistic(f, "profile::stats::ALL_SCORES", p.ALL_SCORES);
    setStatistic(f, "profile::stats::ALL_LONGEST_DRIVE", p.ALL_LONGEST_DRIVE);
    setStatistic(f, "profile::stats::ALL_HIGHEST_MULTIPLIER", p.ALL_HIGHEST_MULTIPLIER);

    f.setInt("profile::stages::i", static_cast<long long>(p.stages.size()));
    for (std::size_t k = 0; k < p.stages.size(); ++k) {
        const TStageData& stage = p.stages[k];
        const std::string g = "profile::stages::stage" + std::to_string(k + 1) + "::";
        f.setInt(g + "id", stage.id);
        f.setInt(g + "passed", stage.passed);
        f.setInt(g + "longestDrive", stage.longestDrive);
        f.setFloat(g + "highestMultiplier", stage.highestMultiplier);
        f.setInt(g + "scores", stage.scores);
        f.setInt(g + "levels::i", static_cast<long long>(stage.levels.size()));
        for (std::size_t m = 0; m < stage.levels.size(); ++m) {
            const TLevelData& level = stage.levels[m];
            const std::string key =
                "Profile::stages::stage" + std::to_string(k + 1) + "::levels::level" + std::to_string(m + 1);
            f.setInt(key, level.id, 0);
            f.setInt(key, level.passed, 1);
            f.setInt(key, level.cardsLeft, 2);
            f.setFloat(key, level.multiplier, 3);
            f.setInt(key, level.longestDrive, 4);
            f.setInt(key, level.scores, 5);
        }
    }

    auto writeIds = [&f](const std::string& group, const std::string& entry, const std::vector<int>& ids) {
        f.setInt(group + "::i", static_cast<long long>(ids.size()));
        for (std::size_t k = 0; k < ids.size(); ++k)
            f.setInt(group + "::" + entry + std::to_string(k + 1), ids[k]);
    };
    auto cardIds = [](const std::vector<TCardData*>& cards) {
        std::vector<int> ids;
        for (const TCardData* card : cards) {
            if (card)
                ids.push_back(card->id);
        }
        return ids;
    };
    std::vector<int> swordIds;
    for (const TSword& sword : p.swords) {
        if (sword.sd)
            swordIds.push_back(sword.sd->id);
    }
    writeIds("profile::swords", "sword", swordIds);
    writeIds("profile::magicCards", "cards", cardIds(p.magicCards));
    writeIds("profile::awaitingmagicCards", "cards", cardIds(p.awaitingMagicCards));
    std::vector<int> itemIds;
    for (const TShopItem& item : p.items)
        itemIds.push_back(item.id);
    writeIds("profile::items", "item", itemIds);
    f.setInt("profile::tutorial::i", static_cast<long long>(p.lekcjeTutoriala.size()));
    for (std::size_t k = 0; k < p.lekcjeTutoriala.size(); ++k)
        f.setString("profile::tutorial::tut" + std::to_string(k + 1), p.lekcjeTutoriala[k]);
    std::vector<int> awardIds;
    for (const TAward& award : p.awards)
        awardIds.push_back(award.id);
    writeIds("profile::awards", "aw", awardIds);
    writeIds("profile::stageCards", "c", cardIds(p.stageCards));

    return f.save(dataPathOf(id)) && saved;
}

std::optional<TProfile> read(const std::string& dataPath, bool* movedAside)
{
    if (media::fs::pathType(dataPath) == media::fs::PathType::Absent)
        return std::nullopt;
    FileDamage damage{dataPath, {}};
    TProfile p;
    TRCMFile f;
    if (!f.Load(dataPath)) {
        damage.note("cannot be read as a data file; the profile starts afresh");
        const bool moved = !damage.keepAside().empty();
        if (movedAside)
            *movedAside = moved;
        return p;
    }
    if (!f._grupa.getGroup("profile")) {
        damage.note("holds no profile; the profile starts afresh");
        const bool moved = !damage.keepAside().empty();
        if (movedAside)
            *movedAside = moved;
        return p;
    }
    Reader reader(f, damage);
    const int stagesInContent = questStages();

    p.name = f.getString("profile::name");
    p.levelID = f.getInt("Profile::levelId");
    p.stageID = f.getInt("Profile::stageID");
    p.freeStageNumber = std::max(0, f.getInt("Profile::freeStageID"));
    p.freeLevelNumber = std::max(0, f.getInt("Profile::freeLevelID"));
    p.where = f.getString("profile::where");
    p.undos = std::max(0, f.getInt("Profile::undos"));
    p.time = std::max(0, f.getInt("Profile::time"));
    p.cardsLightUp = f.getInt("Profile::cardsLightUp") != 0 ? 1 : 0;
    p.tryb = f.getString("profile::tryb");
    if (p.tryb != "QUEST" && p.tryb != "FREE-PLAY") {
        damage.note("profile::tryb '" + p.tryb + "' is no game mode; QUEST");
        p.tryb = "QUEST";
    }
    // The quest place, within the stages and levels there are.
    const int lastStage = stagesInContent > 0 ? stagesInContent : INT_MAX;
    if (p.stageID < 1 || p.stageID > lastStage) {
        const int clamped = std::clamp(p.stageID, 1, lastStage);
        damage.note("Profile::stageID " + number(p.stageID) + " is not in the quest; stage "
                    + number(clamped));
        p.stageID = clamped;
    }
    const int levels = stagesInContent > 0 ? std::max(1, questLevels(p.stageID)) : INT_MAX;
    if (p.levelID < 1 || p.levelID > levels) {
        const int clamped = std::clamp(p.levelID, 1, levels);
        damage.note("Profile::levelId " + number(p.levelID) + " is not in stage " + number(p.stageID)
                    + "; level " + number(clamped));
        p.levelID = clamped;
    }

    reader.readStages(p, stagesInContent);
    p.longestDrive = f.getInt("profile::stats::longestDrive");
    p.multiplier = static_cast<float>(f.getFloat("profile::stats::multiplier"));
    p.score = f.getInt("profile::stats::score");
    p.ALL_SCORES = f.getFloat("profile::stats::ALL_SCORES");
    p.ALL_LONGEST_DRIVE = f.getFloat("profile::stats::ALL_LONGEST_DRIVE");
    p.ALL_HIGHEST_MULTIPLIER = f.getFloat("profile::stats::ALL_HIGHEST_MULTIPLIER");
    reader.readSwords(p);
    reader.readCards(p);
    reader.readRecords(p);
    // Last, so the level is dealt with everything the player brings.
    p.questLevel = readQuestLevel(p, media::fs::parentFolder(dataPath), f.getInt("Profile::questLevel") != 0);
    const bool moved = !damage.keepAside().empty();
    if (movedAside)
        *movedAside = moved;
    return p;
}
} // namespace profile_file
