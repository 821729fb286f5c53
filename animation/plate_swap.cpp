#include "animation/plate_swap.h"

namespace animation {

bool ShouldSwapPlates(int plateCharge, int swapThreshold, int swapLock)
{
    return plateCharge < swapThreshold && swapLock == 0;
}

}  // namespace animation
