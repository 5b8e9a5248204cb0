// TSmallObject.hpp: a declaration nested inside another (a menu inside a menu bar).
#pragma once

#include "gui/TSimpleEntry.hpp"

#include <memory>
#include <string>
#include <variant>
#include <vector>

class TSmallObject
{
public:
    // Debug dump to the console: prefix + type + " " + name, then the body one level deeper.
    void wyprintuj(const std::string& prefix) const;

    // The assignments of the body, in file order.
    std::vector<TSimpleEntry> entries() const;
    // The declarations nested in the body, in file order.
    std::vector<const TSmallObject*> nested() const;

    // The body: assignments and nested declarations, in file order.
    std::vector<std::variant<TSimpleEntry, std::unique_ptr<TSmallObject>>> _tokeny;
    std::string _typ;  // type word as written
    std::string _name; // name word as written
};
