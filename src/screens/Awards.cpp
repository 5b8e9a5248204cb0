// Awards.cpp
#include "screens/Awards.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "data/TextTables.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/TGiveAward.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{
constexpr const char* awardFile = "data/awards.dat";
constexpr const char* awardTexts = "txt/#LANG#/awards.txt";
constexpr int lastAwardId = 10;

bool held(const std::vector<int>& owned, int id)
{
    return std::find(owned.begin(), owned.end(), id) != owned.end();
}

// The checks of one moment, run in order on a copy of what is held: an award met and not held
// is announced, the lower ones it names given silently before it.
struct Check
{
    int id;
    bool met;
    std::vector<int> silentlyFirst;
};

std::vector<AwardStep> run(std::vector<int> owned, const std::vector<Check>& checks)
{
    std::vector<AwardStep> steps;
    for (const Check& check : checks) {
        if (held(owned, check.id) || !check.met)
            continue;
        for (int lower : check.silentlyFirst) {
            if (!held(owned, lower)) {
                steps.push_back({lower, false});
                owned.push_back(lower);
            }
        }
        steps.push_back({check.id, true});
        owned.push_back(check.id);
    }
    return steps;
}

bool lastLevelOfStage(const StageEnd& end, int stage)
{
    return end.stage == stage && end.stageLevels > 0 && end.level == end.stageLevels && end.allGoalsMet;
}
} // namespace

std::vector<TAward>& awardDefinitions()
{
    return base::program().awardDefinitions.orMake();
}

void loadAwards()
{
    std::vector<TAward>& definitions = awardDefinitions();
    definitions.clear();
    const TRCMFile file = loadDataFile(awardFile);
    const TTxtFile texts = loadTextTable(awardTexts);
    const int lines = texts.lines();
    const int count = std::clamp(file.getInt("awards::i"), 0, 10000);
    for (int k = 1; k <= count; ++k) {
        const std::string entry = "aw" + std::to_string(k);
        const std::string g = "awards::" + entry + "::";
        const int id = file.getInt(g + "id");
        const int title = file.getInt(g + "title");
        const int description = file.getInt(g + "description");
        if (id < 1 || id > lastAwardId) {
            media::report(awardFile, entry + " names award " + std::to_string(id)
                                         + ", which the game does not have (1 to 10): it is skipped");
            continue;
        }
        if (findAward(id)) {
            media::report(awardFile,
                          entry + " defines award " + std::to_string(id) + " again: it is skipped");
            continue;
        }
        if (title < 1 || title > lines || description < 1 || description > lines) {
            media::report(awardFile, entry + " takes its title and description from lines "
                                         + std::to_string(title) + " and " + std::to_string(description)
                                         + ", which " + textTablePath(awardTexts)
                                         + " does not have: it is skipped");
            continue;
        }
        definitions.push_back(TAward{id, media::text::trim(getText(texts, title)),
                                     media::text::trim(getText(texts, description))});
    }
    if (definitions.empty())
        media::report(awardFile, "defines no awards: none can be won");
}

const TAward* findAward(int id)
{
    for (const TAward& award : awardDefinitions()) {
        if (award.id == id)
            return &award;
    }
    return nullptr;
}

bool check_apprentice(const StageEnd& end)
{
    return lastLevelOfStage(end, 1);
}

bool check_journeyman(const StageEnd& end)
{
    return lastLevelOfStage(end, 7);
}

bool check_master(const StageEnd& end)
{
    return end.stages > 0 && lastLevelOfStage(end, end.stages);
}

bool check_easyCombo(int driveLength)
{
    return driveLength >= 6;
}

bool check_superCombo(int driveLength)
{
    return driveLength >= 10;
}

bool check_MegaCombo(int driveLength)
{
    return driveLength >= 15;
}

bool check_outstandingCombo(int driveLength)
{
    return driveLength >= 20;
}

bool check_perfect1(int perfectLevels)
{
    return perfectLevels >= 1;
}

bool check_perfect2(int perfectLevels)
{
    return perfectLevels >= 10;
}

bool check_perfect3(int perfectLevels)
{
    return perfectLevels >= 30;
}

std::vector<AwardStep> driveEndAwards(const std::vector<int>& owned, int length)
{
    return run(owned, {{7, check_outstandingCombo(length), {4, 5, 6}},
                       {6, check_MegaCombo(length), {4, 5}},
                       {5, check_superCombo(length), {4}},
                       {4, check_easyCombo(length), {}}});
}

std::vector<AwardStep> perfectAwards(const std::vector<int>& owned, int perfectLevels)
{
    return run(owned, {{8, check_perfect1(perfectLevels), {}},
                       {9, check_perfect2(perfectLevels), {}},
                       {10, check_perfect3(perfectLevels), {}}});
}

std::vector<AwardStep> levelEndAwards(const std::vector<int>& owned, const StageEnd& end)
{
    return run(owned,
               {{1, check_apprentice(end), {}}, {2, check_journeyman(end), {}}, {3, check_master(end), {}}});
}

std::vector<int> awardIds(const TProfile& player)
{
    std::vector<int> ids;
    for (const TAward& award : player.awards)
        ids.push_back(award.id);
    return ids;
}

int haveAward(const TProfile& player, int id)
{
    return held(awardIds(player), id) ? 1 : 0;
}

bool giveAward2(TProfile& player, int id)
{
    const TAward* award = findAward(id);
    if (!award || haveAward(player, id))
        return false;
    player.awards.push_back(*award);
    std::printf("award %d %s\n", award->id, award->title.c_str());
    std::fflush(stdout);
    return true;
}

void giveAwards(const std::vector<AwardStep>& steps, TEkran* background)
{
    if (steps.empty() || !hasProfile() || profile().guest)
        return;
    for (const AwardStep& step : steps) {
        // A step is given only once, whatever ran in between.
        if (!giveAward2(profile(), step.id) || !step.announced)
            continue;
        giveAward().mainLoop(*findAward(step.id), background);
    }
}
