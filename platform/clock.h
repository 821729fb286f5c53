#pragma once
// Where the loops get the time and how they hand control back to the event queue.
//
// The window reads a monotonic clock in seconds, and a run's next frame waits for the next
// display frame: a screen shows 60 frames a second, so frames drawn in between would be paid
// and never seen. Tests put a scripted clock and a hand-driven queue of frames in their place,
// so minutes of demonstration run in milliseconds, always alike.
#include <QElapsedTimer>
#include <QTimer>
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

// Runs a piece of work at the next display frame, sleeping until then. Only one piece waits at
// a time: work posted again for the same frame takes the place of what was posted before.
class StepQueue {
public:
    virtual ~StepQueue() = default;
    virtual void PostNextFrame(std::function<void()> work) = 0;
};

// The real queue: a precise timer on a grid of display frames. A frame that comes late takes
// the next one at once and the grid starts again from it: a busy machine shows fewer frames,
// never a burst.
class EventLoopStepQueue : public StepQueue {
public:
    EventLoopStepQueue();
    void PostNextFrame(std::function<void()> work) override;

    static constexpr qint64 kFrameNs = 16'666'667;  // ns: one frame of a 60 Hz display

private:
    QElapsedTimer sinceStart_;
    qint64 lastFrameNs_ = 0;  // when the last frame's step was due
    QTimer frame_;
    std::function<void()> next_;
};

// A queue that runs the next frame's work only when a test says so.
class ScriptedStepQueue : public StepQueue {
public:
    void PostNextFrame(std::function<void()> work) override { frame_ = std::move(work); }
    bool Empty() const { return !frame_; }
    // Runs the waiting frame's work; false when there was none.
    bool RunOne();

private:
    std::function<void()> frame_;
};

}  // namespace platform
