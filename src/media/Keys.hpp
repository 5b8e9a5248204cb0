// Keys.hpp: key codes. The game names keys by the classic desktop virtual-key numbers
// (Enter 13, Escape 27, F4 115, Left-Alt 164), whatever the platform reports.
#pragma once

namespace media::key
{
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Alt = 18;
constexpr int Pause = 19;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int Digit0 = 48; // '0'..'9' are 48..57
constexpr int A = 65;      // 'A'..'Z' are 65..90
constexpr int Numpad0 = 96;
constexpr int F1 = 112; // F1..F12 are 112..123
constexpr int F4 = 115;
constexpr int LeftShift = 160;
constexpr int RightShift = 161;
constexpr int LeftControl = 162;
constexpr int RightControl = 163;
constexpr int LeftAlt = 164;
constexpr int RightAlt = 165;
constexpr int Count = 256;

constexpr int letter(char c)
{
    return (c >= 'a' && c <= 'z') ? c - 'a' + A : c;
}
} // namespace media::key

namespace media::mouse
{
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 3;
} // namespace media::mouse
