// TStory.cpp
#include "screens/TStory.hpp"

#include "audio/Sounds.hpp"

TStory::TStory()
    : TStoryScreen(
        {"data/story.dat", "data/story-texts.dat", "txt/#LANG#/story-texts.txt", "gfx/story/story.gui", 1})
{
    id = "STORY";
}

void TStory::startMusic()
{
    playMyMusic("level-9");
}

std::string TStory::afterward()
{
    return next;
}
