#pragma once
// Where the loops get the time and how they hand control back to the event queue.
//
// The window reads a monotonic clock in seconds and runs each loop step as a piece of work
// posted behind the pending events. Tests put a scripted clock and a hand-driven queue of
// steps in their place, so minutes of demonstration run in milliseconds, always alike.
#include <QElapsedTimer>
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

// Runs a piece of work after the events that are pending now have been handled.
class StepQueue {
public:
    virtual ~StepQueue() = default;
    virtual void Post(std::function<void()> work) = 0;
};

// The real queue: a zero-time timer of the Qt event loop.
class EventLoopStepQueue : public StepQueue {
public:
    void Post(std::function<void()> work) override;
};

// A queue that runs work only when a test says so.
class ScriptedStepQueue : public StepQueue {
public:
    void Post(std::function<void()> work) override { pending_.push_back(std::move(work)); }
    bool Empty() const { return pending_.empty(); }
    std::size_t Size() const { return pending_.size(); }
    // Runs the oldest piece of work; false when there was none.
    bool RunOne();

private:
    std::deque<std::function<void()>> pending_;
};

}  // namespace platform
