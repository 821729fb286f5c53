#pragma once
// When the two plate boxes exchange places.
//
// The charge passes through zero once between two changes of the current's direction. The
// plates swap at the first step whose charge is below the frequency's threshold, or, should no
// step fall so close to the zero, at the first step after the charge changed sign; the lock
// keeps them from swapping again until the current has turned. The threshold alone was made
// for hundreds of steps a second: at a display's 60 frames, or 20 on a busy machine, a step can
// leap over the whole band around a fast zero, and the sign change still catches it.

namespace lesson {

// True when the plates should swap now: the charge is below the threshold or has changed sign
// since the last step, and no swap has happened since the current last changed direction
// (swapLock clear).
bool ShouldSwapPlates(int plateCharge, int swapThreshold, bool chargeChangedSign, bool swapLock);

// Follows the charge and the current from one oscillation step to the next; starts afresh with
// each run.
class PlateSwapWatch {
public:
    // One step: true when the plate boxes swap now; then swapLock is set. swapLock is cleared
    // when the current has turned since the last step (the first step of a run always does).
    bool Step(int plateCharge, int swapThreshold, double chargeRatio, int currentDirection, bool& swapLock);

private:
    int lastSign_ = 0;       // of the charge at the last step where it was not zero
    int lastDirection_ = 0;  // of the current at the last step; 0 before the first
};

}  // namespace lesson
