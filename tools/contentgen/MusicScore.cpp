// MusicScore.cpp: how a piece description becomes notes.
//
// Pitches are handled as scale steps (step 0 is the key note in the lowest octave, step 7 the
// next octave), so every melody and chord stays in the mode. A chord is built in thirds on its
// root step: root, root + 2, root + 4 (and + 6 or + 8 for the pads' colour).
//
// The melody generator works in four-bar phrases. Each bar takes a rhythm from a small table
// (busier ones more likely in busier pieces, the phrase's last bar a long note), and each note a
// scale step chosen at random with weights: mostly steps and small leaps, a leap is followed by
// a step back, no dithering between two neighbours, notes on strong beats land on chord tones,
// the line follows an arch over the phrase (rising to a peak, settling lower at its end), and
// the last note of a period falls on the key note when the period closes on the home chord. A second phrase
// starts with the first phrase's opening two bars, so the tune has a motif one can recognise; a theme used
// again over other chords is bent to fit.
#include "MusicScore.hpp"

#include "Random.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>
#include <span>

namespace contentgen
{
namespace
{
// One note of a theme: its bar within the period, its start and length in half beats, its step.
struct ThemeNote
{
    int bar;
    int slot;
    int length;
    int step;
};

struct Theme
{
    std::vector<int> chords;
    std::vector<ThemeNote> notes;
};

using Rhythm = std::vector<int>; // lengths in half beats; a negative length is a rest

// Rhythms of one bar of three beats (six half beats) and of four beats (eight).
const std::vector<Rhythm> rhythms3 = {{2, 2, 2},  {3, 1, 2},    {4, 2},  {2, 4}, {2, 1, 1, 2},
                                      {-2, 2, 2}, {1, 1, 2, 2}, {-2, 4}, {6}};
const std::vector<Rhythm> endings3 = {{6}, {2, 4}, {-2, 4}};
const std::vector<Rhythm> rhythms4 = {
    {2, 2, 2, 2},  {3, 1, 2, 2}, {4, 2, 2},  {2, 2, 4},    {4, 4},  {3, 3, 2}, {2, 1, 1, 4},
    {-2, 2, 2, 2}, {6, 2},       {-4, 2, 2}, {1, 1, 2, 4}, {-2, 6}, {8}};
const std::vector<Rhythm> endings4 = {{8}, {2, 6}, {4, 4}, {-2, 6}};

int mod7(int step)
{
    return ((step % 7) + 7) % 7;
}

class Composer
{
public:
    explicit Composer(const PieceStyle& style) : style_(style), random_(style.seed)
    {
        const int centre = nearestStep(style.leadCentre);
        low_ = centre - 5;
        high_ = centre + 6;
    }

    Score run();

private:
    double pitch(int step) const
    {
        return (style_.tonic % 12) + 12 * (step / 7) + style_.mode[static_cast<std::size_t>(step % 7)];
    }
    int nearestStep(double midi) const
    {
        int best = 0;
        for (int s = 0; s < 90; ++s) {
            if (std::fabs(pitch(s) - midi) < std::fabs(pitch(best) - midi)) {
                best = s;
            }
        }
        return best;
    }
    static bool chordTone(int step, int root)
    {
        const int d = mod7(step - root);
        return d == 0 || d == 2 || d == 4;
    }
    int halfBeats() const { return style_.beats * 2; }
    double slotSeconds() const { return 30.0 / style_.bpm; }

    // Where the melody stands when the next note is chosen.
    struct Line
    {
        int previous;     // the last note's step
        int beforeThat;   // and the one before
        int lastMove = 0; // the last interval, in steps
    };
    // What the next note must fit.
    struct Place
    {
        int root;      // the bar's chord
        bool strong;   // on a strong beat, or long
        bool last;     // closes the phrase
        bool home;     // ...and the period, over the home chord
        double target; // where the phrase's arch would have the line now
    };

    const Rhythm& pickRhythm(bool ending);
    int pickStep(const Line& line, const Place& place);
    // Melody for bars [from, phraseFirst + count) of the phrase starting at phraseFirst.
    std::vector<ThemeNote> phrase(const std::vector<int>& chords, int phraseFirst, int count, int from,
                                  Line& line, bool closing);
    Theme makeTheme(const std::vector<int>& chords);
    Theme refit(const Theme& theme, const std::vector<int>& chords);

