// TProfileManager.cpp
#include "screens/TProfileManager.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "data/FileSafeText.hpp"
#include "media/FileSystem.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "screens/ProfileFile.hpp"

#include <algorithm>
#include <cassert>
#include <climits>

namespace
{
// Control characters (C0, DEL and C1) would show as nothing or break the list's lines.
bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The name without control characters and the characters a data file cannot hold, trimmed.
std::string withoutUnsafeCharacters(std::string_view name)
{
    bool stripped = false;
    std::u32string kept;
    for (char32_t c : media::text::toUtf32(data::fileSafeText(name, &stripped))) {
        if (!isControl(c))
            kept += c;
    }
    return media::text::trim(media::text::toUtf8(kept));
}

// A folder left on disk by a player no longer listed is moved out of a new player's way.
void moveOldFolderAside(const std::string& folder)
{
    if (media::fs::pathType(folder) == media::fs::PathType::Absent)
        return;
    std::string error;
    const std::string aside = media::fs::moveAside(folder, ".old", &error);
    if (aside.empty())
        media::report(folder, "an old player's folder is in the way: " + error);
    else
        media::report(folder, "an old player's folder was there; kept as " + aside);
}
} // namespace

std::string TProfileManager::listPath()
{
    return profile_file::profilesFolder() + "/profile.dat";
}

TProfile& TProfileManager::useGuestProfile()
{
    profiles.push_back(std::make_unique<TProfile>());
    profile = profiles.back().get();
    profile->guest = true;
    writes_ = false;
    return *profile;
}

std::string TProfileManager::cleanName(std::string_view typed)
{
    std::string name = media::text::toUpper(withoutUnsafeCharacters(typed));
    return media::text::trim(media::text::substr(name, 0, maxNameLength));
}

TProfileManager::NameCheck TProfileManager::checkName(std::string_view name, const TProfile* who) const
{
    const std::string cleaned = cleanName(name);
    if (cleaned.empty())
        return NameCheck::Empty;
    const TProfile* holder = findById(TProfile::idOf(cleaned));
    return (holder && holder != who) ? NameCheck::Taken : NameCheck::Fine;
}

TProfile* TProfileManager::findById(const std::string& id) const
{
    for (const auto& p : profiles) {
        if (p->getMyID() == id)
            return p.get();
    }
    return nullptr;
}

void TProfileManager::loadProfiles()
{
    profiles.clear();
    profile = nullptr;
    writes_ = true;
    const std::string path = listPath();
    std::string error;
    if (!media::fs::createFolders(profile_file::profilesFolder(), &error))
        media::report(path, "the players cannot be kept: " + error);
    if (media::fs::pathType(path) == media::fs::PathType::Absent) {
        saveList();
        return;
    }

    profile_file::FileDamage damage{path, {}};
    TRCMFile f;
    const bool parsed = f.Load(path);
    const TRCMGroup* list = parsed ? f._grupa.getGroup("Profiles") : nullptr;
    if (!list)
        damage.note(parsed ? "holds no list of players" : "cannot be read as a data file");
    const std::string act = media::text::toUpper(f.getString("Profiles::ActProfile"));
    int count = f.getInt("Profiles::i");
    // Every player is one entry besides the count and the current player.
    const std::size_t entries = list ? list->_listaWpisow.size() + list->_listaGrup.size() : 0;
    const int present = static_cast<int>(std::min<std::size_t>(entries, INT_MAX));
    if (count < 0 || count > present) {
        damage.note("Profiles::i is " + std::to_string(count) + " but " + std::to_string(present)
                    + " entries are there; reading those");
        count = std::clamp(count, 0, present);
    }
    for (int n = 1; n <= count; ++n) {
        const std::string key = "Profiles::profile" + std::to_string(n);
        const std::string stored = f.getString(key, 0);
        const std::string name = withoutUnsafeCharacters(stored);
        if (name.empty()) {
            // An empty name's folder would be the Profiles folder itself, and its "profile" this list.
            damage.note(key + " has no name; left out");
            continue;
        }
        if (name != stored)
            damage.note(key + " '" + stored + "' holds characters a name cannot hold; read as '" + name
                        + "'");
        const std::string id = TProfile::idOf(name);
        if (findById(id)) {
            damage.note(key + " '" + name + "' is listed twice; left out");
            continue;
        }
        bool movedAside = false;
        std::optional<TProfile> loaded = profile_file::read(profile_file::dataPathOf(id), &movedAside);
        if (!loaded) {
            media::report(profile_file::dataPathOf(id),
                          "the player '" + name + "' has no profile; left off the list");
            continue;
        }
        loaded->name = name;
        // A damaged profile went aside: what could be read is written at once, or the player
        // would be missing at the next start.
        if (movedAside)
            loaded->save();
        profiles.push_back(std::make_unique<TProfile>(std::move(*loaded)));
        if (id == act)
            profile = profiles.back().get();
    }
    if (profile) {
        profile->setupAllSwords();
        profile->setupAllMagicCards();
    }
    if (damage.any()) {
        damage.keepAside();
        saveList();
    }
}

