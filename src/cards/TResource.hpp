// TResource.hpp: a resource (a coin and the like) worth points: hidden under the bottom card of
// a column, or released by a long drive; once released it spins up to the cash panel and adds
// its amount to the level's score.
#pragma once

#include <list>
#include <memory>
#include <string>

class TLevel;

class TResource
{
public:
    TResource(int typeId, int amount) : id(typeId), ammount(amount) {}

    void draw() const;
    void _update_fly();
    // One frame; true once it has arrived.
    bool update();
    // Sets off from where it is toward the cash panel at (512, 80).
    void flyToCash();
    // Arrival: its amount joins the level's score.
    void addToProfile();

    int id = 0;      // resource type
    int ammount = 0; // points it is worth
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;
    float mx = 0, my = 0;
    float per = 0;
    long long time = 0;
    std::string state;
    TLevel* level = nullptr; // the level whose score it joins
};

// Every released resource on its way to the cash panel.
extern std::list<std::unique_ptr<TResource>> flyingResources;
void updateResources();
void drawResources();
// Every resource on its way arrives at once (the level is ending or being left).
void landResources();
