// MusicScore.hpp: the composer. A piece is described by its key, metre, tempo and a form made
// of periods (a run of bars with their chords, a melody theme and who plays what); compose()
// turns that into timed notes: a melody from a seeded generator, broken-chord accompaniment,
// pad chords, a bass line and small ornaments. The same description always gives the same notes.
#pragma once

#include "SoundSynth.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace contentgen
{
enum class Voice
{
    None,
    Harp,
    Celesta,
    MusicBox,
    Flute,
    Bass,
    Shaker,
};

// What a note is for: each part has its own level in the mix.
enum class Part
{
    Lead,
    Accompaniment,
    Sparkle,
    Bass,
    Shaker,
};

// How the accompaniment breaks the chords.
enum class Arpeggio
{
    None,
    Flowing, // every half beat, up and down the chord
    Sparse,  // a few notes wandering over the chord, with rests
    Rolled,  // the chord spread quickly from the bottom once a bar (and softly mid-bar)
};

using Mode = std::array<int, 7>; // semitones of the seven steps above the tonic
inline constexpr Mode major = {0, 2, 4, 5, 7, 9, 11};
inline constexpr Mode lydian = {0, 2, 4, 6, 7, 9, 11};
inline constexpr Mode mixolydian = {0, 2, 4, 5, 7, 9, 10};
inline constexpr Mode dorian = {0, 2, 3, 5, 7, 9, 10};
inline constexpr Mode aeolian = {0, 2, 3, 5, 7, 8, 10};

// A stretch of bars sharing one melody theme and one texture.
struct Period
{
    std::vector<int> chords;     // the chord of each bar, as the scale step of its root (0 = tonic)
    char theme = 'A';            // periods with the same letter share their melody; ' ' = none
    Voice lead = Voice::Celesta; // who plays the melody
    Arpeggio arpeggio = Arpeggio::Flowing;
    bool sparkles = false; // a few high celesta notes over the top
    bool shaker = false;   // a soft shaker on the half beats
    double loudness = 1.0; // the period's overall level
};

struct PieceStyle
{
    std::string name; // the file is music/<name>.ogg
    std::uint64_t seed = 1;
    int tonic = 62; // MIDI number of the key note
    Mode mode = major;
    double bpm = 72.0;
    int beats = 4; // per bar
    std::vector<Period> form;

    double density = 0.6;      // how busy the melody is, 0..1
    int leadCentre = 74;       // the middle of the melody's range (MIDI)
    int accompanimentLow = 50; // the arpeggio's lowest note lies at or above this
    Voice accompaniment = Voice::Harp;
    bool addNinth = true; // the pad chords carry the ninth (else the seventh)

    // Levels of each part (0 leaves it out).
    double leadLevel = 0.5;
    double accompanimentLevel = 0.4;
    double padLevel = 0.25;
    double bassLevel = 0.35;
    double sparkleLevel = 0.18;
    double shakerLevel = 0.035;

    synth::Saws pad{};       // the pad's tone
    double padCentre = 60.0; // pad voicings sit round this MIDI note
    double room = 0.82;      // reverb size 0..1
    double reverbSend = 0.5; // how much of the plucked parts goes to the reverb
    double echoBeats = 0.0;  // a stereo echo on the plucked parts, in beats (0 = none)

    double barSeconds() const { return beats * 60.0 / bpm; }
    int bars() const;
};

struct ScoreNote
{
    double start;    // seconds from the start of the loop
    double length;   // seconds the note is held (struck voices ring on regardless)
    double pitch;    // MIDI number
    double velocity; // 0..1
    double pan;      // -1..1
    Voice voice;
    Part part;
};

struct ScoreChord
{
    double start;
    double length;
    std::vector<double> pitches;
    double velocity;
};

struct Score
{
    double seconds = 0.0; // the loop's length: every note starts before it
    std::vector<ScoreNote> notes;
    std::vector<ScoreChord> pads;
};

Score compose(const PieceStyle& style);
} // namespace contentgen
