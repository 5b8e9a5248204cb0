// TAnimData.cpp
#include "gui/TAnimData.hpp"

#include "gui/GuiError.hpp"
#include "media/Text.hpp"

#include <algorithm>

int TAnimData::getAnimByName(const std::string& name)
{
    const std::string upper = media::text::toUpper(name);
    for (int i = 0; i < maxAnims; ++i) {
        if (!animName[i].empty() && animName[i] == upper)
            return i;
    }
    guiError("Podanej nazwy animacji nie ma na liscie animacji obiektu! Nazwa :" + name);
    return 0;
}

int TAnimData::dodajNazwe(const std::string& name)
{
    const std::string upper = media::text::toUpper(name);
    for (int i = 0; i < maxAnims; ++i) {
        if (animName[i] == upper && !upper.empty())
            return i;
    }
    for (int i = 0; i < maxAnims; ++i) {
        if (animName[i].empty()) {
            animName[i] = upper;
            ++anims;
            return i;
        }
    }
    guiError("Nie mozna dodac wiecej niz 10 animacji!");
    return 0;
}

int TAnimData::liczbaKlatek()
{
    animFrames = 0;
    for (int a = 0; a < maxAnims; ++a) {
        for (int i = 0; i < frames[a]; ++i)
            animFrames = std::max(animFrames, frameN[a][i]);
    }
    return animFrames;
}
