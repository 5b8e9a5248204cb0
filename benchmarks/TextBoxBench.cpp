// TextBoxBench.cpp: a screen of wrapped text (about 600 words in four boxes, one per alignment)
// laid out and drawn headless by SDL's software renderer, then presented; and the layout alone.
#include "BenchProgram.hpp"

#include "gui/Fonts.hpp"
#include "gui/TextLayout.hpp"

#include <benchmark/benchmark.h>

#include <string>

namespace
{
// About 150 words of a tale of the lake, different in each box.
std::string words(int seed)
{
    static const char* const vocabulary[] = {
        "the",   "lake",    "lay",    "still",   "under",  "a",     "pale",  "moon",   "and",
        "every", "card",    "turned", "was",     "a",      "step",  "along", "the",    "shore",
        "where", "old",     "reeds",  "whisper", "of",     "kings", "who",   "played", "for",
        "light", "through", "long",   "nights",  "of",     "frost", "until", "the",    "last",
        "ember", "rose",    "gold",   "above",   "Eldmere"};
    constexpr int count = sizeof(vocabulary) / sizeof(vocabulary[0]);
    std::string text;
    unsigned state = static_cast<unsigned>(seed) * 2654435761u + 1;
    for (int i = 0; i < 150; ++i) {
        state = state * 1664525u + 1013904223u;
        if (!text.empty())
            text += ' ';
        text += vocabulary[(state >> 8) % count];
    }
    return text;
}

struct Box
{
    int x, y;
    float width;
    const char* align;
    std::string text;
};

std::vector<Box> screenOfText()
{
    return {{40, 40, 440, "LEFT", words(1)},
            {544, 40, 440, "RIGHT", words(2)},
            {40, 400, 440, "CENTER", words(3)},
            {544, 400, 440, "JUSTIFY", words(4)}};
}

void TextBoxScreen(benchmark::State& state)
{
    bench::BenchProgram game(media::Backend::Headless);
    if (!game.ok()) {
        state.SkipWithError(game.error().c_str());
        return;
    }
    media::Font& font = loadFont("gfx/fonts/font.ttf", 18);
    const std::vector<Box> boxes = screenOfText();
    media::Renderer& gfx = media::gfx();
    for (auto _ : state) {
        gfx.cls();
        int height = 0;
        for (const Box& b : boxes)
            height += drawTextBox(b.text, b.x, b.y, b.width, b.align, font, 2);
        benchmark::DoNotOptimize(height);
        media::display().present();
    }
}
BENCHMARK(TextBoxScreen)->Unit(benchmark::kMillisecond);

void TextBoxLayoutOnly(benchmark::State& state)
{
    bench::BenchProgram game(media::Backend::Headless);
    if (!game.ok()) {
        state.SkipWithError(game.error().c_str());
        return;
    }
    media::Font& font = loadFont("gfx/fonts/font.ttf", 18);
    const std::vector<Box> boxes = screenOfText();
    for (auto _ : state) {
        for (const Box& b : boxes) {
            TextBoxPlacement placed = placeTextBox(b.text, b.x, b.y, b.width, b.align, font, 2);
            benchmark::DoNotOptimize(placed.pieces.data());
        }
    }
}
BENCHMARK(TextBoxLayoutOnly)->Unit(benchmark::kMicrosecond);
} // namespace
