// TLevelManager.cpp
#include "levels/TLevelManager.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "data/TRCMGroup.hpp"
#include "data/TextTables.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"

#include <algorithm>
#include <cstdio>
#include <set>

namespace
{
// Far more than the quest will ever have: a bound on the files looked for.
constexpr int mostStages = 99;
constexpr int mostLevels = 99;
// Bounds on the counts a stages file may give.
constexpr int mostStageEntries = 1000;
constexpr int mostObjectives = 100;
constexpr int mostStageLevels = 1000;
// The level end screen has words for one to ten perfect levels.
constexpr int mostPerfects = 10;

bool levelExists(int stage, int level)
{
    return media::fs::pathType(TLevelManager::levelPath(stage, level)) == media::fs::PathType::File;
}

// The program's stages when a stages file gave any, else none.
const TLevelManager* loadedStages()
{
    if (!base::hasProgram() || !base::program().levelManager)
        return nullptr;
    const TLevelManager& manager = *base::program().levelManager;
    return manager.stages.empty() ? nullptr : &manager;
}

// A line of a text table without the carriage return a file with Windows line ends leaves.
std::string lineOf(const TTxtFile& table, int n)
{
    std::string line = getText(table, n);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

media::Picture runePicture(int entry, const char* ending)
{
    if (!base::hasProgram() || !base::program().platform)
        return {};
    media::Picture rune =
        media::pictures().load("gfx/gui/screen-map/runes/run-" + std::to_string(entry) + ending);
    rune.midHandle();
    return rune;
}

// An objective's target kept within what the game can show and reach.
float clampedTarget(ObjectiveKind kind, double value)
{
    if (kind == ObjectiveKind::Perfects)
        return static_cast<float>(std::clamp(static_cast<int>(value), 1, mostPerfects));
    return static_cast<float>(std::clamp(value, 0.0, 1e9));
}

class StageReader
{
public:
    StageReader(const std::string& path, const TRCMFile& file) : path_(path), file_(file) {}

    // The count at `key` ("...::i"), never more than the entries beside it, nor than `most`.
    int count(const std::string& key, int most) const
    {
        const TRCMGroup* holder = file_.getGroup(TRCMFile::splitPath(key));
        if (!holder)
            return 0;
        const std::size_t present = holder->_listaWpisow.size() + holder->_listaGrup.size();
        const int others =
            static_cast<int>(std::min<std::size_t>(present, static_cast<std::size_t>(most) + 1)) - 1;
        return std::clamp(file_.getInt(key), 0, std::min(most, others));
    }

    void report(int entry, const std::string& what) const
    {
        media::reportLine(path_ + ": stage entry " + std::to_string(entry) + " " + what);
    }

    void readTexts(TStage& stage, const std::string& key, const TTxtFile& texts) const
    {
        // Only lines the table has are taken, so a range running past it cannot run away.
        const int first = std::max(1, file_.getInt(key + "::texts", 0));
        const int last = std::min(file_.getInt(key + "::texts", 1), static_cast<int>(texts.txt.size()));
        for (int n = first; n <= last; ++n)
            stage.texts.push_back(lineOf(texts, n));
        stage.fontN = file_.getInt(key + "::texts", 2);
    }

    void readObjectives(TStage& stage, int entry, const std::string& key) const
    {
        const int count = this->count(key + "::objectives::i", mostObjectives);
        for (int m = 1; m <= count; ++m) {
            const std::string objective = key + "::objectives::objective" + std::to_string(m);
            const double typ = file_.getFloat(objective, 0);
            if (typ < 0 || typ >= 4) {
                report(entry, "objective " + std::to_string(m) + " is of no known kind ("
                                  + file_.getString(objective) + "); left out");
                continue;
            }
            TObjective read;
            read.typ = static_cast<int>(typ);
            read.value = clampedTarget(read.kind(), file_.getFloat(objective, 1));
            stage.objectives.push_back(read);
        }
    }

    void readLevels(TStage& stage, const std::string& key) const
    {
        const int count = this->count(key + "::levels::i", mostStageLevels);
        for (int l = 1; l <= count; ++l) {
            std::string level = file_.getString(key + "::levels::level" + std::to_string(l));
            if (!level.empty())
                stage.levelsUrls.push_back(std::move(level));
        }
    }

private:
    const std::string& path_;
    const TRCMFile& file_;
};
} // namespace

std::string TLevelManager::levelPath(int stage, int level)
{
    char path[64];
    std::snprintf(path, sizeof path, "data/levels/stage-%02d/level-%02d.lvl", stage, level);
    return path;
}

int TLevelManager::stageCount()
{
    int n = 0;
    while (n < mostStages && levelExists(n + 1, 1))
        ++n;
    return n;
}

int TLevelManager::levelCount(int stage)
{
    int n = 0;
    while (n < mostLevels && levelExists(stage, n + 1))
        ++n;
    return n;
}

int TLevelManager::questStageCount()
{
    const TLevelManager* loaded = loadedStages();
    if (!loaded)
        return stageCount();
    int highest = 0;
    for (const TStage& stage : loaded->stages)
        highest = std::max(highest, stage.id);
    return highest;
}

bool TLevelManager::questHasStage(int stageId)
{
    if (const TLevelManager* loaded = loadedStages())
        return loaded->getStageById(stageId) != nullptr;
    return stageId >= 1 && stageId <= mostStages && levelExists(stageId, 1);
}

int TLevelManager::questLevelCount(int stageId)
{
    if (const TLevelManager* loaded = loadedStages()) {
        const TStage* stage = loaded->getStageById(stageId);
        return stage ? stage->levelCount() : 0;
    }
    return levelCount(stageId);
}

std::string TLevelManager::questLevelPath(int stageId, int level)
{
    if (const TLevelManager* loaded = loadedStages()) {
        const TStage* stage = loaded->getStageById(stageId);
        if (stage && level >= 1 && level <= stage->levelCount())
            return stage->levelsUrls[static_cast<std::size_t>(level - 1)];
    }
    return levelPath(stageId, level);
}

void TLevelManager::_setupStages(const std::string& path, const std::string& namesPath,
                                 const std::string& textsPath)
{
    stages.clear();
    TRCMFile file = loadDataFile(path);
    const TTxtFile names = loadTextTable(namesPath);
    const TTxtFile texts = loadTextTable(textsPath);
    const StageReader reader(path, file);
    std::set<int> ids;
    const int count = reader.count("stages::i", mostStageEntries);
    for (int k = 1; k <= count; ++k) {
        const std::string key = "stages::stage" + std::to_string(k);
        TStage stage;
        stage.id = file.getInt(key + "::id");
        if (stage.id < 1) {
            reader.report(k, "has no stage id; left out");
            continue;
        }
        if (!ids.insert(stage.id).second) {
            reader.report(k, "repeats stage id " + std::to_string(stage.id) + "; left out");
            continue;
        }
        stage.x = file.getInt(key + "::dim", 0);
        stage.y = file.getInt(key + "::dim", 1);
        stage.title = lineOf(names, file.getInt(key + "::title"));
        stage.imgUrl = file.getString(key + "::image");
        stage.rune = runePicture(k, ".png");
        stage.runeGrey = runePicture(k, "-dark.png");
        stage.runeDim = TDim{static_cast<float>(file.getFloat(key + "::rune", 0)),
                             static_cast<float>(file.getFloat(key + "::rune", 1))};
        reader.readTexts(stage, key, texts);
        reader.readObjectives(stage, k, key);
        reader.readLevels(stage, key);
        if (stage.levelsUrls.empty()) {
            reader.report(k, "(stage " + std::to_string(stage.id) + ") has no levels; left out");
            continue;
        }
        stages.push_back(std::move(stage));
    }
}

void TLevelManager::setup()
{
    _setupStages();
    _setupMagics();
}
void TLevelManager::_setupMagics(const std::string& path)
{
    TRCMFile file = loadDataFile(path);
    magics.clear();
    const int count = std::clamp(file.getInt("magics::i"), 0, 10000);
    for (int k = 1; k <= count; ++k)
        magics.push_back({k, file.getInt("magics::level" + std::to_string(k))});
}

const TLevelMagic* TLevelManager::getMagicData(int levelNumber) const
{
    for (const TLevelMagic& m : magics) {
        if (m.levelN == levelNumber)
            return &m;
    }
    return nullptr;
}

const TStage* TLevelManager::getStageById(int id) const
{
    for (const TStage& stage : stages) {
        if (stage.id == id)
            return &stage;
    }
    return nullptr;
}

TLevelManager& levelManager()
{
    return *base::program().levelManager;
}
