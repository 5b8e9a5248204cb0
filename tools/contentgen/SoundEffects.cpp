// SoundEffects.cpp: the "sounds" group's effects, sfx/<name>.ogg: every click, card swish,
// chime and fanfare the game plays by name.
//
// The game is played for an hour at a time, so nothing here is harsh: noise is always band-
// limited (little above 8 kHz), thuds are soft-edged, chimes are bells with a slow shimmer
// rather than beeps, and the frequent small sounds (clicks, card swishes) are the quietest.
// Each effect starts and ends in silence (a short raised-cosine fade at both ends) and is
// levelled by its loudness (the loudest 50 ms), with its peak kept at or below -3 dBFS, so a
// dense swish and a sparse chime of the same target sound about as loud.
//
// Short foley is mono; chimes and fanfares are stereo, placed and given a small hall.

#include "Groups.hpp"

#include "Context.hpp"
#include "Filter.hpp"
#include "OggFile.hpp"
#include "Random.hpp"
#include "Registry.hpp"
#include "Reverb.hpp"
#include "Sound.hpp"
#include "SoundSynth.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace contentgen
{
namespace
{
using synth::midiToHz;
using synth::Partial;
using synth::rise;
using synth::Strike;

constexpr double twoPi = 2.0 * std::numbers::pi;
constexpr double rate = Sound::rate;
constexpr double effectQuality = 0.5; // Vorbis quality: the files are small anyway
constexpr double ceilingDb = -3.6;    // so that no effect peaks above -3 dBFS once encoded

// ---------------------------------------------------------------------------------------------
// Building blocks.

// Noise through a moving filter, with a raised-cosine attack and an exponential decay.
// Built in steps: Noise::band(2000, 3000, 1.2).at(0.1, 0.05).shape(0.002, 0.01).level(0.5).
struct Noise
{
    enum class Kind
    {
        Low,
        Band,
        High,
    };
    Kind kind = Kind::Band;
    double fromHz = 2000.0; // the filter's frequency at the start...
    double toHz = 2000.0;   // ...gliding (exponentially) to this at the end
    double q = 1.0;
    double start = 0.0;
    double length = 0.1; // seconds; the last few milliseconds fade to nothing
    double attack = 0.005;
    double decay = 0.05; // seconds for the level to fall by a factor e after the attack
    double gain = 1.0;
    double pan = 0.0;

    static Noise band(double from, double to, double q) { return Noise{Kind::Band, from, to, q}; }
    static Noise low(double from, double to, double q) { return Noise{Kind::Low, from, to, q}; }
    static Noise high(double from, double to, double q) { return Noise{Kind::High, from, to, q}; }
    Noise at(double startSeconds, double lengthSeconds) const
    {
        Noise n = *this;
        n.start = startSeconds;
        n.length = lengthSeconds;
        return n;
    }
    Noise shape(double attackSeconds, double decaySeconds) const
    {
        Noise n = *this;
        n.attack = attackSeconds;
        n.decay = decaySeconds;
        return n;
    }
    Noise level(double g, double p = 0.0) const
    {
        Noise n = *this;
        n.gain = g;
        n.pan = p;
        return n;
    }
};

void noise(Sound& out, Random& random, const Noise& n)
{
    const std::size_t frames = static_cast<std::size_t>(n.length * rate);
    Sound burst(1, frames);
    std::vector<float>& samples = burst.channel(0);
    Filter filter;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        if (i % 16 == 0) {
            filter.tune(n.fromHz * std::pow(n.toHz / n.fromHz, t / n.length), n.q);
        }
        const Filter::Outputs o = filter.step(random.range(-1.0, 1.0));
        const double x = n.kind == Noise::Kind::Low    ? o.low
                         : n.kind == Noise::Kind::High ? o.high
                                                       : o.band / n.q;
        const double envelope = rise(t, n.attack) * std::exp(-std::max(0.0, t - n.attack) / n.decay);
        samples[i] = static_cast<float>(x * envelope);
    }
    burst.fade(0.0, std::min(0.01, n.length / 3.0));
    out.mix(burst, std::llround(n.start * rate), n.gain, n.pan);
}

// A sine whose pitch glides exponentially from one frequency to another while it dies away:
// bubbles and droplets going up, thuds going down.
// Built in steps: Chirp::glide(500, 1300, 0.04).at(0.1).shape(0.002, 0.03).level(0.8).
struct Chirp
{
    double fromHz = 500.0;
    double toHz = 1000.0;
    double glideSeconds = 0.04;
    double start = 0.0;
    double attack = 0.002;
    double decay = 0.05; // seconds for a fall by a factor e
    double gain = 1.0;
    double pan = 0.0;
    double second = 0.0; // level of the 2nd harmonic (a little body for thuds)

    static Chirp glide(double from, double to, double seconds) { return Chirp{from, to, seconds}; }
    Chirp at(double startSeconds) const
    {
        Chirp c = *this;
        c.start = startSeconds;
        return c;
    }
    Chirp shape(double attackSeconds, double decaySeconds) const
    {
        Chirp c = *this;
        c.attack = attackSeconds;
        c.decay = decaySeconds;
        return c;
    }
    Chirp level(double g, double p = 0.0) const
    {
        Chirp c = *this;
        c.gain = g;
        c.pan = p;
        return c;
    }
    Chirp body(double secondHarmonic) const
    {
        Chirp c = *this;
        c.second = secondHarmonic;
        return c;
    }
};

void chirp(Sound& out, const Chirp& c)
{
    const double seconds = c.attack + 7.0 * c.decay; // about 60 dB down
    const std::size_t frames = static_cast<std::size_t>(seconds * rate);
    Sound tone(1, frames);
    std::vector<float>& samples = tone.channel(0);
    double phase = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double hz = c.fromHz * std::pow(c.toHz / c.fromHz, std::min(1.0, t / c.glideSeconds));
        phase += twoPi * hz / rate;
        const double envelope = rise(t, c.attack) * std::exp(-std::max(0.0, t - c.attack) / c.decay);
        samples[i] = static_cast<float>((std::sin(phase) + c.second * std::sin(2.0 * phase)) * envelope);
    }
    tone.fade(0.0, std::min(0.01, seconds / 4.0));
    out.mix(tone, std::llround(c.start * rate), c.gain, c.pan);
}

