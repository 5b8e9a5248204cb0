// CloudLayers.hpp: the clouds of the title screen's sky, in a back layer drawn behind the tree
// and a front layer drawn over it, kept at ten clouds between them.
#pragma once

#include "effects/TChmura.hpp"
#include "media/Picture.hpp"

#include <array>
#include <vector>

class CloudLayers
{
public:
    static constexpr std::size_t pictureCount = 5;
    static constexpr std::size_t wanted = 10;

    // Loads the five cloud pictures, each held by its middle.
    void setup();
    // A new cloud joins one of the two layers (either with equal chance); it is returned so the
    // caller may set it up further.
    TChmura& createChmura(float speedFactor);
    // Every cloud's frame, the back layer first; a cloud that has faded out leaves. One new
    // cloud while fewer than ten are left.
    void updateAll(float speedFactor);
    // The back layer, and the front layer, at intro progress `per`.
    void drawAll(float per) const;
    void drawAll2(float per) const;
    void clear();

    const std::vector<TChmura>& back() const { return back_; }
    const std::vector<TChmura>& front() const { return front_; }
    std::size_t size() const { return back_.size() + front_.size(); }

private:
    void drawLayer(const std::vector<TChmura>& layer, float per) const;

    std::array<media::Picture, pictureCount> pictures_;
    std::vector<TChmura> back_;
    std::vector<TChmura> front_;
};
