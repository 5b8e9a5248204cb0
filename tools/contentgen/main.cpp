// contentgen: draws the game's pictures and renders its sounds and music into its run folder.
//   contentgen --out DIR [--font TTF] [--content DIR] [--only NAME...] [--jobs N] [--list]
//              [--quiet]
// NAME is a generator (the file it writes, e.g. gfx/white.png) or a group (e.g. shell).
// --content names the source content folder: the caption pictures take their words from its
// language tables (a "*" in a generator's name stands for every language found there).
// --jobs runs that many generators at once (default: one per core); no generator shares
// anything with another, so the files are the same whatever the number.

#include "Context.hpp"
#include "Registry.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <iostream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#ifndef CONTENTGEN_DEFAULT_FONT
#define CONTENTGEN_DEFAULT_FONT ""
#endif

namespace
{
using Clock = std::chrono::steady_clock;

struct Options
{
    std::string outDir;
    std::string font = CONTENTGEN_DEFAULT_FONT;
    std::string contentDir;
    std::vector<std::string> only;
    unsigned jobs = 0; // 0: one per core
    bool list = false;
    bool quiet = false;
};

void usage()
{
    std::cerr << "usage: contentgen --out DIR [--font TTF] [--content DIR] [--only NAME...] [--jobs N]\n"
                 "                  [--list] [--quiet]\n"
                 "  NAME is a generator (the file it writes) or a group of generators\n"
                 "  --content is the source content folder, read for the captions' words\n"
                 "  --jobs runs N generators at once (default: one per core)\n";
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
        } else if (a == "--jobs" && i + 1 < args.size()) {
            const std::string& count = args[++i];
            if (count.empty() || count.size() > 4
                || count.find_first_not_of("0123456789") != std::string::npos || std::stoi(count) == 0) {
                std::cerr << "contentgen: --jobs takes a number from 1, not '" << count << "'\n";
                return false;
            }
            options.jobs = static_cast<unsigned>(std::stoi(count));
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

struct Job
{
    const contentgen::Generator* generator;
};

struct Result
{
    std::vector<std::string> problems;
    std::vector<std::string> outputs;
    long long milliseconds = 0;
};

void run(const Job& job, const Options& options, Result& result)
{
    const auto begun = Clock::now();
    contentgen::Context context(options.outDir, options.font, options.contentDir);
    try {
        job.generator->run(context);
    } catch (const std::exception& e) {
        context.fail(job.generator->name + ": " + e.what());
    }
    result.problems = context.problems();
    result.outputs = context.outputs();
    result.milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begun).count();
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

    const auto started = Clock::now();
    std::vector<Job> jobs;
    for (const contentgen::Generator* g : chosen) {
        jobs.push_back(Job{g});
    }

    std::vector<Result> results(jobs.size());
    std::atomic<std::size_t> next{0};
    std::mutex reporting;
    const auto worker = [&]() {
        for (std::size_t k = next++; k < jobs.size(); k = next++) {
            run(jobs[k], options, results[k]);
            const std::lock_guard lock(reporting);
            for (const std::string& problem : results[k].problems) {
                std::cerr << "contentgen: " << problem << '\n';
            }
            if (!options.quiet) {
                std::cout << "contentgen: " << jobs[k].generator->name << " (" << results[k].milliseconds
                          << " ms)\n";
            }
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threadCount =
        std::min<std::size_t>(options.jobs > 0 ? options.jobs : cores, jobs.size());
    std::vector<std::thread> threads;
    for (std::size_t t = 1; t < threadCount; ++t) {
        threads.emplace_back(worker);
    }
    worker();
    for (std::thread& t : threads) {
        t.join();
    }

    bool failed = false;
    std::size_t files = 0;
    std::map<std::string, std::size_t> writers; // which job wrote each file
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        failed = failed || !results[k].problems.empty();
        files += results[k].outputs.size();
        for (const std::string& path : results[k].outputs) {
            const auto [it, first] = writers.emplace(path, k);
            if (!first) {
                std::cerr << "contentgen: " << path << " is written by both "
                          << jobs[it->second].generator->name << " and " << jobs[k].generator->name << '\n';
                failed = true;
            }
        }
    }
    const auto total = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    std::cout << "contentgen: " << files << " files from " << jobs.size() << " generators in " << total
              << " ms" << (failed ? ", with errors" : "") << '\n';
    return failed ? 1 : 0;
}
