// Resources.hpp: the resources of one level on their way to the cash panel.
#pragma once

#include "cards/TResource.hpp"

#include <list>
#include <memory>

// What a resource's arrival asks of the level it belongs to.
class ResourceHost
{
public:
    virtual ~ResourceHost() = default;
    // Its points join the level's score, and the cash panel shakes.
    virtual void resourceArrived(TResource& resource) = 0;
};

class Resources
{
public:
    Resources(ResourceHost& host, ParticleList& particles) : host_(host), particles_(particles) {}
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;

    // Appends the resource and starts its flight.
    void addResource(std::unique_ptr<TResource> resource);
    void updateResources();
    void drawResources() const;
    // Every resource on its way arrives at once (the level is ending or being left).
    void landResources();
    // Every resource goes, nothing arriving.
    void clear() { flyingResources.clear(); }
    bool empty() const { return flyingResources.empty(); }

    std::list<std::unique_ptr<TResource>> flyingResources;

private:
    void arrive(TResource& resource);

    ResourceHost& host_;
    ParticleList& particles_;
};