// A small bell, pitched by MIDI number, that rings for about `ring` seconds.
void bell(Sound& out, double start, double note, double ring, double gain, double pan)
{
    const double hz = midiToHz(note);
    synth::strike(out, start, hz, synth::bell(ring), gain, pan,
                  Strike{.attack = 0.0015, .longest = ring * 1.6});
}

void celesta(Sound& out, double start, double note, double gain, double pan, double longest = 1.5)
{
    const double hz = midiToHz(note);
    synth::strike(out, start, hz, synth::celesta(hz), gain, pan, Strike{.attack = 0.002, .longest = longest});
}

void harp(Sound& out, double start, double note, double gain, double pan, double longest = 2.0)
{
    const double hz = midiToHz(note);
    synth::strike(out, start, hz, synth::harp(hz), gain, pan,
                  Strike{.attack = 0.003, .longest = longest, .brightness = 0.85});
}

// A soft brass-like voice: two saws through a low-pass that opens as the note swells.
void horn(Sound& out, double start, double length, std::vector<double> notes, double gain, std::uint64_t seed)
{
    std::vector<double> hzs;
    for (const double n : notes) {
        hzs.push_back(midiToHz(n));
    }
    const synth::Saws tone{.attack = 0.045,
                           .release = 0.18,
                           .cutoff = 2200.0,
                           .bloom = 0.35,
                           .drift = 0.0,
                           .resonance = 0.6,
                           .detune = 7.0,
                           .voices = 1,
                           .vibrato = 9.0};
    synth::saws(out, start, length, hzs, gain, tone, seed);
}

// A pad chord under the fanfares.
void pad(Sound& out, double start, double length, std::vector<double> notes, double gain, std::uint64_t seed)
{
    std::vector<double> hzs;
    for (const double n : notes) {
        hzs.push_back(midiToHz(n));
    }
    const synth::Saws tone{.attack = 0.12,
                           .release = 0.5,
                           .cutoff = 1500.0,
                           .bloom = 0.6,
                           .drift = 0.1,
                           .driftRate = 0.5,
                           .resonance = 0.7,
                           .detune = 10.0,
                           .voices = 1};
    synth::saws(out, start, length, hzs, gain, tone, seed);
}

