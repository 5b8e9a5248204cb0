// Globals.cpp
#include "shell/Globals.hpp"

int cheatsOn = 0;
int noTutorial = 0;
int noLogo = 0;
int playLogOn = 0;
int desktopWidth = 0;
int desktopHeight = 0;
std::string appFolderName = "Eldmere";
std::string userDataPath;
float delta = 1.0f;
int guiReloadKey = 0;
