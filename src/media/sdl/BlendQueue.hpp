// BlendQueue.hpp: our own drawing into the software frame. Jobs are drawn by a second thread
// as they come while the game goes on asking for more; what is left when the frame must be
// finished is shared out, a band of rows to each thread. Jobs keep their order within every
// pixel, so the frame is the same to the bit as drawing them one by one.
#pragma once

#include "media/sdl/SoftBlend.hpp"
#include "media/sdl/SoftTurn.hpp"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
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

    // Draws into `frame` (`height` rows); with `threads` false all on the calling thread.
    BlendQueue(soft::Pixels frame, int height, bool threads);
    ~BlendQueue();
    BlendQueue(const BlendQueue&) = delete;
    BlendQueue& operator=(const BlendQueue&) = delete;

    // The pixels a job reads must stay as they are until finish().
    void add(const Job& job);
    bool empty() const { return count_ == first_; }
    // Every job drawn; the frame is the caller's again.
    void finish();

private:
    // Jobs are numbered from the queue's start, never again from nought, so a number the
    // second thread read before a frame was finished cannot name a job of the next frame.
    Job& at(std::size_t i) const { return chunks_[(i / chunkSize) % chunkCount][i % chunkSize]; }
    // Draws jobs [first, end)'s rows from `firstRow` to before `endRow`; `row` is room for a
    // turned row.
    void run(std::size_t first, std::size_t end, int firstRow, int endRow,
             std::vector<std::uint32_t>& row) const;
    // The row that splits the pixels of jobs [first, end) in two about equal halves.
    int middleRow(std::size_t first, std::size_t end);
    void work(const std::stop_token& stop);
    void wake();

    static constexpr std::size_t chunkSize = 1024;
    static constexpr std::size_t chunkCount = 1024; // jobs in a frame before it is finished early
    static constexpr std::size_t handOver = 8;
    static constexpr std::size_t closed = std::size_t{1} << (sizeof(std::size_t) * 8 - 1);

    soft::Pixels frame_;
    int height_ = 0;
    std::vector<std::unique_ptr<Job[]>> chunks_; // never reallocated: jobs stay where they are
    std::size_t first_ = 0;                      // the number of this frame's first job
    std::size_t count_ = 0;                      // the number the next job will have
    std::vector<std::int64_t> rowPixels_;
    std::vector<std::uint32_t> row_, workerRow_;

    // The second thread takes job `next_` while it is below `published_`, until the queue
    // is closed (`closed` set in `next_`); `drawn_` is one past the last job it finished.
    // The game's thread writes the first line, the second thread the other: apart, neither
    // takes the other's line away at every write.
    alignas(64) std::atomic<std::size_t> published_{0};
    alignas(64) std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> drawn_{0};
    // Bumped whenever there is something new for the second thread, which waits on it.
    std::atomic<std::uint32_t> signal_{0};
    std::atomic<bool> asleep_{false};
    // A band of the jobs left at the end, handed over and back.
    std::atomic<bool> bandWaiting_{false};
    std::size_t bandJobsFirst_ = 0, bandJobsEnd_ = 0;
    int bandFirst_ = 0, bandEnd_ = 0;
    std::binary_semaphore bandDone_{0};
    std::jthread worker_;
};
} // namespace media::sdl
