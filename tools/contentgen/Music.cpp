// Music.cpp: the "sounds" group's music, music/<name>.ogg: the title theme, the story piece
// ("level-9") and the pieces played during the levels ("level-1" .. "level-8").
//
// Each piece is composed from its description (MusicScore.hpp), then played part by part on
// the instruments of SoundSynth.hpp into a dry mix and a reverb send, which meet at the end.
// Every piece loops: its notes all start inside the loop, the piece is rendered a few seconds
// longer so the last notes and the hall can ring out, and that ringing tail is then laid over
// the start. Played round, the end flows into the beginning exactly as it would if the piece
// went on. Each piece is a generator of its own, so the tool renders the pieces side by side.

#include "Groups.hpp"

#include "Context.hpp"
#include "Filter.hpp"
#include "MusicScore.hpp"
#include "OggFile.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "Reverb.hpp"
#include "Sound.hpp"
#include "SoundSynth.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace contentgen
{
namespace
{
using synth::Saws;

constexpr double tailSeconds = 9.0;  // rendered past the loop's end, then folded onto its start
constexpr double musicPeakDb = -1.5; // the game plays music at half volume: master it loud...
constexpr double musicRmsDb = -18.5; // ...but no piece louder on average than this
constexpr double musicQuality = 0.3; // Vorbis quality: about 80-90 kbit/s for these pieces
// Saws carry far more energy than plucked notes; this brings a pad at level 1 to about a
// plucked part at level 1.
constexpr double padTrim = 0.3;

// The pads' usual tone: slow swell, warm and dark, breathing a little.
constexpr Saws warmPad{.attack = 1.3,
                       .release = 2.2,
                       .cutoff = 1100.0,
                       .bloom = 0.55,
                       .drift = 0.25,
                       .driftRate = 0.07,
                       .resonance = 0.8,
                       .detune = 12.0,
                       .voices = 1};

// ---------------------------------------------------------------------------------------------
// The pieces.
std::vector<PieceStyle> pieces()
{
    std::vector<PieceStyle> list;

    // The title: a lyrical waltz in D major. Celesta sings the theme over a flowing harp; the
    // middle period gives the tune to the harp over rolled chords. AABA, the last A leading
    // back round to the first.
    {
        PieceStyle s;
        s.name = "title";
        s.seed = 0x7117e;
        s.tonic = 62;
        s.mode = major;
        s.bpm = 72.0;
        s.beats = 3;
        s.form = {
            Period{.chords = {0, 2, 3, 0, 5, 3, 1, 4}, .theme = 'A', .lead = Voice::Celesta, .loudness = 0.9},
            Period{
                .chords = {0, 2, 3, 0, 5, 3, 4, 0}, .theme = 'A', .lead = Voice::Celesta, .sparkles = true},
            Period{.chords = {3, 4, 2, 5, 3, 1, 4, 4},
                   .theme = 'B',
                   .lead = Voice::Harp,
                   .arpeggio = Arpeggio::Rolled,
                   .loudness = 0.9},
            Period{
                .chords = {0, 2, 3, 0, 5, 3, 1, 4}, .theme = 'A', .lead = Voice::Celesta, .sparkles = true},
        };
        s.density = 0.55;
        s.leadCentre = 76;
        s.accompanimentLow = 50;
        s.pad = warmPad;
        s.room = 0.85;
        list.push_back(s);
    }

    // Level 1: still water. F major, slow, mostly pad and a few wandering harp notes; the
    // celesta only hints at a tune.
    {
        PieceStyle s;
        s.name = "level-1";
        s.seed = 0x1e7e1;
        s.tonic = 65;
        s.mode = major;
        s.bpm = 60.0;
        s.beats = 4;
        s.form = {
            Period{.chords = {0, 0, 3, 3, 5, 5, 4, 4}, .theme = 'A', .arpeggio = Arpeggio::Sparse},
            Period{.chords = {0, 0, 3, 3, 1, 1, 4, 4},
                   .theme = 'A',
                   .arpeggio = Arpeggio::Sparse,
                   .sparkles = true},
        };
        s.density = 0.3;
        s.leadCentre = 77;
        s.leadLevel = 0.42;
        s.padLevel = 0.3;
        s.pad = warmPad;
        s.room = 0.88;
        s.reverbSend = 0.6;
        s.echoBeats = 1.5;
        list.push_back(s);
    }

    // Level 2: the same stillness in E flat, a music box picking out the tune over a flowing
    // harp, then wandering more freely.
    {
        PieceStyle s;
        s.name = "level-2";
        s.seed = 0x1e7e2;
        s.tonic = 63;
        s.mode = major;
        s.bpm = 64.0;
        s.beats = 4;
        s.form = {
            Period{
                .chords = {0, 3, 5, 4, 0, 3, 1, 4}, .theme = 'A', .lead = Voice::MusicBox, .loudness = 0.9},
            Period{.chords = {5, 3, 0, 4, 5, 3, 1, 4},
                   .theme = 'B',
                   .lead = Voice::MusicBox,
                   .arpeggio = Arpeggio::Sparse,
                   .sparkles = true},
        };
        s.density = 0.45;
        s.leadCentre = 79;
        s.leadLevel = 0.45;
        s.accompanimentLevel = 0.32;
        s.pad = warmPad;
        s.room = 0.86;
        list.push_back(s);
    }

    // Level 3: C Lydian, three in a bar; rolled harp chords and the celesta, the raised fourth
    // giving it a floating, moonlit air.
    {
        PieceStyle s;
        s.name = "level-3";
        s.seed = 0x1e7e3;
        s.tonic = 60;
        s.mode = lydian;
        s.bpm = 66.0;
        s.beats = 3;
        s.form = {
            Period{.chords = {0, 1, 0, 1, 5, 2, 1, 0}, .theme = 'A', .arpeggio = Arpeggio::Rolled},
            Period{.chords = {5, 2, 5, 1, 0, 1, 4, 4},
                   .theme = 'B',
                   .arpeggio = Arpeggio::Rolled,
                   .sparkles = true,
                   .loudness = 0.9},
            Period{.chords = {0, 1, 5, 4}, .theme = 'A', .arpeggio = Arpeggio::Sparse, .sparkles = true},
        };
        s.density = 0.4;
        s.leadCentre = 76;
        s.pad = warmPad;
        s.pad.cutoff = 1300.0;
        s.room = 0.86;
        s.echoBeats = 1.0;
        list.push_back(s);
    }

    // Level 4: D Dorian with a soft shaker, a little more movement; the flute has the tune.
    {
        PieceStyle s;
        s.name = "level-4";
        s.seed = 0x1e7e4;
        s.tonic = 62;
        s.mode = dorian;
        s.bpm = 70.0;
        s.beats = 4;
        s.form = {
            Period{.chords = {0, 3, 0, 3, 2, 6, 3, 3}, .theme = 'A', .lead = Voice::Flute, .shaker = true},
            Period{.chords = {0, 3, 0, 3, 2, 6, 4, 4},
                   .theme = 'A',
                   .lead = Voice::Flute,
                   .sparkles = true,
                   .shaker = true},
        };
        s.density = 0.5;
        s.leadCentre = 72;
        s.leadLevel = 0.4;
        s.accompanimentLevel = 0.34;
        s.pad = warmPad;
        s.pad.cutoff = 950.0;
        s.room = 0.8;
        list.push_back(s);
    }

    // Level 5: B flat, a lilting three; a music box breaks the chords high up while the
    // celesta sings.
    {
        PieceStyle s;
        s.name = "level-5";
        s.seed = 0x1e7e5;
        s.tonic = 58;
        s.mode = major;
        s.bpm = 76.0;
        s.beats = 3;
        s.form = {
            Period{.chords = {0, 4, 5, 3, 0, 4, 1, 4}, .theme = 'A'},
            Period{.chords = {3, 0, 3, 4, 5, 2, 1, 4},
                   .theme = 'B',
                   .arpeggio = Arpeggio::Sparse,
                   .sparkles = true,
                   .loudness = 0.9},
            Period{.chords = {0, 4, 5, 3, 0, 4, 1, 4}, .theme = 'A', .sparkles = true},
        };
        s.density = 0.5;
        s.leadCentre = 74;
        s.accompaniment = Voice::MusicBox;
        s.accompanimentLow = 62;
        s.accompanimentLevel = 0.26;
        s.pad = warmPad;
        s.room = 0.84;
        list.push_back(s);
    }

    // Level 6: E minor, slow and spacious: a few flute phrases, rolled chords, the celesta
    // answering.
    {
        PieceStyle s;
        s.name = "level-6";
        s.seed = 0x1e7e6;
        s.tonic = 64;
        s.mode = aeolian;
        s.bpm = 60.0;
        s.beats = 4;
        s.form = {
            Period{.chords = {0, 5, 0, 5, 3, 3, 6, 6},
                   .theme = 'A',
                   .lead = Voice::Flute,
                   .arpeggio = Arpeggio::Sparse},
            Period{.chords = {0, 5, 2, 6, 3, 0, 4, 4},
                   .theme = 'A',
                   .lead = Voice::Celesta,
                   .arpeggio = Arpeggio::Rolled,
                   .sparkles = true},
        };
        s.density = 0.3;
        s.leadCentre = 74;
        s.leadLevel = 0.42;
        s.padLevel = 0.3;
        s.pad = warmPad;
        s.pad.cutoff = 900.0;
        s.room = 0.88;
        s.reverbSend = 0.6;
        s.echoBeats = 1.5;
        list.push_back(s);
    }

    // Level 7: G Mixolydian, the liveliest: a flowing harp, the celesta's tune and the shaker.
    {
        PieceStyle s;
        s.name = "level-7";
        s.seed = 0x1e7e7;
        s.tonic = 55;
        s.mode = mixolydian;
        s.bpm = 72.0;
        s.beats = 4;
        s.form = {
            Period{.chords = {0, 6, 3, 0, 5, 6, 3, 0}, .theme = 'A', .shaker = true},
            Period{.chords = {3, 3, 0, 0, 6, 6, 4, 4},
                   .theme = 'B',
                   .arpeggio = Arpeggio::Rolled,
                   .sparkles = true,
                   .loudness = 0.9},
        };
        s.density = 0.6;
        s.leadCentre = 74;
        s.accompanimentLow = 48;
        s.pad = warmPad;
        s.room = 0.8;
        list.push_back(s);
    }

    // Level 8: A flat, the pads to the fore, a music box tune and harp notes drifting by.
    {
        PieceStyle s;
        s.name = "level-8";
        s.seed = 0x1e7e8;
        s.tonic = 56;
        s.mode = major;
        s.bpm = 62.0;
        s.beats = 4;
        s.form = {
            Period{.chords = {0, 2, 5, 3, 0, 2, 3, 4},
                   .theme = 'A',
                   .lead = Voice::MusicBox,
                   .arpeggio = Arpeggio::Sparse},
            Period{.chords = {5, 2, 3, 0, 5, 2, 1, 4},
                   .theme = 'B',
                   .lead = Voice::MusicBox,
                   .arpeggio = Arpeggio::Sparse,
                   .sparkles = true},
        };
        s.density = 0.35;
        s.leadCentre = 80;
        s.leadLevel = 0.42;
        s.padLevel = 0.34;
        s.pad = warmPad;
        s.pad.cutoff = 1250.0;
        s.room = 0.88;
        s.reverbSend = 0.6;
        s.echoBeats = 1.0;
        list.push_back(s);
    }

    // Level 9, the story: A minor, wistful. The flute's tune over a flowing harp, then over
    // rolled chords, then a short breath of harp and pad alone before it begins again.
    {
        PieceStyle s;
        s.name = "level-9";
        s.seed = 0x1e7e9;
        s.tonic = 57;
        s.mode = aeolian;
        s.bpm = 66.0;
        s.beats = 4;
        s.form = {
            Period{.chords = {0, 5, 2, 6, 3, 0, 5, 4}, .theme = 'A', .lead = Voice::Flute},
            Period{.chords = {3, 6, 2, 5, 3, 5, 6, 6},
                   .theme = 'B',
                   .lead = Voice::Flute,
                   .arpeggio = Arpeggio::Rolled,
                   .sparkles = true},
            Period{.chords = {0, 5, 3, 4},
                   .theme = ' ',
                   .lead = Voice::None,
                   .arpeggio = Arpeggio::Sparse,
                   .loudness = 0.85},
        };
        s.density = 0.5;
        s.leadCentre = 74;
        s.leadLevel = 0.42;
        s.accompanimentLevel = 0.34;
        s.pad = warmPad;
        s.pad.cutoff = 1000.0;
        s.room = 0.86;
        list.push_back(s);
    }
    return list;
}

// ---------------------------------------------------------------------------------------------
// Playing a score.

double partLevel(const PieceStyle& style, Part part)
{
    switch (part) {
    case Part::Lead: return style.leadLevel;
    case Part::Accompaniment: return style.accompanimentLevel;
    case Part::Sparkle: return style.sparkleLevel;
    case Part::Bass: return style.bassLevel;
    case Part::Shaker: return style.shakerLevel;
    }
    return 0.0;
}

// A soft shaker: a short burst of high, band-limited noise.
void shake(Sound& out, double start, double gain, double pan, std::uint64_t seed)
{
    Random random(seed);
    Filter low(4800.0, 0.7);
    Filter high(9000.0, 0.7);
    Sound burst(1, static_cast<std::size_t>(0.09 * Sound::rate));
    std::vector<float>& samples = burst.channel(0);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / Sound::rate;
        const double envelope = synth::rise(t, 0.006) * std::exp(-t / 0.022);
        samples[i] = static_cast<float>(high.lowpass(low.highpass(random.range(-1.0, 1.0))) * envelope);
    }
    burst.fade(0.0, 0.01);
    // So little of white noise's energy lies in the band that it needs a lift.
    out.mix(burst, std::llround(start * Sound::rate), 12.0 * gain, pan);
}

void play(Sound& bus, const ScoreNote& note, double gain, std::uint64_t seed)
{
    const double hz = synth::midiToHz(note.pitch);
    switch (note.voice) {
    case Voice::None: break;
    case Voice::Harp:
        synth::strike(bus, note.start, hz, synth::harp(hz), gain, note.pan,
                      synth::Strike{.attack = 0.003, .longest = 4.5, .brightness = 0.85});
        break;
    case Voice::Celesta:
        synth::strike(bus, note.start, hz, synth::celesta(hz), gain, note.pan,
                      synth::Strike{.attack = 0.0025, .longest = 3.5});
        break;
    case Voice::MusicBox:
        synth::strike(bus, note.start, hz, synth::musicBox(hz), gain, note.pan,
                      synth::Strike{.attack = 0.002, .longest = 3.0});
        break;
    case Voice::Bass:
        synth::strike(
            bus, note.start, hz, synth::softBass(hz), gain, note.pan,
            synth::Strike{
                .attack = 0.035, .hold = note.length, .release = 0.6, .longest = note.length + 1.0});
        break;
    case Voice::Flute:
        // A held tone carries far more than a plucked one of the same level.
        synth::breath(bus, note.start, note.length, hz, 0.45 * gain, note.pan, synth::Breath{}, seed);
        break;
    case Voice::Shaker: shake(bus, note.start, gain, note.pan, seed); break;
    }
}

// A mix bus: the parts played on it, how much of it goes to the hall, and whether it echoes.
struct Bus
{
    std::vector<Part> parts;
    double send;
    bool echo;
};

// Adds `bus` to the dry mix and, scaled, to the reverb send, and leaves it silent for reuse.
void drain(Sound& bus, Sound& dry, Sound& send, double sendLevel)
{
    for (int c = 0; c < bus.channels(); ++c) {
        std::vector<float>& from = bus.channel(c);
        std::vector<float>& toDry = dry.channel(c);
        std::vector<float>& toSend = send.channel(c);
        const float level = static_cast<float>(sendLevel);
        for (std::size_t i = 0; i < from.size(); ++i) {
            toDry[i] += from[i];
            toSend[i] += level * from[i];
            from[i] = 0.0f;
        }
    }
}

Sound render(const PieceStyle& style, std::string& problem)
{
    const Score score = compose(style);
    const std::size_t loop = static_cast<std::size_t>(std::llround(score.seconds * Sound::rate));
    const std::size_t total = loop + static_cast<std::size_t>(tailSeconds * Sound::rate);
    Sound dry(2, total);
    Sound send(2, total);

    // The parts are played onto a few buses in turn (one buffer, emptied into both mixes after
    // each): the tune and the accompaniment together, with the echo; the bass nearly dry; the
    // shaker; the pads.
    const Bus buses[] = {
        {{Part::Lead, Part::Accompaniment, Part::Sparkle}, style.reverbSend, true},
        {{Part::Bass}, 0.08, false},
        {{Part::Shaker}, 0.3, false},
    };
    Sound bus(2, total);
    for (const Bus& b : buses) {
        std::uint64_t index = 0;
        bool used = false;
        for (const ScoreNote& note : score.notes) {
            ++index;
            if (std::find(b.parts.begin(), b.parts.end(), note.part) != b.parts.end()) {
                play(bus, note, note.velocity * partLevel(style, note.part), style.seed * 7919 + index);
                used = true;
            }
        }
        if (!used) {
            continue;
        }
        if (b.echo && style.echoBeats > 0.0) {
            synth::echo(bus, style.echoBeats * 60.0 / style.bpm, 0.32, 0.28);
        }
        drain(bus, dry, send, b.send);
    }
    std::uint64_t index = 0;
    for (const ScoreChord& chord : score.pads) {
        std::vector<double> hzs;
        for (double p : chord.pitches) {
            hzs.push_back(synth::midiToHz(p));
        }
        synth::saws(bus, chord.start, chord.length, hzs, padTrim * style.padLevel * chord.velocity, style.pad,
                    style.seed * 104729 + ++index);
    }
    drain(bus, dry, send, 0.4);

    const Reverb hall(Reverb::Settings{.room = style.room, .damping = 0.45, .width = 1.0, .preDelay = 0.025});
    dry.mix(hall.process(send), 0);
    synth::dcBlock(dry);

    // The tail must have died away before it is folded onto the start.
    const double peak = dry.peak();
    double end = 0.0;
    for (int c = 0; c < 2; ++c) {
        for (std::size_t i = total - Sound::rate / 4; i < total; ++i) {
            end = std::max(end, static_cast<double>(std::fabs(dry.channel(c)[i])));
        }
    }
    if (peak <= 0.0 || end > peak * 0.0003) { // 70 dB down
        problem = "music/" + style.name + ".ogg: the tail is still ringing when the loop is closed";
    }
    for (int c = 0; c < 2; ++c) {
        std::vector<float>& samples = dry.channel(c);
        for (std::size_t i = loop; i < total; ++i) {
            samples[i - loop] += samples[i];
        }
    }
    dry.resize(loop);
    // All pieces at about the same loudness, as the game cross-fades from one to another;
    // the quieter, sparser ones stop where their peaks reach the ceiling.
    double energy = 0.0;
    for (int c = 0; c < 2; ++c) {
        for (const float x : dry.channel(c)) {
            energy += static_cast<double>(x) * x;
        }
    }
    const double rms = std::sqrt(energy / (2.0 * static_cast<double>(loop)));
    const double byPeak = synth::dbToGain(musicPeakDb) / dry.peak();
    const double byLoudness = synth::dbToGain(musicRmsDb) / std::max(rms, 1.0e-9);
    dry.scale(std::min(byPeak, byLoudness));
    return dry;
}

void writePiece(Context& context, const PieceStyle& style)
{
    std::string problem;
    const Sound sound = render(style, problem);
    if (!problem.empty()) {
        context.fail(problem);
        return;
    }
    const std::string relative = "music/" + style.name + ".ogg";
    const OggTags tags = {{"TITLE", style.name},
                          {"ALBUM", "Eldmere"},
                          {"LOOPSTART", "0"},
                          {"LOOPLENGTH", std::to_string(sound.frames())}};
    std::string error;
    if (!saveOgg(sound, context.output(relative), musicQuality, tags, error)) {
        context.fail(error);
    }
}
} // namespace

void addMusic(Registry& registry)
{
    // A generator per piece: each file depends only on its own piece's description.
    for (const PieceStyle& style : pieces()) {
        registry.add("sounds", "music/" + style.name + ".ogg",
                     [style](Context& context) { writePiece(context, style); });
    }
}
} // namespace contentgen
