// BlendQueue.cpp
#include "media/sdl/BlendQueue.hpp"

#include <algorithm>

namespace media::sdl
{
namespace
{
// Below this many pixels, handing half over costs more than it saves.
constexpr std::size_t worthSharing = 48 * 1024;
} // namespace

BlendQueue::BlendQueue(bool threads)
{
    if (threads && std::thread::hardware_concurrency() >= 2)
        worker_ = std::jthread([this](std::stop_token stop) { work(stop); });
}

BlendQueue::~BlendQueue()
{
    if (worker_.joinable()) {
        worker_.request_stop();
        begin_.release();
        worker_.join();
    }
}

void BlendQueue::add(const Job& job)
{
    if (job.right <= job.left || job.bottom <= job.top)
        return;
    jobs_.push_back(job);
    pixels_ +=
        static_cast<std::size_t>(job.right - job.left) * static_cast<std::size_t>(job.bottom - job.top);
}

void BlendQueue::finish(soft::Pixels frame, int height)
{
    if (jobs_.empty())
        return;
    if (!worker_.joinable() || pixels_ < worthSharing) {
        run(jobs_, frame, 0, height, row_);
    } else {
        const int middle = middleRow(height);
        frame_ = frame;
        bandFirst_ = middle;
        bandEnd_ = height;
        begin_.release();
        run(jobs_, frame, 0, middle, row_);
        done_.acquire();
    }
    jobs_.clear();
    pixels_ = 0;
}

int BlendQueue::middleRow(int height)
{
    // How many pixels each row gets, from where each job starts and ends.
    rowPixels_.assign(static_cast<std::size_t>(height) + 1, 0);
    for (const Job& job : jobs_) {
        const std::int64_t width = job.right - job.left;
        rowPixels_[static_cast<std::size_t>(std::clamp(job.top, 0, height))] += width;
        rowPixels_[static_cast<std::size_t>(std::clamp(job.bottom, 0, height))] -= width;
    }
    std::int64_t perRow = 0;
    std::int64_t sum = 0;
    const auto half = static_cast<std::int64_t>(pixels_ / 2);
    for (int y = 0; y < height; ++y) {
        perRow += rowPixels_[static_cast<std::size_t>(y)];
        sum += perRow;
        if (sum >= half)
            return y + 1;
    }
    return height;
}

namespace
{
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
} // namespace

void BlendQueue::run(const std::vector<Job>& jobs, soft::Pixels frame, int firstRow, int endRow,
                     std::vector<std::uint32_t>& row)
{
    for (const Job& job : jobs) {
        const int top = std::max(job.top, firstRow);
        const int bottom = std::min(job.bottom, endRow);
        if (bottom <= top)
            continue;
        const int width = job.right - job.left;
        soft::Pixels to{frame.data + static_cast<std::ptrdiff_t>(top) * frame.pitch + job.left, frame.pitch};
        if (!job.turned) {
            draw(job, job.from.from(0, top - job.top), to, width, bottom - top);
            continue;
        }
        if (row.size() < static_cast<std::size_t>(job.turn.width))
            row.resize(static_cast<std::size_t>(job.turn.width));
        for (int y = top; y < bottom; ++y, to.data += frame.pitch) {
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
        begin_.acquire();
        if (stop.stop_requested())
            return;
        run(jobs_, frame_, bandFirst_, bandEnd_, workerRow_);
        done_.release();
    }
}
} // namespace media::sdl
