// Registry.hpp: the named generators the tool can run.
#pragma once

#include <functional>
#include <source_location>
#include <string>
#include <vector>

namespace contentgen
{
class Context;

struct Generator
{
    std::string group;                 // e.g. "shell": picks a whole family with --only
    std::string name;                  // the main file it writes, e.g. "gfx/white.png"
    std::function<void(Context&)> run; // writes through Context::save, reports through fail
    std::string source;                // the file that registered it (its code lives there)
};

class Registry
{
public:
    // Every generator of the game, in a fixed order.
    static Registry all();

    // `where` names the source file the generator comes from, for the cache (Cache.hpp): call
    // add() from the file that holds the generator's code.
    void add(std::string group, std::string name, std::function<void(Context&)> run,
             std::source_location where = std::source_location::current());
    const std::vector<Generator>& generators() const { return generators_; }

    // The generators whose name or group is in `only` (all of them if `only` is empty), in
    // registry order. Entries of `only` that match nothing are appended to `unknown`.
    std::vector<const Generator*> select(const std::vector<std::string>& only,
                                         std::vector<std::string>& unknown) const;

private:
    std::vector<Generator> generators_;
};
} // namespace contentgen