// Adds a small hall to a sound (which must have room at its end for the tail).
void hall(Sound& sound, double room, double wet)
{
    const Reverb reverb(Reverb::Settings{
        .room = room, .damping = 0.5, .width = 1.0, .preDelay = 0.012, .lowCut = 250.0, .highCut = 8000.0});
    Sound tail = reverb.process(sound);
    sound.mix(tail, 0, wet);
}

// ---------------------------------------------------------------------------------------------
// The effects. Each draws into a silent sound of its final length.

void click(Sound& s)
{
    Random random(0xc11c);
    // A small wooden tap: a short, slightly inharmonic tone and a breath of noise.
    const std::vector<Partial> tap = {{1.0, 1.0, 0.03}, {2.32, 0.35, 0.018}, {4.1, 0.12, 0.01}};
    synth::strike(s, 0.001, 1250.0, tap, 1.0, 0.0, Strike{.attack = 0.0008, .longest = 0.045});
    noise(s, random, Noise::band(3200.0, 2400.0, 1.2).at(0.001, 0.02).shape(0.0008, 0.004).level(0.5));
}

void over(Sound& s)
{
    // The lightest touch: a high, quickly fading glint.
    const std::vector<Partial> glint = {{1.0, 1.0, 0.02}, {2.0, 0.15, 0.01}};
    synth::strike(s, 0.001, 2350.0, glint, 1.0, 0.0, Strike{.attack = 0.0015, .longest = 0.027});
}

void test(Sound& s)
{
    // A clear, rounded "ding" on A5.
    const double hz = midiToHz(81);
    const std::vector<Partial> ding = {{1.0, 1.0, 0.35}, {2.0, 0.12, 0.15}, {3.0, 0.04, 0.08}};
    synth::strike(s, 0.0, hz, ding, 1.0, 0.0, Strike{.attack = 0.004, .hold = 0.085, .release = 0.05});
}

void cardsMove(Sound& s)
{
    // A riffle: a dozen cards swishing past one another, quickening then slowing, each ending
    // in a tiny tick, the whole drifting a little from left to right.
    Random random(0xdea1);
    double t = 0.015;
    const int cards = 13;
    for (int k = 0; k < cards; ++k) {
        const double along = static_cast<double>(k) / (cards - 1);
        const double level = 0.75 + 0.25 * std::sin(std::numbers::pi * along);
        const double pan = -0.35 + 0.7 * along + random.range(-0.1, 0.1);
        const double centre = random.range(2200.0, 3800.0);
        noise(s, random,
              Noise::band(centre * 0.7, centre * 1.15, 1.1)
                  .at(t, 0.07)
                  .shape(random.range(0.012, 0.02), 0.018)
                  .level(level, pan));
        noise(s, random,
              Noise::band(1300.0, 1100.0, 2.0)
                  .at(t + 0.03, 0.02)
                  .shape(0.0008, 0.004)
                  .level(0.45 * level, pan));
        // Quick in the middle of the riffle, slower at its ends.
        t += 0.062 - 0.026 * std::sin(std::numbers::pi * along) + random.range(-0.006, 0.006);
    }
    // The cards settle.
    chirp(s, Chirp::glide(170.0, 110.0, 0.03).at(t + 0.01).shape(0.003, 0.014).level(0.25).body(0.2));
    noise(s, random, Noise::low(1200.0, 500.0, 0.7).at(t + 0.01, 0.08).shape(0.002, 0.02).level(0.5));
}

void cardFly(Sound& s, int which)
{
    // A card cutting the air: band-passed noise whose pitch glides, swelling then fading,
    // over a little low body. The two versions differ in their glide and shape.
    Random random(which == 0 ? 0xf1a0 : 0xf1a1);
    const double length = s.seconds() - 0.005;
    if (which == 0) {
        noise(s, random, Noise::band(1200.0, 3600.0, 0.9).at(0.0, length).shape(0.06, 0.035).level(1.0));
    } else {
        noise(s, random, Noise::band(2600.0, 1300.0, 1.3).at(0.0, length).shape(0.045, 0.05).level(1.0));
    }
    noise(s, random, Noise::low(700.0, 500.0, 0.7).at(0.0, length).shape(0.05, 0.04).level(0.3));
}

