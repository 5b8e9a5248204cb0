// Groups.hpp: one function per family of pictures, each in its own source file, adding that
// family's generators to the registry. A new family: write Foo.cpp with addFoo(Registry&),
// declare it here, call it from Registry::all() and list the file in CMakeLists.txt. A
// generator's cache key covers the file that registers it and the sources that file includes
// (Cache.hpp), so keep a generator's code in that file, and shared code in the X.cpp beside the
// X.hpp that declares it.
#pragma once

namespace contentgen
{
class Registry;

void addShellArt(Registry& registry);     // ShellArt.cpp: white light, probe, icon, cursors
void addCardArt(Registry& registry);      // CardArt.cpp (+ CardFaces, CardBacks, CardOverlays): gfx/cards/
void addParticleArt(Registry& registry);  // ParticleArt.cpp: gfx/particles/
void addCaptionArt(Registry& registry);   // CaptionArt.cpp: gfx/captions/<language>/, words from --content
void addGuiArt(Registry& registry);       // GuiArt.cpp: gfx/cyfry.png, gfx/gui/common/, gfx/gui/mainGame/
void addHudArt(Registry& registry);       // HudArt.cpp (+ HudPanels, HudLights): the game screen's frame
void addThemeArt(Registry& registry);     // ThemeArt.cpp: gfx/gui/window/, the theme's frame pieces
void addDemoArt(Registry& registry);      // DemoArt.cpp: gfx/gui/demo/, the demonstration screen
void addTitleArt(Registry& registry);     // TitleArt.cpp: title screen backdrop, oak, lights; the clouds
void addOwlArt(Registry& registry);       // OwlArt.cpp: the owl on the title screen and its pupil
void addLogoArt(Registry& registry);      // LogoArt.cpp: the game's name on the title screen
void addPanelArt(Registry& registry);     // PanelArt.cpp: menu board, scrolls, player list, volume bar
void addStoryArt(Registry& registry);     // StoryArt.cpp: gfx/story/, the layers of the story and outro
void addMapArt(Registry& registry);       // MapArt.cpp: the quest map, its frame, stage pictures, runes
void addShopArt(Registry& registry);      // ShopArt.cpp: gfx/gui/screen-sklep/, the stall and its lights
void addShopItemArt(Registry& registry);  // ShopItemArt.cpp: gfx/gui/screen-sklep/items/, the wares
void addAwardArt(Registry& registry);     // AwardArt.cpp: gfx/gui/awards/, the medallions
void addTutorialArt(Registry& registry);  // TutorialArt.cpp: gfx/gui/tutorial/, the lessons' pictures
void addMagicCardArt(Registry& registry); // MagicCardArt.cpp: gfx/gui/magic-cards/, the collection's board
void addSoundEffects(Registry& registry); // SoundEffects.cpp: sfx/ (group "sounds")
void addMusic(Registry& registry);        // Music.cpp (+ MusicScore): music/ (group "sounds")
} // namespace contentgen
