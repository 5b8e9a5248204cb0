// ResourceTypes.hpp: the kinds of resource a level's coins can be, and resources made of them.
#pragma once

#include "cards/TResource.hpp"
#include "cards/TResourceData.hpp"

#include <memory>
#include <vector>

// The types read from data/resources.dat, in file order (the program's list, empty until
// loadResources).
std::vector<TResourceData>& resourceTypes();
// How many types there are: the filler under column cards draws its type from 1 to this.
int resourceTypeCount();
// Reads data/resources.dat and the pictures. Ids that do not run 1..n, and pictures that are
// missing, are reported; a type without its picture is kept and draws nothing.
void loadResources();
// The type with that number, or none (none too while no program is in place).
const TResourceData* resourceTypeById(int id);
// A resource of that type and amount lying at (x, y), not yet released.
std::unique_ptr<TResource> newResource(int typeId, int amount, float x, float y);
