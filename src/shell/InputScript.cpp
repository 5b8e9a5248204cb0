// InputScript.cpp
#include "shell/InputScript.hpp"

#include "media/FileSystem.hpp"
#include "media/Input.hpp"
#include "media/Keys.hpp"
#include "media/Text.hpp"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace shell
{
namespace
{
bool toNumber(const std::string& s, long long& out)
{
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size();
}

bool toFloat(const std::string& s, float& out)
{
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size();
}

int buttonNamed(const std::string& name)
{
    std::string n = media::text::toLower(name);
    if (n == "left")
        return media::mouse::Left;
    if (n == "right")
        return media::mouse::Right;
    if (n == "middle")
        return media::mouse::Middle;
    return 0;
}
} // namespace

int keyCodeNamed(const std::string& name)
{
    namespace key = media::key;
    std::string n = media::text::toLower(name);
    static const std::pair<const char*, int> named[] = {
        {"escape", key::Escape},
        {"enter", key::Enter},
        {"space", key::Space},
        {"backspace", key::Backspace},
        {"tab", key::Tab},
        {"leftalt", key::LeftAlt},
        {"rightalt", key::RightAlt},
        {"alt", key::Alt},
        {"leftctrl", key::LeftControl},
        {"rightctrl", key::RightControl},
        {"leftshift", key::LeftShift},
        {"rightshift", key::RightShift},
        {"left", key::Left},
        {"right", key::Right},
        {"up", key::Up},
        {"down", key::Down},
        {"delete", key::Delete},
        {"home", key::Home},
        {"end", key::End},
        {"pageup", key::PageUp},
        {"pagedown", key::PageDown},
    };
    for (const auto& [word, code] : named) {
        if (n == word)
            return code;
    }
    if (n.size() == 1 && n[0] >= 'a' && n[0] <= 'z')
        return key::A + (n[0] - 'a');
    if (n.size() == 1 && n[0] >= '0' && n[0] <= '9')
        return key::Digit0 + (n[0] - '0');
    long long number = 0;
    if (n.size() >= 2 && n[0] == 'f' && toNumber(n.substr(1), number) && number >= 1 && number <= 12)
        return key::F1 + static_cast<int>(number) - 1;
    if (toNumber(n, number) && number > 0 && number < key::Count)
        return static_cast<int>(number);
    return 0;
}

std::optional<InputScript> InputScript::parse(const std::string& text, const std::string& name,
                                              std::string& error)
{
    InputScript script;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        std::string trimmed = media::text::trim(line);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        auto fail = [&](const std::string& why) {
            error = name + ":" + std::to_string(lineNumber) + ": " + why;
            return std::nullopt;
        };
        std::istringstream words(trimmed);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        Event e;
        e.line = lineNumber;
        if (w.size() < 2 || !toNumber(w[0], e.frame) || e.frame < 1)
            return fail("expected a frame number (from 1) and an event");
        e.verb = media::text::toLower(w[1]);
        auto position = [&](std::size_t at) {
            if (w.size() == at)
                return true;
            if (w.size() != at + 2 || !toFloat(w[at], e.x) || !toFloat(w[at + 1], e.y))
                return false;
            e.hasPosition = true;
            return true;
        };
        if (e.verb == "move") {
            if (w.size() != 4 || !position(2))
                return fail("move takes X Y");
        } else if (e.verb == "press" || e.verb == "release" || e.verb == "click") {
            if (w.size() < 3 || !(e.button = buttonNamed(w[2])) || !position(3))
                return fail(e.verb + " takes left, right or middle, and optionally X Y");
        } else if (e.verb == "wheel") {
            long long steps = 0;
            if (w.size() != 3 || !toNumber(w[2], steps))
                return fail("wheel takes a number of steps");
            e.steps = static_cast<int>(steps);
        } else if (e.verb == "key") {
            if (w.size() != 4 || !(e.key = keyCodeNamed(w[2])))
                return fail("key takes a key name and down, up or tap");
            e.how = media::text::toLower(w[3]);
            if (e.how != "down" && e.how != "up" && e.how != "tap")
                return fail("key takes down, up or tap, not '" + w[3] + "'");
        } else if (e.verb == "type") {
            std::size_t at = trimmed.find_first_of(" \t", trimmed.find(w[1]));
            e.text = at == std::string::npos ? "" : media::text::trim(trimmed.substr(at));
        } else if (e.verb == "close") {
            if (w.size() != 2)
                return fail("close takes nothing more");
        } else {
            return fail("unknown event '" + w[1] + "'");
        }
        script.events_.push_back(e);
    }
    // Events happen in frame order; lines of one frame keep their order.
    std::stable_sort(script.events_.begin(), script.events_.end(),
                     [](const Event& a, const Event& b) { return a.frame < b.frame; });
    return script;
}

std::optional<InputScript> InputScript::load(const std::string& path, std::string& error)
{
    auto text = media::fs::readText(path);
    if (!text) {
        error = path + ": cannot read the input script";
        return std::nullopt;
    }
    return parse(*text, path, error);
}

void InputScript::feedOne(const Event& e, media::Input& input, float sx, float sy)
{
    if (e.hasPosition)
        input.feedMouseMove(sx, sy);
    if (e.verb == "press") {
        input.feedMouseButton(e.button, true);
    } else if (e.verb == "release") {
        input.feedMouseButton(e.button, false);
    } else if (e.verb == "click") {
        input.feedMouseButton(e.button, true);
        input.feedMouseButton(e.button, false);
    } else if (e.verb == "wheel") {
        input.feedWheel(e.steps);
    } else if (e.verb == "key") {
        if (e.how == "down" || e.how == "tap")
            input.feedKey(e.key, true);
        if (e.how == "up" || e.how == "tap")
            input.feedKey(e.key, false);
        if (e.how != "up") {
            if (e.key == media::key::Enter || e.key == media::key::Escape || e.key == media::key::Backspace)
                input.feedChar(static_cast<char32_t>(e.key));
        }
        if (e.key == media::key::LeftAlt || e.key == media::key::RightAlt)
            input.feedKey(media::key::Alt, input.keyDown(e.key));
    } else if (e.verb == "type") {
        for (char32_t c : media::text::toUtf32(e.text))
            input.feedChar(c);
    } else if (e.verb == "close") {
        input.requestClose();
    }
}
} // namespace shell
