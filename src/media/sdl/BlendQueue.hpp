// BlendQueue.hpp: our own drawing into the software frame, gathered and then done on two
// threads at once, each on its own band of rows, so the order of drawing within every pixel
// stays the order it was asked for.
#pragma once

#include "media/sdl/SoftBlend.hpp"
#include "media/sdl/SoftTurn.hpp"

#include <cstddef>
#include <cstdint>
#include <semaphore>
#include <thread>
#include <vector>

namespace media::sdl
{
class BlendQueue
{
public:
    struct Job
    {
        enum class Kind : std::uint8_t
        {
            Plain,     // per-pixel alpha, nothing modulated
            Modulated, // colour and alpha modulated, blended or added
            Fill       // one colour
        };
        Kind kind = Kind::Plain;
        // The pixels for (left, top); none for a fill. A turned job's are the whole picture
        // before the turn, turned a row at a time as the rows are drawn.
        soft::ConstPixels from;
        int left = 0, top = 0, right = 0, bottom = 0; // in the frame, already cut to what shows
        std::uint8_t red = 255, green = 255, blue = 255, alpha = 255;
        soft::Mode mode = soft::Mode::Blend;

        bool turned = false;
        soft::Turn turn;
        float centreX = 0, centreY = 0;
        int sourceWidth = 0, sourceHeight = 0;
        int x = 0, y = 0; // the frame's pixel under the picture's corner (the turned one's)
    };

    // With `threads` false everything is drawn on the calling thread.
    explicit BlendQueue(bool threads);
    ~BlendQueue();
    BlendQueue(const BlendQueue&) = delete;
    BlendQueue& operator=(const BlendQueue&) = delete;

    // The pixels a job reads must stay as they are until finish().
    void add(const Job& job);
    bool empty() const { return jobs_.empty(); }
    // Draws every job into `frame` (`height` rows) and forgets them.
    void finish(soft::Pixels frame, int height);

private:
    // Draws the jobs' rows from `firstRow` to before `endRow`; `row` is room for a turned row.
    static void run(const std::vector<Job>& jobs, soft::Pixels frame, int firstRow, int endRow,
                    std::vector<std::uint32_t>& row);
    // The row that splits the work in two about equal halves.
    int middleRow(int height);
    void work(const std::stop_token& stop);

    std::vector<Job> jobs_;
    std::size_t pixels_ = 0;
    std::vector<std::int64_t> rowPixels_;
    std::vector<std::uint32_t> row_, workerRow_;

    // The second thread's band, handed over and back.
    soft::Pixels frame_;
    int bandFirst_ = 0, bandEnd_ = 0;
    std::binary_semaphore begin_{0};
    std::binary_semaphore done_{0};
    std::jthread worker_;
};
} // namespace media::sdl
