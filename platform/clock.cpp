#include "platform/clock.h"

#include <utility>

namespace platform {

EventLoopStepQueue::EventLoopStepQueue()
{
    sinceStart_.start();
    frame_.setSingleShot(true);
    // A coarse timer may fire a few milliseconds late, which a viewer sees as a stutter.
    frame_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frame_, &QTimer::timeout, [this] {
        auto work = std::move(next_);
        next_ = nullptr;
        if (work)
            work();
    });
}

void EventLoopStepQueue::PostNextFrame(std::function<void()> work)
{
    const qint64 now = sinceStart_.nsecsElapsed();
    qint64 due = lastFrameNs_ + kFrameNs;
    if (due < now)
        due = now;
    lastFrameNs_ = due;
    next_ = std::move(work);
    constexpr qint64 kNsPerMs = 1'000'000;
    frame_.start(static_cast<int>((due - now + kNsPerMs - 1) / kNsPerMs));
}

bool ScriptedStepQueue::RunOne()
{
    if (!frame_)
        return false;
    auto work = std::exchange(frame_, nullptr);
    work();
    return true;
}

}  // namespace platform
