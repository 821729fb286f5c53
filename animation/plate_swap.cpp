#include "animation/plate_swap.h"

namespace animation {

bool ShouldSwapPlates(int plateCharge, int swapThreshold, bool chargeChangedSign, int swapLock)
{
    return (plateCharge < swapThreshold || chargeChangedSign) && swapLock == 0;
}

bool PlateSwapWatch::Step(int plateCharge, int swapThreshold, double chargeRatio, int currentDirection,
                          int& swapLock)
{
    const int sign = chargeRatio > 0 ? 1 : chargeRatio < 0 ? -1 : 0;
    const bool changed = sign != 0 && lastSign_ != 0 && sign != lastSign_;
    if (sign != 0)
        lastSign_ = sign;
    const bool swap = ShouldSwapPlates(plateCharge, swapThreshold, changed, swapLock);
    if (swap)
        swapLock = 1;
    if (currentDirection != lastDirection_)
        swapLock = 0;
    lastDirection_ = currentDirection;
    return swap;
}

}  // namespace animation
