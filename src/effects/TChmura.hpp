// TChmura.hpp: one cloud of the title screen's sky: it drifts sideways, fades in, lives ten to
// twenty seconds and fades out again.
#pragma once

class TChmura
{
public:
    // Which of the two depth layers the cloud drifts in.
    enum class Layer
    {
        Back,
        Front
    };

    // The intro's zoom at intro progress `per` (0 to 1): 0.2 at the start, 0 once it is over.
    static float zoomAt(float per);

    // A new cloud somewhere over the water line, fading in; `speedFactor` scales its drift.
    static TChmura create(float speedFactor);
    // One frame: the fade toward its target and the drift. False once it has faded out for good.
    bool update();

    float x = 0, y = 0;
    float ax = 0, ay = 0;
    long long time = 0; // clock time at which it starts to fade out
    Layer layer = Layer::Back;
    int n = 0; // picture 0..4
    float a = 0, da = 1;

    static constexpr float fadeSpeed = 0.008f;
};