void cardHolder(Sound& s)
{
    // A card landing on the pile: a soft low thump, muffled paper and a faint crisp edge.
    Random random(0x401d);
    chirp(s, Chirp::glide(160.0, 105.0, 0.03).at(0.0).shape(0.002, 0.018).level(0.8).body(0.25));
    noise(s, random, Noise::low(1100.0, 600.0, 0.7).at(0.0, 0.06).shape(0.0015, 0.012).level(0.9));
    noise(s, random, Noise::band(3000.0, 2600.0, 1.5).at(0.0, 0.03).shape(0.001, 0.005).level(0.25));
}

void deckCard(Sound& s)
{
    // A card turned over: a quick rising swish, then the light snap as it lies down.
    Random random(0xdec4);
    noise(s, random, Noise::band(1800.0, 3800.0, 1.0).at(0.0, 0.09).shape(0.035, 0.02).level(0.8));
    noise(s, random, Noise::band(2100.0, 1700.0, 1.6).at(0.085, 0.05).shape(0.001, 0.007).level(0.8));
    chirp(s, Chirp::glide(420.0, 300.0, 0.02).at(0.085).shape(0.001, 0.012).level(0.35));
}

void bad(Sound& s)
{
    // A gentle "no": two soft wooden notes stepping down a minor third over a muffled thud.
    const std::vector<Partial> wood = {{1.0, 1.0, 0.22}, {3.93, 0.14, 0.05}, {2.0, 0.08, 0.08}};
    synth::strike(s, 0.0, midiToHz(55), wood, 0.9, 0.0, Strike{.attack = 0.004, .longest = 0.12});
    synth::strike(s, 0.1, midiToHz(52), wood, 1.0, 0.0, Strike{.attack = 0.004, .longest = 0.14});
    chirp(s, Chirp::glide(120.0, 80.0, 0.06).at(0.0).shape(0.004, 0.045).level(0.6).body(0.15));
}

void coin(Sound& s, int which)
{
    // A bright bell with a shimmer (its partials' detuned twins beat slowly), a higher bell
    // a moment later, and a faint glitter of noise. The second coin sits a whole tone higher.
    Random random(which == 1 ? 0xc011 : 0xc012);
    const double note = which == 1 ? 88.0 : 90.0; // E6, F#6
    bell(s, 0.0, note, 0.3, 1.0, -0.1);
    bell(s, 0.028, note + 7.0, 0.2, 0.35, 0.25);
    noise(s, random, Noise::high(7000.0, 6000.0, 0.7).at(0.0, 0.12).shape(0.002, 0.025).level(0.05));
    hall(s, 0.45, 0.25);
}

void comboStart(Sound& s)
{
    // A rising chime: an arpeggio climbing an octave, left to right.
    const double notes[] = {84, 88, 91, 96}; // C6 E6 G6 C7
    for (int k = 0; k < 4; ++k) {
        bell(s, 0.01 + 0.055 * k, notes[k], 0.28, 0.75 + 0.08 * k, -0.5 + 0.33 * k);
    }
    celesta(s, 0.01, 72, 0.35, 0.0, 0.45);
    hall(s, 0.55, 0.3);
}

void endCombo(Sound& s)
{
    // A sweeping shimmer: a run down a pentatonic scale from high to middle, right to left,
    // over a soft falling whoosh.
    Random random(0xe4dc);
    const int pentatonic[] = {0, 2, 4, 7, 9};
    const int count = 14;
    for (int k = 0; k < count; ++k) {
        const int degree = count - 1 - k;
        const double note = 72 + 12 * (degree / 5) + pentatonic[degree % 5];
        const double along = static_cast<double>(k) / (count - 1);
        bell(s, 0.01 + 0.028 * k, note, 0.22, 0.55 - 0.15 * along, 0.6 - 1.2 * along);
    }
    noise(s, random, Noise::band(6500.0, 1800.0, 0.8).at(0.0, 0.5).shape(0.12, 0.12).level(0.12));
    hall(s, 0.6, 0.35);
}

void useWildcard(Sound& s)
{
    // A metallic shimmer: three bells a fifth and an octave apart, trembling together.
    Sound ring(2, s.frames());
    bell(ring, 0.005, 81, 0.35, 0.8, -0.3);
    bell(ring, 0.02, 88, 0.3, 0.5, 0.3);
    bell(ring, 0.035, 93, 0.25, 0.35, 0.0);
    for (int c = 0; c < ring.channels(); ++c) {
        std::vector<float>& x = ring.channel(c);
        for (std::size_t i = 0; i < x.size(); ++i) {
            const double t = static_cast<double>(i) / rate;
            const double tremble = 1.0 - 0.3 * (0.5 - 0.5 * std::cos(twoPi * 13.0 * t + c * 1.2));
            x[i] = static_cast<float>(x[i] * tremble);
        }
    }
    s.mix(ring, 0);
    hall(s, 0.55, 0.3);
}