bool TProfileManager::saveList() const
{
    if (!writes_ || !base::hasProgram() || base::program().userDataPath.empty())
        return true;
    TRCMFile f = newDataFile();
    f.setInt("Profiles::i", static_cast<long long>(profiles.size()));
    f.setString("Profiles::ActProfile", profile ? profile->getMyID() : std::string("NULL"));
    for (std::size_t n = 0; n < profiles.size(); ++n) {
        const std::string key = "Profiles::Profile" + std::to_string(n + 1);
        f.setString(key, profiles[n]->name, 0);
        f.setString(key, profiles[n]->getMyID(), 1);
    }
    return f.save(listPath());
}

bool TProfileManager::save()
{
    if (!writes_)
        return true;
    const bool listSaved = saveList();
    const bool profileSaved = !profile || profile->save();
    return listSaved && profileSaved;
}

std::unique_ptr<TProfile> TProfileManager::newUnlistedProfile(std::string_view name, NameCheck* check)
{
    const NameCheck verdict = checkName(name, nullptr);
    if (check)
        *check = verdict;
    if (verdict != NameCheck::Fine)
        return nullptr;
    auto made = std::make_unique<TProfile>();
    made->name = cleanName(name);
    if (writes_) {
        moveOldFolderAside(profile_file::folderOf(made->getMyID()));
        made->save();
    }
    return made;
}

TProfile* TProfileManager::newProfile(std::string_view name, NameCheck* check)
{
    std::unique_ptr<TProfile> made = newUnlistedProfile(name, check);
    if (!made)
        return nullptr;
    profiles.push_back(std::move(made));
    TProfile* added = profiles.back().get();
    if (!profile)
        profile = added;
    saveList();
    return added;
}

TProfileManager::NameCheck TProfileManager::renameProfile(TProfile& who, std::string_view name)
{
    const NameCheck verdict = checkName(name, &who);
    if (verdict != NameCheck::Fine)
        return verdict;
    const std::string oldId = who.getMyID();
    who.name = cleanName(name);
    const std::string newId = who.getMyID();
    if (writes_ && newId != oldId) {
        const std::string from = profile_file::folderOf(oldId);
        const std::string to = profile_file::folderOf(newId);
        moveOldFolderAside(to);
        std::string error;
        if (media::fs::pathType(from) != media::fs::PathType::Absent
            && !media::fs::renameWithoutReplacing(from, to, &error))
            media::report(from, "the player's folder could not follow the renaming: " + error
                                    + "; the profile is written under the name given");
    }
    if (writes_)
        who.save();
    saveList();
    return NameCheck::Fine;
}

void TProfileManager::deleteProfile(TProfile& who)
{
    auto at = std::find_if(profiles.begin(), profiles.end(), [&](const auto& p) { return p.get() == &who; });
    if (at == profiles.end())
        return;
    if (profile == &who) {
        if (writes_)
            who.save();
        profile = nullptr;
    }
    profiles.erase(at);
    if (!profile && !profiles.empty())
        chooseProfile(*profiles.front());
    saveList();
}

void TProfileManager::chooseProfile(TProfile& who)
{
    if (profile && profile != &who && writes_)
        profile->save();
    profile = &who;
    who.setupAllSwords();
    who.setupAllMagicCards();
    saveList();
}

void TProfileManager::replaceList(const std::vector<TProfile*>& order,
                                  std::vector<std::unique_ptr<TProfile>>& made, TProfile* current)
{
    auto takeFrom = [](std::vector<std::unique_ptr<TProfile>>& owners, TProfile* who) {
        auto at = std::find_if(owners.begin(), owners.end(), [&](const auto& p) { return p.get() == who; });
        if (at == owners.end())
            return std::unique_ptr<TProfile>();
        std::unique_ptr<TProfile> taken = std::move(*at);
        owners.erase(at);
        return taken;
    };
    std::vector<std::unique_ptr<TProfile>> listed;
    for (TProfile* who : order) {
        std::unique_ptr<TProfile> owner = takeFrom(profiles, who);
        if (!owner)
            owner = takeFrom(made, who);
        if (owner)
            listed.push_back(std::move(owner));
    }
    // The current player is always a listed one, so the run's progress is never written to a
    // folder the next start does not read.
    auto kept = std::find_if(listed.begin(), listed.end(), [&](const auto& p) { return p.get() == current; });
    TProfile* next = kept != listed.end() ? current : (listed.empty() ? nullptr : listed.front().get());
    // The player who was current leaves its progress in its folder, listed or not.
    if (profile && profile != next && writes_)
        profile->save();
    profiles = std::move(listed);
    profile = next;
    if (profile) {
        profile->setupAllSwords();
        profile->setupAllMagicCards();
    }
    saveList();
}

TProfileManager& profileManager()
{
    return *base::program().profileManager;
}

bool hasProfile()
{
    return base::hasProgram() && base::program().profileManager && base::program().profileManager->profile;
}

TProfile& profile()
{
    assert(hasProfile() && "no current player");
    return *profileManager().profile;
}
