#pragma once
// The skeleton both loops share: a step does its work up to the yield, the rest of it runs once
// the pending events have been handled, and the next step begins at the next display frame.
//
// Each run has a generation of its own. Work posted by a run that has since ended (by a click
// in the yield, by "Выход", by a new run) finds another generation when it comes and does
// nothing, so an ended run is never continued and two runs never interleave.
#include <functional>
#include <utility>

#include "platform/clock.h"

namespace app {

// A paused lesson holds its loop's next step here, and takes no step until it resumes.
struct PauseGate {
    bool paused = false;
    std::function<void()> held;
};

class LoopSteps {
public:
    bool Active() const { return active_; }
    // The program ends: whatever is pending does nothing.
    void Abandon() { End(); }

protected:
    LoopSteps(platform::StepQueue& queue, PauseGate& pause) : queue_(queue), pause_(pause) {}

    void Begin()
    {
        ++generation_;
        active_ = true;
    }
    void End()
    {
        active_ = false;
        ++generation_;
    }
    // The yield: `rest` runs after the events pending now, if this run is still going.
    template <typename Work>
    void Yield(Work rest)
    {
        queue_.Post(Guarded(std::move(rest)));
    }
    // `next` runs at the next display frame, if this run is still going, or at the first frame
    // after the lesson resumes.
    template <typename Work>
    void AtNextFrame(Work next)
    {
        queue_.PostNextFrame([this, step = std::function<void()>(Guarded(std::move(next)))] {
            if (pause_.paused)
                pause_.held = step;
            else
                step();
        });
    }

private:
    template <typename Work>
    auto Guarded(Work work)
    {
        return [this, gen = generation_, work = std::move(work)] {
            if (gen == generation_ && active_)
                work();
        };
    }

    platform::StepQueue& queue_;
    PauseGate& pause_;
    bool active_ = false;
    unsigned generation_ = 0;
};

}  // namespace app
