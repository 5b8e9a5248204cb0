// TRCMGroup.hpp: a named group of a data file, holding entries and nested groups.
#pragma once

#include "data/TRCMEntry.hpp"

#include <string>
#include <vector>

// One "name { ... }" block. The group owns its nested groups and entries, both in file order.
// Lookups return pointers into these lists: they stay valid until the group's lists change.
class TRCMGroup
{
public:
    // The group as file text, every line starting with `indent` (see TRCMFile for the
    // layout). A group named "" writes only its content. `stripped` is set to true when a
    // name, key or text value lost characters the file cannot hold.
    std::string save(const std::string& indent, bool* stripped = nullptr) const;

    // Prints the group's text to the console, one report line per line.
    void showGroup(const std::string& indent) const;

    // The first nested group or entry called `name`, ignoring letter case; nullptr if none.
    TRCMGroup* getGroup(const std::string& name);
    const TRCMGroup* getGroup(const std::string& name) const;
    TRCMEntry* getEntry(const std::string& name);
    const TRCMEntry* getEntry(const std::string& name) const;

    // Sets a text value. An existing entry keeps its kind, except that a numeric entry turns
    // into a text entry when `value` is not a plain number (it would be written unquoted and
    // misread); a new entry is a text entry.
    void setStringEntry(const std::string& name, const std::string& value, int index);

    // Sets a number, stored as nine significant digits ("0.500000000"). An existing entry
    // keeps its kind; a new entry is numeric.
    void setFloatEntry(const std::string& name, double value, int index);

    // Sets a whole number, stored with every digit ("1234567891"). An existing entry keeps
    // its kind; a new entry is numeric.
    void setIntEntry(const std::string& name, long long value, int index);

    // Appends a new text entry and sets its value at `index`.
    TRCMEntry& _addEntry(const std::string& name, const std::string& value, int index);

    std::string _id;
    // Where parsing went on after this group: the position just past its closing brace (or the
    // end of the text) in the whole text of the file.
    std::size_t _pos = 0;
    std::vector<TRCMGroup> _listaGrup;
    std::vector<TRCMEntry> _listaWpisow;
};
