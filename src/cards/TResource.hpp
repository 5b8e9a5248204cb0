// TResource.hpp: a resource hidden under the bottom card of a column, revealed when that card
// leaves the table: a type (from the resource definitions) and an amount.
#pragma once

class TResource
{
public:
    TResource(int typeId, int amount) : id(typeId), ammount(amount) {}

    int id = 0;      // resource type
    int ammount = 0; // how much of it
};
