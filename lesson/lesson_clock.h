#pragma once
// The lesson's time: a reading of the wall clock, less the time the lesson stood paused. A
// paused lesson's time stands still, and goes on from the same instant when it resumes.
namespace lesson {

class LessonClock {
public:
    // Lesson seconds at the wall clock's reading `wall` (seconds, monotonic).
    double At(double wall) const { return (paused_ ? pausedAt_ : wall) - pausedFor_; }
    bool Paused() const { return paused_; }
    void Pause(double wall)
    {
        if (!paused_)
            pausedAt_ = wall;
        paused_ = true;
    }
    void Resume(double wall)
    {
        if (paused_)
            pausedFor_ += wall - pausedAt_;
        paused_ = false;
    }

private:
    bool paused_ = false;
    double pausedAt_ = 0;   // s on the wall clock
    double pausedFor_ = 0;  // s, all pauses together
};

}  // namespace lesson
