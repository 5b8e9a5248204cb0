// Resources.cpp
#include "cards/Resources.hpp"

void Resources::addResource(std::unique_ptr<TResource> resource)
{
    resource->flyToCash();
    flyingResources.push_back(std::move(resource));
}

void Resources::arrive(TResource& resource)
{
    // Glitter and its sound where it lands; then its points, and the panel shakes.
    resource.addToProfile(particles_);
    host_.resourceArrived(resource);
}

void Resources::updateResources()
{
    for (auto it = flyingResources.begin(); it != flyingResources.end();) {
        if ((*it)->update(particles_)) {
            arrive(**it);
            it = flyingResources.erase(it);
        } else {
            ++it;
        }
    }
}

void Resources::drawResources() const
{
    for (const auto& r : flyingResources)
        r->draw();
}

void Resources::landResources()
{
    for (const auto& r : flyingResources)
        arrive(*r);
    flyingResources.clear();
}
