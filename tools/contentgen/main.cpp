// contentgen: draws the game's pictures and renders its sounds and music into its run folder.
//   contentgen --out DIR [--font TTF] [--content DIR] [--only NAME...] [--jobs N]
//              [--cache DIR [--force]] [--list] [--quiet]
// NAME is a generator (the file it writes, e.g. gfx/white.png) or a group (e.g. shell).
// --content names the source content folder: the caption pictures take their words from its
// language tables (a "*" in a generator's name stands for every language found there).
// --jobs runs that many generators at once (default: one per core); no generator shares
// anything with another, so the files are the same whatever the number.
// --cache keeps a stamp per generator in DIR and skips a generator while nothing that decides
// its files has changed since it last succeeded (Cache.hpp); --force runs it all the same.

#include "Cache.hpp"
#include "Context.hpp"
#include "Registry.hpp"

#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gnu/libc-version.h>
#include <pixman.h>
#include <png.h>
#include <vorbis/codec.h>
#include <zlib.h>

#include <cstdio> // before jpeglib.h, which uses FILE and size_t
#include <jpeglib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#ifndef CONTENTGEN_DEFAULT_FONT
#define CONTENTGEN_DEFAULT_FONT ""
#endif
#ifndef CONTENTGEN_FLAGS
#define CONTENTGEN_FLAGS ""
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
    std::string cacheDir;
    bool force = false;
    bool list = false;
    bool quiet = false;
};

void usage()
{
    std::cerr << "usage: contentgen --out DIR [--font TTF] [--content DIR] [--only NAME...] [--jobs N]\n"
                 "                  [--cache DIR [--force]] [--list] [--quiet]\n"
                 "  NAME is a generator (the file it writes) or a group of generators\n"
                 "  --content is the source content folder, read for the captions' words\n"
                 "  --jobs runs N generators at once (default: one per core)\n"
                 "  --cache skips generators whose inputs are as they were at their last run;\n"
                 "  --force runs them anyway\n";
}

bool parse(int argc, char** argv, Options& options)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--out" || a == "--font" || a == "--content" || a == "--cache") && i + 1 < args.size()) {
            std::string& value = a == "--out"     ? options.outDir
                                 : a == "--font"  ? options.font
                                 : a == "--cache" ? options.cacheDir
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
        } else if (a == "--force") {
            options.force = true;
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

// What the tool was built with and runs on, as far as it decides the bytes of the files: the
// compiler and its flags, the C library's maths, and the libraries that draw, compress and
// encode.
std::string toolDescription()
{
    std::string text = "compiler " __VERSION__ "; flags " CONTENTGEN_FLAGS;
    text += "; glibc ";
    text += gnu_get_libc_version();
    text += "; cairo ";
    text += cairo_version_string();
    text += "; pixman ";
    text += pixman_version_string();
    FT_Library library = nullptr;
    FT_Int major = 0, minor = 0, patch = 0;
    if (FT_Init_FreeType(&library) == 0) {
        FT_Library_Version(library, &major, &minor, &patch);
        FT_Done_FreeType(library);
    }
    text += "; freetype " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
    text += "; libpng ";
    text += png_get_libpng_ver(nullptr);
    text += "; zlib ";
    text += zlibVersion();
    text += "; libjpeg " + std::to_string(JPEG_LIB_VERSION);
#ifdef LIBJPEG_TURBO_VERSION_NUMBER
    text += " turbo " + std::to_string(LIBJPEG_TURBO_VERSION_NUMBER);
#endif
    text += "; ";
    text += vorbis_version_string();
    return text;
}

// One generator to run, with its key and stamp when there is a cache.
struct Job
{
    const contentgen::Generator* generator;
    std::string key;
    std::filesystem::path stamp;
};

struct Result
{
    std::vector<std::string> problems;
    std::vector<std::string> outputs;
    long long milliseconds = 0;
};

void writeStamp(const Job& job, const contentgen::Context& context, const std::filesystem::path& outDir,
                Result& result)
{
    contentgen::Stamp stamp{job.key, context.inputs(), {}};
    for (const std::string& path : context.outputs()) {
        const std::optional<contentgen::Output> output = contentgen::outputNow(outDir, path);
        if (!output) {
            result.problems.push_back(path + ": written, but not found afterwards");
            return;
        }
        stamp.outputs.push_back(*output);
    }
    // Written whole under another name first, so a stamp is never half there.
    std::filesystem::path partial = job.stamp;
    partial += ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << contentgen::formatStamp(stamp);
        if (!out.flush()) {
            result.problems.push_back(partial.string() + ": cannot write the stamp");
            return;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, job.stamp, error);
    if (error) {
        result.problems.push_back(job.stamp.string() + ": cannot write the stamp");
    }
}

void run(const Job& job, const Options& options, Result& result)
{
    const auto begun = Clock::now();
    if (!job.stamp.empty()) {
        // Whatever happens now, the old stamp no longer speaks for the files.
        std::error_code ignored;
        std::filesystem::remove(job.stamp, ignored);
    }
    contentgen::Context context(options.outDir, options.font, options.contentDir);
    try {
        job.generator->run(context);
    } catch (const std::exception& e) {
        context.fail(job.generator->name + ": " + e.what());
    }
    result.problems = context.problems();
    result.outputs = context.outputs();
    if (!job.stamp.empty() && !context.failed()) {
        writeStamp(job, context, options.outDir, result);
    }
    result.milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begun).count();
}

// Whether the generator must run: always without a cache or with --force, else when its stamp
// does not show it up to date.
bool needsRun(const Job& job, const Options& options)
{
    if (job.stamp.empty() || options.force) {
        return true;
    }
    const std::optional<std::string> text = contentgen::readFile(job.stamp);
    const std::optional<contentgen::Stamp> stamp = text ? contentgen::parseStamp(*text) : std::nullopt;
    return !stamp
           || !contentgen::upToDate(*stamp, job.key, contentgen::InputRoots{options.font, options.contentDir},
                                    options.outDir);
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
    if (options.cacheDir.empty()) {
        for (const contentgen::Generator* g : chosen) {
            jobs.push_back(Job{g, {}, {}});
        }
    } else {
        std::error_code error;
        std::filesystem::create_directories(options.cacheDir, error);
        if (error) {
            std::cerr << "contentgen: cannot make the cache folder " << options.cacheDir << '\n';
            return 1;
        }
        const std::string tool = toolDescription();
        for (const contentgen::Generator* g : chosen) {
            const auto sources = contentgen::sourcesOf(contentgen::builtFrom(), g->source);
            if (!sources) {
                std::cerr << "contentgen: " << g->name << " comes from " << g->source
                          << ", which is not among the sources the tool was built from\n";
                return 1;
            }
            Job job{g, contentgen::generatorKey(g->name, *sources, tool),
                    contentgen::stampPath(options.cacheDir, g->name)};
            if (needsRun(job, options)) {
                jobs.push_back(std::move(job));
            }
        }
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
                // Neither file can be trusted, so neither generator may count as up to date.
                for (const std::size_t writer : {it->second, k}) {
                    if (!jobs[writer].stamp.empty()) {
                        std::error_code ignored;
                        std::filesystem::remove(jobs[writer].stamp, ignored);
                    }
                }
            }
        }
    }
    const auto total = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    std::cout << "contentgen: " << files << " files from " << jobs.size() << " generators in " << total
              << " ms";
    if (!options.cacheDir.empty()) {
        std::cout << " (" << chosen.size() - jobs.size() << " of " << chosen.size() << " up to date)";
    }
    std::cout << (failed ? ", with errors" : "") << '\n';
    return failed ? 1 : 0;
}
