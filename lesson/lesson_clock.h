#pragma once
// The lesson's time, from readings of the wall clock: it runs at the lesson's speed, stands still
// while paused, and goes on from the same instant when it resumes or changes speed.
namespace lesson {

class LessonClock {
public:
    // Lesson seconds at the wall clock's reading `wall` (seconds, monotonic).
    // The speed as a fraction keeps a tenth exact: ten wall seconds are one lesson second.
    double At(double wall) const
    {
        return paused_ ? anchorLesson_ : anchorLesson_ + (wall - anchorWall_) * times_ / per_;
    }
    bool Paused() const { return paused_; }
    void Pause(double wall)
    {
        if (!paused_)
            anchorLesson_ = At(wall);
        paused_ = true;
    }
    void Resume(double wall)
    {
        if (paused_)
            anchorWall_ = wall;
        paused_ = false;
    }
    // From `wall` on, `per` wall seconds are `times` lesson seconds.
    void SetRate(int times, int per, double wall)
    {
        anchorLesson_ = At(wall);
        anchorWall_ = wall;
        times_ = times;
        per_ = per;
    }
    // Paused, the lesson's time moves on by `seconds` and stands still again.
    void StepBy(double seconds)
    {
        if (paused_)
            anchorLesson_ += seconds;
    }

private:
    bool paused_ = false;
    int times_ = 1, per_ = 1;
    double anchorWall_ = 0;    // s on the wall clock: where the lesson time was last fixed
    double anchorLesson_ = 0;  // s of lesson time then
};

}  // namespace lesson
