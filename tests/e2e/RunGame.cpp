// RunGame.cpp
#include "RunGame.hpp"

#include "media/FileSystem.hpp"
#include "media/ImageCodec.hpp"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace e2e
{
namespace
{
std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

Process::Process(const std::vector<std::string>& args, const SpawnOptions& options)
{
    std::vector<std::string> argStrings = args;
    std::vector<char*> argv;
    for (std::string& a : argStrings)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStrings;
    for (char** e = environ; *e; ++e)
        envStrings.emplace_back(*e);
    envStrings.insert(envStrings.end(), options.env.begin(), options.env.end());
    std::vector<char*> envp;
    for (std::string& e : envStrings)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string out = options.stdoutPath.empty() ? "/dev/null" : options.stdoutPath;
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!options.stderrPath.empty())
        posix_spawn_file_actions_addopen(&actions, 2, options.stderrPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!options.folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, options.folder.c_str());
    if (options.passFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, options.passFd, 3);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
}

Process::~Process()
{
    if (pid_ > 0 && !ended_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

int Process::wait(std::chrono::milliseconds limit)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (pid_ > 0 && !ended_) {
        int w = 0;
        if (waitpid(pid_, &w, WNOHANG) == pid_) {
            ended_ = true;
            status_ = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
            break;
        }
        if (std::chrono::steady_clock::now() > deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return status_;
}

Run runGame(const std::string& exe, const std::vector<std::string>& args, const std::string& folder,
            const std::vector<std::string>& env, int seconds)
{
    Run run;
    SpawnOptions options;
    options.env = env;
    options.folder = folder;
    // Beside the test, not in the game's folder: tests running side by side share that one.
    static int runs = 0;
    std::string base = (std::filesystem::temp_directory_path()
                        / ("eldmere-run-" + std::to_string(getpid()) + "-" + std::to_string(++runs)))
                           .generic_string();
    options.stdoutPath = base + ".out";
    options.stderrPath = base + ".err";
    std::vector<std::string> all{exe};
    all.insert(all.end(), args.begin(), args.end());
    {
        Process game(all, options);
        if (!game.started()) {
            run.err = "cannot start " + exe;
            return run;
        }
        run.status = game.wait(std::chrono::seconds(seconds));
        run.timedOut = !game.ended();
    }
    run.out = slurp(options.stdoutPath);
    run.err = slurp(options.stderrPath);
    std::filesystem::remove(options.stdoutPath);
    std::filesystem::remove(options.stderrPath);
    return run;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty())
            out.push_back(line);
    }
    return out;
}

std::vector<std::string> playLines(const std::string& text)
{
    std::vector<std::string> out = linesOf(text);
    std::erase_if(out, [](const std::string& line) {
        return line.rfind("lesson ", 0) == 0 || line.rfind("award ", 0) == 0;
    });
    return out;
}

std::string output(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        pclose(pipe);
    }
    return out;
}

std::string copyRunFolder(const std::string& from, const std::string& to)
{
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
    return to;
}

media::Image readPng(const std::string& path)
{
    auto bytes = media::fs::readBytes(path);
    std::string error;
    auto decoded = bytes ? media::decodeImage(*bytes, error) : std::nullopt;
    return decoded ? decoded->image : media::Image{};
}

double brightness(const media::Image& image, int x0, int y0, int w, int h)
{
    if (image.empty() || w <= 0 || h <= 0)
        return 0;
    double sum = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            sum += (p[0] + p[1] + p[2]) / 3.0;
        }
    }
    return sum / (w * h);
}
std::string traceField(const std::string& line, const std::string& key)
{
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        if (word.rfind(key + "=", 0) == 0)
            return word.substr(key.size() + 1);
    }
    return "";
}
} // namespace e2e