void specCardFind(Sound& s)
{
    // A sparkle: tiny high pings scattered in time (thick at first, thinning out) over a
    // soft rising tone.
    Random random(0x5ca7);
    const int pentatonic[] = {0, 2, 4, 7, 9};
    for (int k = 0; k < 12; ++k) {
        const double at = 0.3 * std::pow(random.uniform(), 1.6);
        const int octave = random.below(2);
        const double hz = midiToHz(91 + 12 * octave + pentatonic[random.below(5)]);
        const std::vector<Partial> ping = {{1.0, 1.0, random.range(0.08, 0.16)}, {2.76, 0.2, 0.04}};
        const double gain = random.range(0.35, 0.7);
        const double pan = random.range(-0.7, 0.7);
        synth::strike(s, at, hz, ping, gain, pan, Strike{.attack = 0.0015, .longest = 0.25});
    }
    chirp(s, Chirp::glide(700.0, 1400.0, 0.25).at(0.0).shape(0.05, 0.1).level(0.18));
    hall(s, 0.55, 0.3);
}

void rocksUncover(Sound& s)
{
    // A magical reveal: a low whoosh swelling open, a harp run climbing through it, and a
    // bell chord with a sparkle as the hidden thing appears.
    Random random(0x40c5);
    noise(s, random, Noise::low(300.0, 2400.0, 1.1).at(0.0, 0.55).shape(0.25, 0.12).level(0.4));
    const double run[] = {67, 72, 76, 79, 84};
    for (int k = 0; k < 5; ++k) {
        harp(s, 0.02 + 0.06 * k, run[k], 0.55, -0.4 + 0.2 * k, 1.0);
    }
    for (const double note : {84.0, 88.0, 91.0}) {
        bell(s, 0.33, note, 0.35, 0.35, (note - 88.0) / 6.0);
    }
    for (int k = 0; k < 6; ++k) {
        const double hz = midiToHz(96 + 2 * random.below(6));
        const double at = 0.34 + random.range(0.0, 0.15);
        const double pan = random.range(-0.7, 0.7);
        const std::vector<Partial> ping = {{1.0, 1.0, 0.1}};
        synth::strike(s, at, hz, ping, 0.18, pan, Strike{.attack = 0.0015, .longest = 0.2});
    }
    hall(s, 0.6, 0.3);
}

void goalAchieved(Sound& s)
{
    // A short fanfare: a soft horn calls C-E-G, the G held over a major chord, a harp
    // sweeping up beneath and a bell on top.
    horn(s, 0.0, 0.12, {72}, 0.5, 0x90a1);
    horn(s, 0.14, 0.12, {76}, 0.5, 0x90a2);
    horn(s, 0.28, 0.62, {79}, 0.55, 0x90a3);
    pad(s, 0.28, 0.62, {60, 64, 67}, 0.35, 0x90a4);
    const double roll[] = {48, 55, 60, 64, 67, 72};
    for (int k = 0; k < 6; ++k) {
        harp(s, 0.28 + 0.03 * k, roll[k], 0.35, -0.5 + 0.2 * k, 1.2);
    }
    bell(s, 0.3, 91, 0.5, 0.25, 0.3);
    hall(s, 0.65, 0.3);
}

void endLevelNormal(Sound& s)
{
    // A warm cadence, the "amen" close: F major settling onto C major, harp and pad, the
    // celesta stepping down A to G above.
    const double four[] = {41, 53, 57, 60, 65};
    const double one[] = {36, 52, 55, 60, 64, 67};
    for (int k = 0; k < 5; ++k) {
        harp(s, 0.01 + 0.035 * k, four[k], 0.45, -0.4 + 0.2 * k, 1.0);
    }
    pad(s, 0.0, 0.38, {53, 57, 60, 65}, 0.3, 0xe0a1);
    celesta(s, 0.02, 81, 0.45, 0.2);
    for (int k = 0; k < 6; ++k) {
        harp(s, 0.45 + 0.035 * k, one[k], 0.5, -0.5 + 0.2 * k, 1.2);
    }
    pad(s, 0.45, 0.45, {52, 55, 60, 64}, 0.32, 0xe0a2);
    celesta(s, 0.46, 79, 0.5, 0.2, 1.0);
    hall(s, 0.7, 0.3);
}

