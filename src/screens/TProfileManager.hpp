// TProfileManager.hpp: the players, the one playing now, and the list of players on disk.
//
// At start the game calls loadProfiles(); save() is safe at every exit path and at any time.
// newProfile, renameProfile, deleteProfile and chooseProfile are written to disk at once. The
// players' screen edits a working list of its own: the players it makes are written at once
// but listed only when its list replaces this one (replaceList). Tests and runs that want no
// user folder play as a guest (useGuestProfile), and then nothing is written.
#pragma once

#include "screens/TProfile.hpp"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TProfileManager
{
public:
    // Whether a name may be given to a player.
    enum class NameCheck
    {
        Fine,
        Empty, // nothing left of it once cleaned
        Taken  // another player has it, in some letter case (they would share a folder)
    };

    // The longest name a player may type, in characters.
    static constexpr std::size_t maxNameLength = 15;

    // userDataPath + "/Profiles/profile.dat".
    static std::string listPath();

    // Reads the list of players and each one's profile, and makes the stored current player
    // current (none when it is not listed or its profile is missing). A missing list is written
    // empty. A damaged list (unreadable, counts beyond its entries, empty or duplicate names,
    // control characters in names) is reported with its path and moved aside, and the players
    // that could be read are written to a new list at once. From now on save() writes.
    void loadProfiles();
    // Writes the list, then the current player's profile. Does nothing (and succeeds) while
    // playing as a guest or before loadProfiles; false, with a console line, when a file
    // could not be written.
    bool save();

    // Makes a new player current who is kept in memory only: nothing is written for it.
    TProfile& useGuestProfile();

    // A typed name as a player's name: without control characters and the characters a data
    // file cannot hold, blanks trimmed at both ends, in upper case, at most maxNameLength
    // characters.
    static std::string cleanName(std::string_view typed);
    // Whether cleanName(name) may be given to `who` (none for a new player).
    NameCheck checkName(std::string_view name, const TProfile* who = nullptr) const;

    // A new player named cleanName(name), appended to the list and written at once (its
    // folder, its profile and the list); it becomes current when no one is. None when the
    // name is refused (`check` says why). A folder left on disk under that name by a deleted
    // player is moved aside ("<folder>.old-N") first, never overwritten.
    TProfile* newProfile(std::string_view name, NameCheck* check = nullptr);
    // The same player made and written (its folder and its profile, an old folder moved aside)
    // but not listed: the caller keeps it, and lists it through replaceList or leaves it on
    // disk only. None when the name is refused: a name is refused when a listed player has it
    // (the caller checks the players it keeps).
    std::unique_ptr<TProfile> newUnlistedProfile(std::string_view name, NameCheck* check = nullptr);
    // Gives `who` the name cleanName(name). Its folder moves to the new name's folder with
    // everything in it, and its profile and the list are written at once, so its data is
    // found under the new name at once and after a restart. A refused name changes nothing.
    NameCheck renameProfile(TProfile& who, std::string_view name);
    // Takes `who` off the list (its folder stays on disk, its last state saved there when it
    // was current). When it was current, the first player left becomes current, or none when
    // the list is empty. The list is written at once.
    void deleteProfile(TProfile& who);
    // Makes `who` current, after saving the player who was: its sword rack is laid out and its
    // magic cards marked found; the list is written at once.
    void chooseProfile(TProfile& who);
    // The list becomes `order`: players listed now, or taken from `made` (players made by
    // newUnlistedProfile; those left out of `order` stay in `made`). `current` becomes current
    // (the first listed player when it is not listed), after the player who was current is
    // saved. Players left off the list keep their folders on disk. The list is written at once.
    void replaceList(const std::vector<TProfile*>& order, std::vector<std::unique_ptr<TProfile>>& made,
                     TProfile* current);

    // The player with that id, or none.
    TProfile* findById(const std::string& id) const;

    TProfile* profile = nullptr; // the current player (one of `profiles`), or none
    std::vector<std::unique_ptr<TProfile>> profiles;

private:
    bool saveList() const;

    bool writes_ = false; // the list has been loaded from the user folder
};

// The program's profile manager, and its current player.
TProfileManager& profileManager();
bool hasProfile();
TProfile& profile();
