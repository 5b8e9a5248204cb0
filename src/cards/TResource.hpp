// TResource.hpp: a resource (a coin and the like) worth points: hidden under the bottom card of
// a column, or released by a long drive; once released it spins up to the cash panel, where
// its amount joins the level's score.
#pragma once

#include "effects/TParticle.hpp"

class TResourceData;

class TResource
{
public:
    // Of the type numbered `typeId` in data/resources.dat; a number no type has keeps its
    // amount and is not drawn.
    TResource(int typeId, int amount);

    // The type's picture, turning once on the way; nothing for a type without one.
    void draw() const;
    // One frame of the flight, glittering into `particles`; true once it has arrived.
    bool _update_fly(ParticleList& particles);
    bool update(ParticleList& particles);
    // Sets off from where it is toward the cash panel at (512, 80).
    void flyToCash();
    // The arrival, as the player sees it: glitter and the coin's sound (the level counts its
    // points and shakes the cash panel).
    void addToProfile(ParticleList& particles);

    int id = 0;                        // resource type
    int ammount = 0;                   // points it is worth
    const TResourceData* rd = nullptr; // that type (owned by the program's list), if there is one
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;
    float mx = 0, my = 0;
    float per = 0;
    long long time = 0;
    bool flying = false; // released and on its way
    int ticket = 0;      // what the rules wait for: its points join the score when it lands
};
