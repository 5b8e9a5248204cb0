// Registry.cpp: the list of generators and the choice of which to run.
#include "Registry.hpp"

#include "Groups.hpp"

#include <algorithm>
#include <utility>

namespace contentgen
{
Registry Registry::all()
{
    Registry registry;
    // The music first: its pieces take longest, and when generators run side by side the many
    // short ones after them even out the end.
    addMusic(registry);
    addSoundEffects(registry);
    addShellArt(registry);
    addCardArt(registry);
    addParticleArt(registry);
    addCaptionArt(registry);
    addGuiArt(registry);
    addHudArt(registry);
    addThemeArt(registry);
    addDemoArt(registry);
    addTitleArt(registry);
    addOwlArt(registry);
    addLogoArt(registry);
    addPanelArt(registry);
    addStoryArt(registry);
    addMapArt(registry);
    addShopArt(registry);
    addShopItemArt(registry);
    addAwardArt(registry);
    addTutorialArt(registry);
    addMagicCardArt(registry);
    return registry;
}

void Registry::add(std::string group, std::string name, std::function<void(Context&)> run,
                   std::source_location where)
{
    generators_.push_back(Generator{std::move(group), std::move(name), std::move(run), where.file_name()});
}

std::vector<const Generator*> Registry::select(const std::vector<std::string>& only,
                                               std::vector<std::string>& unknown) const
{
    std::vector<const Generator*> chosen;
    for (const Generator& g : generators_) {
        const bool wanted = only.empty() || std::find(only.begin(), only.end(), g.name) != only.end()
                            || std::find(only.begin(), only.end(), g.group) != only.end();
        if (wanted) {
            chosen.push_back(&g);
        }
    }
    for (const std::string& word : only) {
        const bool known = std::any_of(generators_.begin(), generators_.end(),
                                       [&](const Generator& g) { return g.name == word || g.group == word; });
        if (!known) {
            unknown.push_back(word);
        }
    }
    return chosen;
}
} // namespace contentgen
