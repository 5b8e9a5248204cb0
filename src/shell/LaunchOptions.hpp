// LaunchOptions.hpp: what the command line asks of this run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace shell
{
struct LaunchOptions
{
    bool headless = false;             // no window, no audio device, no frame pacing
    bool fixedStep = false;            // delta is exactly 1 and the clock advances 1000/60 ms a frame
    std::optional<std::uint32_t> seed; // random numbers repeat from this seed
    std::optional<long long> frames;   // end normally after this many frames
    std::string screenshot;            // write the last frame here as PNG at the end
    std::string inputScript;           // replay mouse and key input from this file
    std::string userDir;               // the per-user data folder, instead of the usual one
    std::optional<bool> fullScreen;    // --fullscreen / --windowed for this run only
    std::string level;                 // play this level file, then end
    std::string gui;                   // show this GUI description file, and nothing else
    bool autoplay = false;             // our own player plays
    bool autoplaySolver = false;       // ... the solver's line (--autoplay=solver)
    std::string profileName;           // ... and names a new player so
    bool rulesOnly = false;            // ... by the rules alone: no screen, flights or drawing
    std::string trace;                 // write a line per rules event here
    std::string solve;                 // decide whether deals of this level can be cleared
    int deals = 1;                     // ... this many, with seeds --seed, --seed + 1, ...
    bool replay = false;               // ... and play the solver's line through the game screen
    bool timings = false;              // tell on stderr how long start-up took
    bool help = false;
};

// Reads the flags; false and `error` for an unknown flag or a bad value.
bool parseCommandLine(int argc, const char* const* argv, LaunchOptions& options, std::string& error);

// The flags, one per line, for --help.
std::string usageText();
} // namespace shell
