#pragma once
// Where the loops get the time and how they hand control back to the event queue.
//
// The window reads a monotonic clock in seconds. A loop step yields by posting the rest of
// itself behind the pending events, and the next step waits for the next display frame: a
// screen shows 60 frames a second, so steps taken in between would be paid and never seen.
// Tests put a scripted clock and a hand-driven queue of steps in their place, so minutes of
// demonstration run in milliseconds, always alike.
#include <QElapsedTimer>
#include <QTimer>
#include <deque>
#include <functional>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual double Now() = 0;  // seconds, monotonic, with fractions
};

// The real clock: seconds since the program started, never jumping back.
class SteadyClock : public Clock {
public:
    SteadyClock() { timer_.start(); }
    double Now() override { return static_cast<double>(timer_.nsecsElapsed()) * 1e-9; }

private:
    QElapsedTimer timer_;
};

// A clock that says what the test tells it.
class ScriptedClock : public Clock {
public:
    double Now() override { return now_; }
    void Set(double t) { now_ = t; }
    void Advance(double dt) { now_ += dt; }

private:
    double now_ = 0.0;
};

// The lesson's time: the clock it is read from, less the time the lesson stood paused. A paused
// lesson's time stands still, and goes on from the same instant when it resumes.
class LessonClock : public Clock {
public:
    explicit LessonClock(Clock& source) : source_(source) {}
    double Now() override { return (paused_ ? pausedAt_ : source_.Now()) - pausedFor_; }
    bool Paused() const { return paused_; }
    void Pause()
    {
        if (!paused_)
            pausedAt_ = source_.Now();
        paused_ = true;
    }
    void Resume()
    {
        if (paused_)
            pausedFor_ += source_.Now() - pausedAt_;
        paused_ = false;
    }

private:
    Clock& source_;
    bool paused_ = false;
    double pausedAt_ = 0;   // s on the source clock
    double pausedFor_ = 0;  // s, all pauses together
};

// Runs a piece of work after the events that are pending now have been handled.
// Runs a piece of work at the next display frame, sleeping until then.
class StepQueue {
public:
    virtual ~StepQueue() = default;
    virtual void Post(std::function<void()> work) = 0;
    virtual void PostNextFrame(std::function<void()> work) = 0;
};

// The real queue: a zero-time timer of the Qt event loop for the yield, and a precise timer on
// a grid of display frames for the next step. A step that comes late takes the next frame at
// once and the grid starts again from it: a busy machine shows fewer frames, never a burst.
class EventLoopStepQueue : public StepQueue {
public:
    EventLoopStepQueue();
    void Post(std::function<void()> work) override;
    void PostNextFrame(std::function<void()> work) override;

    static constexpr qint64 kFrameNs = 16'666'667;  // ns: one frame of a 60 Hz display

private:
    QElapsedTimer sinceStart_;
    qint64 lastFrameNs_ = 0;  // when the last frame's step was due
    QTimer frame_;
    std::function<void()> next_;
};

// A queue that runs work only when a test says so. The test's clock stands where the next
// frame begins, so work posted for the next frame runs with the work that posted it.
class ScriptedStepQueue : public StepQueue {
public:
    void Post(std::function<void()> work) override { pending_.push_back(std::move(work)); }
    void PostNextFrame(std::function<void()> work) override { frame_.push_back(std::move(work)); }
    bool Empty() const { return pending_.empty() && frame_.empty(); }
    std::size_t Size() const { return pending_.size() + frame_.size(); }
    // Runs the oldest piece of work and then whatever it left for the next frame; false when
    // there was nothing to run.
    bool RunOne();

private:
    std::deque<std::function<void()>> pending_;
    std::deque<std::function<void()>> frame_;
};

}  // namespace platform
