#include "lesson/plate_swap.h"

namespace lesson {

bool ShouldSwapPlates(int plateCharge, int swapThreshold, bool chargeChangedSign, bool swapLock)
{
    return (plateCharge < swapThreshold || chargeChangedSign) && !swapLock;
}

bool PlateSwapWatch::Step(int plateCharge, int swapThreshold, double chargeRatio, int currentDirection,
                          bool& swapLock)
{
    const int sign = chargeRatio > 0 ? 1 : chargeRatio < 0 ? -1 : 0;
    const bool changed = sign != 0 && lastSign_ != 0 && sign != lastSign_;
    if (sign != 0)
        lastSign_ = sign;
    const bool swap = ShouldSwapPlates(plateCharge, swapThreshold, changed, swapLock);
    if (swap)
        swapLock = true;
    if (currentDirection != lastDirection_)
        swapLock = false;
    lastDirection_ = currentDirection;
    return swap;
}

}  // namespace lesson