    void addMelody(Score& score, const Theme& theme, const Period& period, double start);
    void addAccompaniment(Score& score, int root, const Period& period, double start, int barIndex);
    void addSparkles(Score& score, int root, const Period& period, double start);
    void addShaker(Score& score, const Period& period, double start);
    std::vector<double> ladder(int root, double low) const;
    std::vector<double> padVoicing(int root) const;

    double jitter(double seconds) { return random_.range(-seconds, seconds); }

    const PieceStyle& style_;
    Random random_;
    int low_ = 0;
    int high_ = 0;
};

const Rhythm& Composer::pickRhythm(bool ending)
{
    const bool three = style_.beats == 3;
    const std::vector<Rhythm>& table = ending ? (three ? endings3 : endings4) : (three ? rhythms3 : rhythms4);
    // Busier pieces favour rhythms with more notes.
    const double target = (three ? 1.2 : 1.4) + style_.density * (three ? 2.3 : 3.0);
    std::vector<double> weights;
    double total = 0.0;
    for (const Rhythm& r : table) {
        const double notes =
            static_cast<double>(std::count_if(r.begin(), r.end(), [](int x) { return x > 0; }));
        const double w = std::exp(-0.5 * (notes - target) * (notes - target));
        weights.push_back(w);
        total += w;
    }
    double pick = random_.uniform() * total;
    for (std::size_t i = 0; i < table.size(); ++i) {
        pick -= weights[i];
        if (pick <= 0.0) {
            return table[i];
        }
    }
    return table.back();
}

int Composer::pickStep(const Line& line, const Place& place)
{
    static constexpr double byInterval[] = {0.3, 3.0, 2.2, 1.0, 0.6};
    std::vector<int> steps;
    std::vector<double> weights;
    double total = 0.0;
    for (int s = std::max(low_, line.previous - 4); s <= std::min(high_, line.previous + 4); ++s) {
        const int move = s - line.previous;
        double w = byInterval[std::abs(move)];
        const bool tone = chordTone(s, place.root);
        if (place.last) {
            if (!tone) {
                continue;
            }
            // A period that returns home ends on the key note; others on any chord tone,
            // the root most of all.
            if (place.home) {
                w *= mod7(s) == 0 ? 6.0 : (mod7(s - place.root) == 2 ? 0.6 : 0.0);
            } else {
                w *= mod7(s - place.root) == 0 ? 2.0 : 1.0;
            }
        } else if (place.strong) {
            w *= tone ? 4.0 : 0.08;
        } else {
            w *= tone ? 1.4 : 1.0;
        }
        if (std::abs(line.lastMove) >= 3) {
            // After a leap, step back the other way.
            w *= (move * line.lastMove < 0 && std::abs(move) <= 2) ? 2.5 : 0.35;
        }
        if (s == line.beforeThat && std::abs(move) <= 1) {
            w *= 0.35; // no dithering between two neighbours
        }
        // Follow the phrase's arch.
        const double off = (s - place.target) / 2.8;
        w *= std::exp(-0.5 * off * off);
        if (w > 0.0) {
            steps.push_back(s);
            weights.push_back(w);
            total += w;
        }
    }
    if (steps.empty()) {
        return std::clamp(line.previous, low_, high_);
    }
    double pick = random_.uniform() * total;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        pick -= weights[i];
        if (pick <= 0.0) {
            return steps[i];
        }
    }
    return steps.back();
}

std::vector<ThemeNote> Composer::phrase(const std::vector<int>& chords, int phraseFirst, int count, int from,
                                        Line& line, bool closing)
{
    std::vector<ThemeNote> notes;
    const int lastBar = phraseFirst + count - 1;
    // The phrase rises from a little below the middle of the range to a peak some way
    // through, and settles lower at its end.
    const double base = (low_ + high_) / 2.0 - 1.5;
    const double height = random_.range(2.5, 5.0);
    const double peakAt = random_.range(0.45, 0.7);
    for (int bar = from; bar <= lastBar; ++bar) {
        const bool ending = bar == lastBar;
        // Sparse pieces leave some bars inside a phrase empty.
        if (!ending && bar != phraseFirst && random_.uniform() < (1.0 - style_.density) * 0.45) {
            continue;
        }
        const Rhythm& rhythm = pickRhythm(ending);
        int slot = 0;
        for (std::size_t k = 0; k < rhythm.size(); ++k) {
            const int length = std::abs(rhythm[k]);
            if (rhythm[k] > 0) {
                const double along = ((bar - phraseFirst) * halfBeats() + slot) / double(count * halfBeats());
                const double arch =
                    along < peakAt ? std::sin(0.5 * std::numbers::pi * along / peakAt)
                                   : std::cos(0.5 * std::numbers::pi * (along - peakAt) / (1.0 - peakAt));
                Place place;
                place.root = chords[static_cast<std::size_t>(bar)];
                place.strong = slot == 0 || (style_.beats == 4 && slot == 4) || length >= 4;
                place.last = ending && k + 1 == rhythm.size();
                place.home = closing && mod7(place.root) == 0;
                place.target = base + height * arch;
                const int step = pickStep(line, place);
                line.lastMove = step - line.previous;
                line.beforeThat = line.previous;
                line.previous = step;
                notes.push_back(ThemeNote{bar, slot, length, step});
            }
            slot += length;
        }
    }
    return notes;
}

Theme Composer::makeTheme(const std::vector<int>& chords)
{
    Theme theme;
    theme.chords = chords;
    const int bars = static_cast<int>(chords.size());
    const int start = nearestStep(style_.leadCentre - 3);
    Line line{start, start};
    std::vector<ThemeNote> opening;
    for (int first = 0; first < bars; first += 4) {
        const int count = std::min(4, bars - first);
        const bool closing = first + count == bars;
        if (first == 0 || count < 3 || opening.empty()) {
            std::vector<ThemeNote> part = phrase(chords, first, count, first, line, closing);
            if (first == 0) {
                for (const ThemeNote& n : part) {
                    if (n.bar < 2) {
                        opening.push_back(n);
                    }
                }
            }
            theme.notes.insert(theme.notes.end(), part.begin(), part.end());
            continue;
        }
        // Later phrases open with the first phrase's motif, bent to their chords.
        for (ThemeNote n : opening) {
            n.bar += first;
            const int root = chords[static_cast<std::size_t>(n.bar)];
            if (n.slot == 0 && !chordTone(n.step, root)) {
                n.step += chordTone(n.step + 1, root) ? 1 : -1;
            }
            theme.notes.push_back(n);
            line.beforeThat = line.previous;
            line.previous = n.step;
        }
        line.lastMove = 0;
        std::vector<ThemeNote> rest = phrase(chords, first, count, first + 2, line, closing);
        theme.notes.insert(theme.notes.end(), rest.begin(), rest.end());
    }
    return theme;
}

// The theme again over `chords`: strong notes moved onto the new chord tones; the last bar made
// afresh when the period now closes on another chord.
Theme Composer::refit(const Theme& theme, const std::vector<int>& chords)
{
    Theme out;
    out.chords = chords;
    const int bars = static_cast<int>(chords.size());
    const int themeBars = static_cast<int>(theme.chords.size());
    const bool newEnding = chords.back() != theme.chords.back() || bars != themeBars;
    const int start = nearestStep(style_.leadCentre);
    Line line{start, start};
    for (int first = 0; first < bars; first += themeBars) {
        for (ThemeNote n : theme.notes) {
            n.bar += first;
            if (n.bar >= bars || (newEnding && n.bar == bars - 1)) {
                continue;
            }
            const int root = chords[static_cast<std::size_t>(n.bar)];
            const bool strong = n.slot == 0 || (style_.beats == 4 && n.slot == 4) || n.length >= 4;
            if (strong && !chordTone(n.step, root)) {
                n.step += chordTone(n.step + 1, root) ? 1 : -1;
            }
            out.notes.push_back(n);
            line.beforeThat = line.previous;
            line.previous = n.step;
        }
    }
    if (newEnding) {
        const int phraseFirst = std::max(0, bars - 4);
        std::vector<ThemeNote> ending = phrase(chords, phraseFirst, bars - phraseFirst, bars - 1, line, true);
        out.notes.insert(out.notes.end(), ending.begin(), ending.end());
    }
    return out;
}

void Composer::addMelody(Score& score, const Theme& theme, const Period& period, double start)
{
    const double bar = style_.barSeconds();
    const int phraseBars = 4;
    for (const ThemeNote& n : theme.notes) {
        const double at = start + n.bar * bar + n.slot * slotSeconds();
        // Phrases swell a little towards their middle; downbeats lean a touch.
        const double inPhrase =
            ((n.bar % phraseBars) * halfBeats() + n.slot) / double(phraseBars * halfBeats());
        double velocity = 0.78 + 0.14 * std::sin(std::numbers::pi * inPhrase) + (n.slot == 0 ? 0.06 : 0.0);
        velocity *= period.loudness * random_.range(0.93, 1.03);
        const double held = n.length * slotSeconds() * (period.lead == Voice::Flute ? 0.96 : 1.0);
        score.notes.push_back(ScoreNote{std::max(0.0, at + jitter(0.004)), held, pitch(n.step),
                                        std::min(1.0, velocity), 0.08, period.lead, Part::Lead});
    }
}

std::vector<double> Composer::ladder(int root, double low) const
{
    int s = mod7(root);
    while (pitch(s) < low) {
        s += 7;
    }
    std::vector<double> pitches;
    for (const int up : {0, 4, 7, 9, 11, 14, 16, 18}) {
        pitches.push_back(pitch(s + up));
    }
    return pitches;
}

std::vector<double> Composer::padVoicing(int root) const
{
    // Root, third, fifth and a colour note, each in the octave closest to the pad's centre.
    std::vector<double> pitches;
    for (const int up : {0, 2, 4, style_.addNinth ? 8 : 6}) {
        int s = mod7(root + up);
        double p = pitch(s);
        while (p + 12.0 <= style_.padCentre + 6.0) {
            p += 12.0;
        }
        pitches.push_back(p);
    }
    std::sort(pitches.begin(), pitches.end());
    return pitches;
}

void Composer::addAccompaniment(Score& score, int root, const Period& period, double start, int barIndex)
{
    const std::vector<double> chord = ladder(root, style_.accompanimentLow);
    const Voice voice = style_.accompaniment;
    const double slot = slotSeconds();
    const double loud = period.loudness;
    const auto pan = [](double p) { return std::clamp((p - 66.0) / 28.0, -0.6, 0.6); };
    switch (period.arpeggio) {
    case Arpeggio::None: break;
    case Arpeggio::Flowing: {
        // Rungs of the chord's ladder, a bar at a time; every other bar takes the second shape.
        static constexpr int three[2][6] = {{0, 1, 2, 3, 2, 1}, {0, 2, 1, 3, 4, 2}};
        static constexpr int four[2][8] = {{0, 1, 2, 3, 4, 3, 2, 1}, {0, 1, 2, 1, 3, 2, 4, 2}};
        const int shape = barIndex % 2;
        const std::span<const int> pattern =
            style_.beats == 3 ? std::span<const int>(three[shape]) : std::span<const int>(four[shape]);
        for (std::size_t k = 0; k < pattern.size(); ++k) {
            const double p = chord[static_cast<std::size_t>(pattern[k])];
            const double v = (k == 0 ? 0.85 : (k % 2 == 0 ? 0.66 : 0.55)) * loud * random_.range(0.92, 1.05);
            const double at = std::max(0.0, start + static_cast<double>(k) * slot + jitter(0.005));
            score.notes.push_back(ScoreNote{at, slot, p, v, pan(p), voice, Part::Accompaniment});
        }
        break;
    }
    case Arpeggio::Sparse: {
        int index = 0;
        for (int k = 0; k < halfBeats(); ++k) {
            const bool play =
                k == 0 ? random_.uniform() < 0.85 : random_.uniform() < 0.22 + 0.3 * style_.density;
            if (!play) {
                continue;
            }
            if (k > 0) {
                index = std::clamp(index + (random_.below(5) - 2), 0, 5);
            }
            const double p = chord[static_cast<std::size_t>(index)];
            const double v = (k == 0 ? 0.8 : 0.6) * loud * random_.range(0.85, 1.05);
            const double at = std::max(0.0, start + k * slot + jitter(0.006));
            score.notes.push_back(ScoreNote{at, slot, p, v, pan(p), voice, Part::Accompaniment});
        }
        break;
    }
    case Arpeggio::Rolled: {
        for (int k = 0; k < 5; ++k) {
            const double p = chord[static_cast<std::size_t>(k)];
            const double v = (0.75 - 0.04 * k) * loud * random_.range(0.92, 1.04);
            score.notes.push_back(
                ScoreNote{start + 0.045 * k, slot, p, v, pan(p), voice, Part::Accompaniment});
        }
        if (random_.uniform() < 0.6) {
            const double mid = start + 4 * slot; // the third beat
            for (int k = 2; k < 6; ++k) {
                const double p = chord[static_cast<std::size_t>(k)];
                score.notes.push_back(ScoreNote{mid + 0.04 * (k - 2), slot, p, 0.42 * loud, pan(p), voice,
                                                Part::Accompaniment});
            }
        }
        break;
    }
    }
}

void Composer::addSparkles(Score& score, int root, const Period& period, double start)
{
    int notes = random_.uniform() < 0.65 ? 1 : 0;
    notes += random_.uniform() < 0.3 ? 1 : 0;
    for (int k = 0; k < notes; ++k) {
        int s = nearestStep(style_.leadCentre + 9 + random_.below(10));
        while (!chordTone(s, root)) {
            ++s;
        }
        const double at = start + random_.below(halfBeats()) * slotSeconds();
        score.notes.push_back(ScoreNote{at, slotSeconds(), pitch(s),
                                        random_.range(0.45, 0.75) * period.loudness, random_.range(-0.7, 0.7),
                                        Voice::Celesta, Part::Sparkle});
    }
}

void Composer::addShaker(Score& score, const Period& period, double start)
{
    for (int k = 0; k < halfBeats(); ++k) {
        const double v = (k % 2 == 1 ? 0.8 : 0.45) * period.loudness * random_.range(0.85, 1.1);
        score.notes.push_back(ScoreNote{start + k * slotSeconds() + jitter(0.004) + 0.005, 0.05, 0.0, v, 0.35,
                                        Voice::Shaker, Part::Shaker});
    }
}

Score Composer::run()
{
    Score score;
    const double bar = style_.barSeconds();
    score.seconds = style_.bars() * bar;
    std::map<char, Theme> themes;
    int barIndex = 0;
    int previousRoot = -1;
    for (const Period& period : style_.form) {
        const double periodStart = barIndex * bar;
        if (period.theme != ' ' && period.lead != Voice::None && style_.leadLevel > 0.0) {
            auto found = themes.find(period.theme);
            Theme theme;
            if (found == themes.end()) {
                theme = makeTheme(period.chords);
                themes.emplace(period.theme, theme);
            } else {
                theme = found->second.chords == period.chords ? found->second
                                                              : refit(found->second, period.chords);
            }
            addMelody(score, theme, period, periodStart);
        }
        for (std::size_t b = 0; b < period.chords.size(); ++b, ++barIndex) {
            const int root = period.chords[b];
            const double start = barIndex * bar;
            addAccompaniment(score, root, period, start, barIndex);
            if (period.sparkles && style_.sparkleLevel > 0.0) {
                addSparkles(score, root, period, start);
            }
            if (period.shaker && style_.shakerLevel > 0.0) {
                addShaker(score, period, start);
            }
            // The bass and the pad move when the chord does (and the bass speaks again every
            // second bar of a held chord).
            const bool change = root != previousRoot;
            if (change || barIndex % 2 == 0) {
                double p = pitch(mod7(root));
                while (p < 36.0) {
                    p += 12.0;
                }
                score.notes.push_back(
                    ScoreNote{start, bar * 0.95, p, 0.8 * period.loudness, 0.0, Voice::Bass, Part::Bass});
            }
            if (change) {
                score.pads.push_back(ScoreChord{start, bar, padVoicing(root), period.loudness});
            } else if (!score.pads.empty()) {
                score.pads.back().length += bar;
            }
            previousRoot = root;
        }
    }
    std::stable_sort(score.notes.begin(), score.notes.end(),
                     [](const ScoreNote& a, const ScoreNote& b) { return a.start < b.start; });
    return score;
}
} // namespace

int PieceStyle::bars() const
{
    int total = 0;
    for (const Period& p : form) {
        total += static_cast<int>(p.chords.size());
    }
    return total;
}

Score compose(const PieceStyle& style)
{
    return Composer(style).run();
}
} // namespace contentgen
