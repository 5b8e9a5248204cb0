// ResourceTypes.cpp
#include "cards/ResourceTypes.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"

#include <algorithm>
#include <string>

namespace
{
constexpr const char* resourceFile = "data/resources.dat";
}

std::vector<TResourceData>& resourceTypes()
{
    return base::program().resourceTypes.orMake();
}

int resourceTypeCount()
{
    return static_cast<int>(resourceTypes().size());
}

void loadResources()
{
    std::vector<TResourceData>& types = resourceTypes();
    types.clear();
    const TRCMFile file = loadDataFile(resourceFile);
    const int count = std::clamp(file.getInt("resources::i"), 0, 10000);
    for (int k = 1; k <= count; ++k) {
        const std::string entry = "res" + std::to_string(k);
        const std::string key = "resources::" + entry + "::";
        const int id = file.getInt(key + "id");
        if (id < 1 || resourceTypeById(id)) {
            media::report(resourceFile, entry + " has type number " + std::to_string(id)
                                            + ", which is not a new number from 1 up: it is skipped");
            continue;
        }
        if (id != k)
            media::report(resourceFile, entry + " has type number " + std::to_string(id) + " where "
                                            + std::to_string(k)
                                            + " belongs: the column coins' types are drawn from 1 to "
                                            + std::to_string(count));
        TResourceData& type = types.emplace_back();
        type.id = id;
        type.typ = file.getInt(key + "type");
        const std::string path = file.getString(key + "img");
        if (!path.empty())
            type.img = media::pictures().load(path);
        type.img.midHandle();
        if (type.img.empty())
            media::report(resourceFile, entry + " has no picture" + (path.empty() ? "" : " (" + path + ")")
                                            + ": resources of type " + std::to_string(id) + " are not drawn");
    }
    if (types.empty())
        media::report(resourceFile, "defines no resource types: the column cards hold no coins");
}

const TResourceData* resourceTypeById(int id)
{
    if (!base::hasProgram())
        return nullptr;
    for (const TResourceData& type : resourceTypes()) {
        if (type.id == id)
            return &type;
    }
    return nullptr;
}

std::unique_ptr<TResource> newResource(int typeId, int amount, float x, float y)
{
    auto resource = std::make_unique<TResource>(typeId, amount);
    resource->x = x;
    resource->y = y;
    return resource;
}
