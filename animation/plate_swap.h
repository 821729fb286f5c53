#pragma once
// When the two plate boxes exchange places.
//
// The charge passes through zero once between two changes of the current's direction: the
// plates swap at the first step whose charge is below the threshold, and the lock keeps them
// from swapping again until the current has turned.

namespace animation {

// True when the plates should swap now: the charge is below the threshold and no swap has
// happened since the current last changed direction (swapLock 0).
bool ShouldSwapPlates(int plateCharge, int swapThreshold, int swapLock);

}  // namespace animation
