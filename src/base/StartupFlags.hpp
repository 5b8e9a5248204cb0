// StartupFlags.hpp: the flags the start-up sets once and every part of the game may read.
#pragma once

// The developer keys are on ("cheats.txt" was found in the working folder at start).
extern int cheatsOn;

// GUI containers reload their description files on Left-Ctrl+L.
extern int guiReloadKey;
