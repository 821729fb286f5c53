#include "platform/clock.h"

#include <QCoreApplication>

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

void EventLoopStepQueue::Post(std::function<void()> work)
{
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(work));
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
    if (pending_.empty() && frame_.empty())
        return false;
    std::deque<std::function<void()>>& from = pending_.empty() ? frame_ : pending_;
    auto work = std::move(from.front());
    from.pop_front();
    work();
    if (&from == &pending_ && !frame_.empty()) {
        auto next = std::move(frame_.front());
        frame_.pop_front();
        next();
    }
    return true;
}

}  // namespace platform
