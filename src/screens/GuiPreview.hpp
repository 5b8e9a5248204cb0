// GuiPreview.hpp: a developer's screen that shows one GUI description file over a plain night
// backdrop and runs its widgets: every widget clicked is printed on standard output as
// "gui clicked <name>", so widgets can be tried out by hand and checked by scripts (--gui).
#pragma once

#include "screens/TEkran.hpp"

#include <string>

namespace screens
{
class GuiPreview : public TEkran
{
public:
    explicit GuiPreview(std::string path);

    // Loads the file (a missing or broken file is reported; the screen stays empty).
    void setup() override;
    void update() override;
    void draw() override;
    // Runs until Escape, or until the frames run out.
    std::string mainLoop();

private:
    std::string path_;
};
} // namespace screens
