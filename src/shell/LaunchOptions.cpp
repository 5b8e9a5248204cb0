// LaunchOptions.cpp
#include "shell/LaunchOptions.hpp"

#include <charconv>
#include <cstdlib>

namespace shell
{
namespace
{
template <typename Number>
bool parseNumber(const std::string& text, Number& out)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}
} // namespace

bool parseCommandLine(int argc, const char* const* argv, LaunchOptions& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string flag = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = flag + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string text;
        if (flag == "--headless") {
            options.headless = true;
        } else if (flag == "--fixed-step") {
            options.fixedStep = true;
        } else if (flag == "--windowed") {
            options.fullScreen = false;
        } else if (flag == "--fullscreen") {
            options.fullScreen = true;
        } else if (flag == "--help" || flag == "-h") {
            options.help = true;
        } else if (flag == "--seed") {
            std::uint32_t seed = 0;
            if (!value(text))
                return false;
            if (!parseNumber(text, seed)) {
                error = "--seed takes a whole number from 0 to 4294967295, not '" + text + "'";
                return false;
            }
            options.seed = seed;
        } else if (flag == "--frames") {
            long long frames = 0;
            if (!value(text))
                return false;
            if (!parseNumber(text, frames) || frames < 1) {
                error = "--frames takes a whole number of at least 1, not '" + text + "'";
                return false;
            }
            options.frames = frames;
        } else if (flag == "--screenshot") {
            if (!value(options.screenshot))
                return false;
        } else if (flag == "--input") {
            if (!value(options.inputScript))
                return false;
        } else if (flag == "--autoplay") {
            options.autoplay = true;
        } else if (flag == "--autoplay=solver") {
            options.autoplay = true;
            options.autoplaySolver = true;
        } else if (flag == "--replay") {
            options.replay = true;
        } else if (flag == "--timings") {
            options.timings = true;
        } else if (flag == "--rules-only") {
            options.rulesOnly = true;
        } else if (flag == "--trace") {
            if (!value(options.trace))
                return false;
        } else if (flag == "--solve") {
            if (!value(options.solve))
                return false;
        } else if (flag == "--deals") {
            if (!value(text))
                return false;
            if (!parseNumber(text, options.deals) || options.deals < 1 || options.deals > 100000) {
                error = "--deals takes a whole number from 1 to 100000, not '" + text + "'";
                return false;
            }
        } else if (flag == "--level") {
            if (!value(options.level))
                return false;
        } else if (flag == "--gui") {
            if (!value(options.gui))
                return false;
        } else if (flag == "--profile") {
            if (!value(options.profileName))
                return false;
        } else if (flag == "--user-dir") {
            if (!value(options.userDir))
                return false;
        } else {
            error = "unknown option '" + flag + "' (try --help)";
            return false;
        }
    }
    if (options.rulesOnly && (!options.autoplay || options.level.empty())) {
        error = "--rules-only plays one level by itself: it needs --autoplay and --level";
        return false;
    }
    if (options.replay && (options.solve.empty() || options.deals != 1)) {
        error = "--replay plays the line of one deal: it needs --solve and no --deals";
        return false;
    }
    if (options.replay) {
        // The line is played by our own player, in a window unless --headless says otherwise.
        options.autoplay = true;
        options.autoplaySolver = true;
    } else if (!options.solve.empty()) {
        // Deciding deals needs no window.
        options.headless = true;
    }
    if (!options.profileName.empty() && !options.autoplay) {
        error = "--profile names the player our own player types in: it needs --autoplay";
        return false;
    }
    if (options.userDir.empty()) {
        if (const char* env = std::getenv("ELDMERE_USER_DIR"); env && env[0])
            options.userDir = env;
    }
    return true;
}

std::string usageText()
{
    return "Usage: eldmere [options]\n"
           "  --windowed          play in a 1024 x 768 window this time\n"
           "  --fullscreen        play full screen this time\n"
           "  --headless          run without a window; silent unless ALSOFT_DRIVERS is set\n"
           "  --fixed-step        every frame is exactly 1/60 s of game time\n"
           "  --seed N            repeat the same random choices\n"
           "  --frames N          end normally after N frames\n"
           "  --screenshot PATH   write the last frame as a PNG when the game ends\n"
           "  --input FILE        replay mouse and key input from FILE\n"
           "  --level PATH        play the level file PATH, then end\n"
           "  --gui PATH          show the GUI file PATH and print each widget clicked\n"
           "  --autoplay          let the game play itself: from the title screen on, or\n"
           "                      with --level, that level\n"
           "  --autoplay=solver   the same, playing the line the solver finds in each level\n"
           "  --profile NAME      with --autoplay: the name it gives a new player\n"
           "  --rules-only        with --autoplay and --level: play by the rules alone, no screen\n"
           "  --trace FILE        write every rules event of the levels played to FILE\n"
           "  --solve PATH        decide whether deals of the level file PATH can be cleared:\n"
           "                      one line per deal, then the share of winnable deals\n"
           "  --deals K           with --solve: K deals, with seeds --seed, --seed + 1, ...\n"
           "  --replay            with --solve: our own player plays the solver's line through\n"
           "                      the game screen and prints the level's result line\n"
           "  --timings           tell on stderr when the first picture and the first frame\n"
           "                      to play in were shown\n"
           "  --user-dir DIR      keep settings and profiles in DIR\n"
           "                      (also ELDMERE_USER_DIR; default $XDG_DATA_HOME/Eldmere)\n";
}
} // namespace shell
