// BlendQueue.cpp
#include "media/sdl/BlendQueue.hpp"

#include <algorithm>

namespace media::sdl
{
namespace
{
// Below this many pixels, handing half over costs more than it saves.
constexpr std::size_t worthSharing = 48 * 1024;

void draw(const BlendQueue::Job& job, soft::ConstPixels from, soft::Pixels to, int width, int height)
{
    switch (job.kind) {
    case BlendQueue::Job::Kind::Plain: soft::blendPlain(from, to, width, height); break;
    case BlendQueue::Job::Kind::Modulated:
        soft::blendModulated(from, to, width, height, job.red, job.green, job.blue, job.alpha, job.mode);
        break;
    case BlendQueue::Job::Kind::Fill:
        soft::fill(to, width, height, job.red, job.green, job.blue, job.alpha, job.mode);
        break;
    }
}

std::size_t pixelsOf(const BlendQueue::Job& job)
{
    return static_cast<std::size_t>(job.right - job.left) * static_cast<std::size_t>(job.bottom - job.top);
}
} // namespace

BlendQueue::BlendQueue(soft::Pixels frame, int height, bool threads) : frame_(frame), height_(height)
{
    chunks_.reserve(chunkCount);
    if (threads && std::thread::hardware_concurrency() >= 2)
        worker_ = std::jthread([this](std::stop_token stop) { work(stop); });
}

BlendQueue::~BlendQueue()
{
    if (worker_.joinable()) {
        finish();
        worker_.request_stop();
        signal_.fetch_add(1);
        signal_.notify_one();
        worker_.join();
    }
}

void BlendQueue::wake()
{
    signal_.fetch_add(1);
    signal_.notify_one();
}

void BlendQueue::add(const Job& job)
{
    if (job.right <= job.left || job.bottom <= job.top)
        return;
    if (count_ - first_ == chunkSize * chunkCount)
        finish();
    if ((count_ / chunkSize) % chunkCount == chunks_.size())
        chunks_.push_back(std::make_unique<Job[]>(chunkSize));
    at(count_) = job;
    ++count_;
    // Jobs are handed over a few at a time: each hand-over is a full fence and a cache line
    // moved between the cores. What is not handed over when the frame ends is shared out then.
    if (worker_.joinable() && (count_ - first_) % handOver == 0) {
        // The second thread is woken only if it sleeps: it says so before it looks a last time.
        published_.store(count_);
        if (asleep_.load())
            wake();
    }
}

void BlendQueue::finish()
{
    if (empty())
        return;
    if (!worker_.joinable()) {
        run(first_, count_, 0, height_, row_);
        first_ = count_;
        return;
    }
    // Close the queue: what the second thread has not taken is left for sharing out.
    const std::size_t taken = next_.exchange(closed);
    while (drawn_.load(std::memory_order_acquire) < taken)
        std::this_thread::yield();
    std::size_t left = 0;
    for (std::size_t i = taken; i < count_; ++i)
        left += pixelsOf(at(i));
    if (left >= worthSharing) {
        const int middle = middleRow(taken, count_);
        bandJobsFirst_ = taken;
        bandJobsEnd_ = count_;
        bandFirst_ = middle;
        bandEnd_ = height_;
        bandWaiting_.store(true);
        wake();
        run(taken, count_, 0, middle, row_);
        bandDone_.acquire();
    } else if (taken < count_) {
        run(taken, count_, 0, height_, row_);
    }
    // Open again, empty.
    first_ = count_;
    drawn_.store(count_);
    next_.store(count_);
}

int BlendQueue::middleRow(std::size_t first, std::size_t end)
{
    // How many pixels each row gets, from where each job starts and ends.
    rowPixels_.assign(static_cast<std::size_t>(height_) + 1, 0);
    std::int64_t all = 0;
    for (std::size_t i = first; i < end; ++i) {
        const Job& job = at(i);
        const std::int64_t width = job.right - job.left;
        rowPixels_[static_cast<std::size_t>(std::clamp(job.top, 0, height_))] += width;
        rowPixels_[static_cast<std::size_t>(std::clamp(job.bottom, 0, height_))] -= width;
        all += width * (job.bottom - job.top);
    }
    std::int64_t perRow = 0;
    std::int64_t sum = 0;
    for (int y = 0; y < height_; ++y) {
        perRow += rowPixels_[static_cast<std::size_t>(y)];
        sum += perRow;
        if (2 * sum >= all)
            return y + 1;
    }
    return height_;
}

void BlendQueue::run(std::size_t first, std::size_t end, int firstRow, int endRow,
                     std::vector<std::uint32_t>& row) const
{
    for (std::size_t i = first; i < end; ++i) {
        const Job& job = at(i);
        const int top = std::max(job.top, firstRow);
        const int bottom = std::min(job.bottom, endRow);
        if (bottom <= top)
            continue;
        const int width = job.right - job.left;
        soft::Pixels to{frame_.data + static_cast<std::ptrdiff_t>(top) * frame_.pitch + job.left,
                        frame_.pitch};
        if (!job.turned) {
            draw(job, job.from.from(0, top - job.top), to, width, bottom - top);
            continue;
        }
        if (row.size() < static_cast<std::size_t>(job.turn.width))
            row.resize(static_cast<std::size_t>(job.turn.width));
        for (int y = top; y < bottom; ++y, to.data += frame_.pitch) {
            const soft::Span span = soft::turnRow(job.from, job.sourceWidth, job.sourceHeight, job.turn,
                                                  job.centreX, job.centreY, y - job.y, row.data());
            const soft::ConstPixels turned{row.data(), 0, &span, 0};
            draw(job, turned.from(job.left - job.x, 0), to, width, 1);
        }
    }
}

void BlendQueue::work(const std::stop_token& stop)
{
    for (;;) {
        const std::uint32_t seen = signal_.load();
        if (stop.stop_requested())
            return;
        if (bandWaiting_.exchange(false)) {
            run(bandJobsFirst_, bandJobsEnd_, bandFirst_, bandEnd_, workerRow_);
            bandDone_.release();
            continue;
        }
        std::size_t i = next_.load();
        if ((i & closed) == 0 && i < published_.load()) {
            if (next_.compare_exchange_strong(i, i + 1)) {
                run(i, i + 1, 0, height_, workerRow_);
                drawn_.store(i + 1, std::memory_order_release);
            }
            continue;
        }
        // Nothing to do until the game asks for more.
        asleep_.store(true);
        i = next_.load();
        const bool more = (i & closed) == 0 && i < published_.load();
        if (!more && !bandWaiting_.load() && !stop.stop_requested())
            signal_.wait(seen);
        asleep_.store(false);
    }
}
} // namespace media::sdl