void endLevelPerfect(Sound& s)
{
    // A joyous fanfare: the horn climbs G-C-E-G to a held high C over a full C major chord;
    // harp sweeps, bass, and bells glittering all the way to the end.
    Random random(0xbe57);
    const double climb[] = {67, 72, 76, 79};
    for (int k = 0; k < 4; ++k) {
        horn(s, 0.12 * k, 0.1, {climb[k]}, 0.45, 0x9e00 + k);
    }
    horn(s, 0.48, 1.05, {84, 76}, 0.5, 0x9e10);
    pad(s, 0.48, 1.05, {60, 64, 67, 72}, 0.35, 0x9e11);
    const std::vector<Partial> bass = synth::softBass(midiToHz(36));
    synth::strike(s, 0.48, midiToHz(36), bass, 0.5, 0.0, Strike{.attack = 0.02, .hold = 1.0, .release = 0.4});
    const double roll[] = {48, 55, 60, 64, 67, 72, 76, 79};
    for (int k = 0; k < 8; ++k) {
        harp(s, 0.48 + 0.03 * k, roll[k], 0.35, -0.6 + 0.17 * k, 1.4);
    }
    const int pentatonic[] = {0, 2, 4, 7, 9};
    for (int k = 0; k < 14; ++k) {
        const double at = 0.5 + 1.2 * k / 14.0 + random.range(0.0, 0.05);
        const int octave = random.below(2);
        const double note = 84 + 12 * octave + pentatonic[random.below(5)];
        bell(s, at, note, 0.3, 0.16, random.range(-0.8, 0.8));
    }
    hall(s, 0.7, 0.32);
}

void stone(Sound& s)
{
    // Rock cracking: a sharp but rounded snap with two resonances, a dull thump beneath and
    // a few crumbs falling after.
    Random random(0x5701);
    noise(s, random, Noise::band(1500.0, 1300.0, 2.5).at(0.0, 0.06).shape(0.0008, 0.012).level(2.2));
    noise(s, random, Noise::band(3100.0, 2800.0, 3.0).at(0.0, 0.05).shape(0.0008, 0.008).level(1.3));
    chirp(s, Chirp::glide(120.0, 75.0, 0.03).at(0.0).shape(0.002, 0.018).level(0.3).body(0.2));
    for (int k = 0; k < 6; ++k) {
        const double at = 0.03 + 0.2 * std::pow(random.uniform(), 1.3);
        const double from = random.range(1800.0, 4200.0);
        const double to = random.range(1500.0, 3000.0);
        const double gain = random.range(0.4, 0.9) * (1.0 - at);
        noise(s, random, Noise::band(from, to, 2.0).at(at, 0.025).shape(0.0006, 0.004).level(gain));
    }
}

void snow(Sound& s)
{
    // A soft puff of snow: muffled breathy noise that darkens as it settles, with a glint.
    Random random(0x5a0e);
    noise(s, random, Noise::low(2600.0, 500.0, 0.8).at(0.0, 0.33).shape(0.03, 0.07).level(1.0));
    for (const double note : {100.0, 103.0}) {
        const std::vector<Partial> ping = {{1.0, 1.0, 0.09}};
        synth::strike(s, 0.04 + 0.05 * (note - 100.0) / 3.0, midiToHz(note), ping, 0.06, 0.0,
                      Strike{.attack = 0.002, .longest = 0.15});
    }
}

void plusk(Sound& s)
{
    // Water: the "plip" of a drop (a rising bubble tone), the splash, and two small droplets.
    Random random(0x9105);
    chirp(s, Chirp::glide(520.0, 1350.0, 0.04).at(0.0).shape(0.002, 0.025).level(0.8));
    noise(s, random, Noise::band(3000.0, 1800.0, 0.8).at(0.005, 0.2).shape(0.004, 0.045).level(0.55));
    chirp(s, Chirp::glide(900.0, 1900.0, 0.025).at(0.13).shape(0.002, 0.018).level(0.3));
    chirp(s, Chirp::glide(1100.0, 2300.0, 0.02).at(0.21).shape(0.002, 0.014).level(0.18));
}

