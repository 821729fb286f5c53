#pragma once

// The arithmetic conventions every part of the circuit's model follows.

#include <climits>
#include <cmath>

namespace physics {

// The program's pi. It is deliberately 3.14, not the exact constant:
// with it the periods of the frequency table come out as whole seconds
// (2 * 3.14 / 3.14 == 2.0) and a full circle is 6.28 rad.
constexpr double kProgramPi = 3.14;

// Charge and current levels run 0..255 (255 = full charge, or the largest
// current it gives); levels with a direction run -255..255.
constexpr int kFullLevel = 255;

// Int(x): the largest whole number not greater than x (towards minus infinity,
// so Int(-0.2) == -1; a plain cast would give 0). Every level and screen
// coordinate computed from a real goes through it.
// A NaN gives 0 and values beyond the range of int saturate, so no input can
// make the conversion undefined; for every finite value in range it is floor.
inline int Int(double x)
{
    if (std::isnan(x)) {
        return 0;
    }
    const double whole = std::floor(x);
    if (whole <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    if (whole >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(whole);
}

}  // namespace physics
