// TitleLayout.hpp: where the title screen puts things, in screen pixels at the end of its zoom,
// so that the backdrop, the tree, the owl and the lights drawn in separate pictures meet.
#pragma once

namespace contentgen::title
{
constexpr int screenWidth = 1024;
constexpr int screenHeight = 768;

// The owl: a picture of owlWidth x owlHeight whose handle (owlHandleX, owlHandleY) the game
// places on the branch at (perchX, perchY). Its feet grip the branch there.
constexpr int owlWidth = 102;
constexpr int owlHeight = 150;
constexpr double owlHandleX = 51.0;
constexpr double owlHandleY = 116.0;
constexpr double perchX = 744.0;
constexpr double perchY = 185.0;

// The game draws the pupils on the open-eyed owl centred on these points.
constexpr double leftPupilX = 735.0;
constexpr double rightPupilX = 758.0;
constexpr double pupilY = 109.0;

// A point of the screen in the owl's picture.
constexpr double onOwlX(double screenX)
{
    return screenX - perchX + owlHandleX;
}
constexpr double onOwlY(double screenY)
{
    return screenY - perchY + owlHandleY;
}

// The full moon rises behind the owl's head, so the owl sits against it.
constexpr double moonX = 756.0;
constexpr double moonY = 110.0;
constexpr double moonR = 58.0;

// The far shore meets the lake here.
constexpr double waterLine = 410.0;

// The menu panel covers this box.
constexpr double menuLeft = 558.0;
constexpr double menuTop = 210.0;
constexpr int menuWidth = 400;
constexpr int menuHeight = 460;
} // namespace contentgen::title