// ---------------------------------------------------------------------------------------------

struct Effect
{
    const char* name;
    int channels;
    double seconds;
    double loudnessDb; // the loudest 50 ms, as RMS in dBFS (the peak then capped at -3 dBFS)
    std::function<void(Sound&)> draw;
};

const std::vector<Effect>& effects()
{
    static const std::vector<Effect> list = {
        {"click", 1, 0.05, -18.0, click},
        {"over", 1, 0.03, -30.0, over},
        {"test", 1, 0.12, -14.0, test},
        {"cards-move", 2, 0.85, -17.0, cardsMove},
        {"card-fly-0", 1, 0.16, -18.0, [](Sound& s) { cardFly(s, 0); }},
        {"card-fly-1", 1, 0.19, -18.0, [](Sound& s) { cardFly(s, 1); }},
        {"card-holder", 1, 0.09, -17.0, cardHolder},
        {"deck-card", 1, 0.16, -17.0, deckCard},
        {"bad", 1, 0.26, -15.0, bad},
        {"coin-1", 2, 0.32, -14.0, [](Sound& s) { coin(s, 1); }},
        {"coin-2", 2, 0.32, -14.0, [](Sound& s) { coin(s, 2); }},
        {"combo-start", 2, 0.45, -14.0, comboStart},
        {"end-combo", 2, 0.65, -14.0, endCombo},
        {"use-wildcard", 2, 0.45, -14.0, useWildcard},
        {"spec-card-find", 2, 0.5, -14.0, specCardFind},
        {"rocks-uncover", 2, 0.75, -14.0, rocksUncover},
        {"goal-achieved", 2, 1.3, -13.0, goalAchieved},
        {"end-level-normal", 2, 1.4, -13.0, endLevelNormal},
        {"end-level-perfect", 2, 2.2, -13.0, endLevelPerfect},
        {"stone", 1, 0.35, -15.0, stone},
        {"snow", 1, 0.35, -17.0, snow},
        {"plusk", 1, 0.38, -15.0, plusk},
    };
    return list;
}

// The RMS of the loudest 50 ms stretch (all channels together).
double loudest(const Sound& s)
{
    const std::size_t window = static_cast<std::size_t>(0.05 * rate);
    const std::size_t hop = window / 4;
    double best = 0.0;
    for (std::size_t start = 0; start == 0 || start + window <= s.frames(); start += hop) {
        const std::size_t end = std::min(s.frames(), start + window);
        double sum = 0.0;
        for (int c = 0; c < s.channels(); ++c) {
            for (std::size_t i = start; i < end; ++i) {
                sum += static_cast<double>(s.channel(c)[i]) * s.channel(c)[i];
            }
        }
        best = std::max(best, std::sqrt(sum / static_cast<double>((end - start) * s.channels())));
    }
    return best;
}

void makeEffect(Context& context, const Effect& effect)
{
    Sound sound = Sound::ofSeconds(effect.channels, effect.seconds);
    effect.draw(sound);
    synth::dcBlock(sound);
    // Soft edges: a few milliseconds in (the attacks above are already gentle) and a longer
    // fade at the end, so even a truncated ring ends in silence.
    sound.fade(0.0015, std::min(0.06, 0.2 * effect.seconds));
    const double peak = sound.peak();
    const double loud = loudest(sound);
    const std::string relative = std::string("sfx/") + effect.name + ".ogg";
    if (peak <= 0.0 || loud <= 0.0) {
        context.fail(relative + ": the effect is silent");
        return;
    }
    sound.scale(std::min(synth::dbToGain(effect.loudnessDb) / loud, synth::dbToGain(ceilingDb) / peak));
    std::string error;
    if (!saveOgg(sound, context.output(relative), effectQuality,
                 {{"TITLE", effect.name}, {"ALBUM", "Eldmere"}}, error)) {
        context.fail(error);
    }
}
} // namespace

void addSoundEffects(Registry& registry)
{
    for (const Effect& effect : effects()) {
        registry.add("sounds", std::string("sfx/") + effect.name + ".ogg",
                     [&effect](Context& context) { makeEffect(context, effect); });
    }
}
} // namespace contentgen
