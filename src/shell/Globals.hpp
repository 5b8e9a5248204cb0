// Globals.hpp: the program-wide values every part of the game reads.
#pragma once

#include <string>

// Marker files found in the working folder at start (0 absent, 1 file, 2 folder): developer
// keys, no tutorial, no partner splash, play log on.
extern int cheatsOn;
extern int noTutorial;
extern int noLogo;
extern int playLogOn;

// The desktop's size, read once at start before any window is shown.
extern int desktopWidth;
extern int desktopHeight;

// The per-user data folder: its name, and its absolute "/"-separated path.
extern std::string appFolderName;
extern std::string userDataPath;

// This frame's delta factor: elapsed milliseconds over 1000/60. Every per-frame speed of the
// game is multiplied by it.
extern float delta;

// Lets GUI containers reload their description files on Left-Ctrl+L.
extern int guiReloadKey;
