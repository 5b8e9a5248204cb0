// contentgen: draws the game's pictures into its run folder.
//   contentgen --out DIR [--font TTF] [--content DIR] [--only NAME...] [--list]
// NAME is a generator (the file it writes, e.g. gfx/white.png) or a group (e.g. shell).
// --content names the source content folder: the caption pictures take their words from its
// language tables (a "*" in a generator's name stands for every language found there).

#include "Context.hpp"
#include "Registry.hpp"

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#ifndef CONTENTGEN_DEFAULT_FONT
#define CONTENTGEN_DEFAULT_FONT ""
#endif

namespace
{
struct Options
{
    std::string outDir;
    std::string font = CONTENTGEN_DEFAULT_FONT;
    std::string contentDir;
    std::vector<std::string> only;
    bool list = false;
    bool quiet = false;
};

void usage()
{
    std::cerr
        << "usage: contentgen --out DIR [--font TTF] [--content DIR] [--only NAME...] [--list] [--quiet]\n"
           "  NAME is a generator (the file it writes) or a group of generators\n"
           "  --content is the source content folder, read for the captions' words\n";
}

bool parse(int argc, char** argv, Options& options)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--out" || a == "--font" || a == "--content") && i + 1 < args.size()) {
            std::string& value = a == "--out"    ? options.outDir
                                 : a == "--font" ? options.font
                                                 : options.contentDir;
            value = args[++i];
        } else if (a == "--only") {
            while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
                options.only.push_back(args[++i]);
            }
        } else if (a == "--list") {
            options.list = true;
        } else if (a == "--quiet") {
            options.quiet = true;
        } else {
            std::cerr << "contentgen: unknown or incomplete argument '" << a << "'\n";
            return false;
        }
    }
    return options.list || !options.outDir.empty();
}
} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        usage();
        return 2;
    }
    const contentgen::Registry registry = contentgen::Registry::all();
    if (options.list) {
        for (const contentgen::Generator& g : registry.generators()) {
            std::cout << g.group << '\t' << g.name << '\n';
        }
        return 0;
    }
    std::vector<std::string> unknown;
    const auto chosen = registry.select(options.only, unknown);
    for (const std::string& word : unknown) {
        std::cerr << "contentgen: no generator or group named '" << word << "'\n";
    }
    if (!unknown.empty()) {
        return 2;
    }

    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    contentgen::Context context(options.outDir, options.font, options.contentDir);
    for (const contentgen::Generator* g : chosen) {
        const auto begun = Clock::now();
        g->run(context);
        if (!options.quiet) {
            const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begun);
            std::cout << "contentgen: " << g->name << " (" << spent.count() << " ms)\n";
        }
    }
    const auto total = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    std::cout << "contentgen: " << context.filesWritten() << " files from " << chosen.size()
              << " generators in " << total << " ms" << (context.failed() ? ", with errors" : "") << '\n';
    return context.failed() ? 1 : 0;
}
