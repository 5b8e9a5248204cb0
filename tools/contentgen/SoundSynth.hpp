// SoundSynth.hpp: the instruments every sound and piece of music is played on, built from first
// principles: struck tones made of damped partials (harp, celesta, music box, bells, coins),
// detuned band-limited saws through a moving low-pass (pads, soft horns), a breathy
// flute-like voice, and a stereo echo. Everything is seeded, so a sound is the same each time.
#pragma once

#include "Sound.hpp"

#include <cstdint>
#include <span>
#include <vector>

namespace contentgen::synth
{
double midiToHz(double note);
double dbToGain(double db);

// 0 at t <= 0, a raised-cosine rise to 1 at t >= length.
double rise(double t, double length);
// Rises over `attack`, holds, then falls over `release` so that it reaches 0 at `length`.
double window(double t, double length, double attack, double release);

// One partial of a struck tone: frequency as a multiple of the note's, its starting level,
// and the seconds it takes to die away by 60 dB.
struct Partial
{
    double ratio;
    double amplitude;
    double decay;
};

// How a struck tone is played.
struct Strike
{
    double attack = 0.002;   // seconds of raised-cosine onset (a few ms: no click, still crisp)
    double hold = 1.0e9;     // seconds after which the tone is damped...
    double release = 0.25;   // ...falling by 60 dB over this many seconds
    double longest = 6.0;    // never longer than this
    double brightness = 1.0; // each octave up, a partial's level is scaled by this once more
};

// Adds a struck tone at `start` seconds: each partial a damped sine (a two-pole resonator,
// cheap enough for hundreds of notes), partials above 18 kHz left out.
void strike(Sound& out, double start, double hz, std::span<const Partial> partials, double gain, double pan,
            const Strike& how = {});

// Partial sets of the struck instruments, for a note of frequency `hz` (low notes ring longer).
std::vector<Partial> harp(double hz);
std::vector<Partial> celesta(double hz);
std::vector<Partial> musicBox(double hz);
std::vector<Partial> softBass(double hz);
// A small bright bell (a free metal bar's partials) that rings for about `ring` seconds, with a
// slightly detuned twin of the lowest partials, so it shimmers as the two beat against each other.
std::vector<Partial> bell(double ring);

// A chord of detuned saws through a resonant low-pass, for pads and soft horns.
struct Saws
{
    double attack = 0.8;     // seconds (raised cosine)
    double release = 1.5;    // seconds after the note's length
    double cutoff = 1400.0;  // Hz, the filter's resting cutoff
    double bloom = 1.0;      // the cutoff starts at cutoff * bloom... (< 1 opens as it swells)
    double drift = 0.25;     // slow swing of the cutoff, as a fraction of it
    double driftRate = 0.11; // Hz of that swing
    double resonance = 0.7;  // filter Q
    double detune = 8.0;     // cents between the outermost saws of one note
    int voices = 3;          // saws per note and side
    double vibrato = 0.0;    // cents of pitch wobble (horns)
};
void saws(Sound& out, double start, double length, std::span<const double> hzs, double gain, const Saws& how,
          std::uint64_t seed);

// A breathy, flute-like voice: a sine with a little of its 2nd and 3rd harmonics, delayed
// vibrato and band-passed breath noise.
struct Breath
{
    double attack = 0.09;
    double release = 0.3;
    double vibrato = 12.0; // cents
    double vibratoRate = 4.8;
    double vibratoDelay = 0.35;
    double air = 0.06; // breath noise level against the tone
};
void breath(Sound& out, double start, double length, double hz, double gain, double pan, const Breath& how,
            std::uint64_t seed);

// A stereo echo with cross-feedback (each repeat swaps sides) and a darkening low-pass in the
// loop. Adds the echoes to `sound` in place; the sound must have room for them at its end.
void echo(Sound& sound, double delaySeconds, double feedback, double level, double darkHz = 3500.0);

// Removes any DC and sub-audible rumble (a gentle high-pass at `hz`).
void dcBlock(Sound& sound, double hz = 20.0);
} // namespace contentgen::synth
