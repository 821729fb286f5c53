#include "fields/capacitor_field.h"

#include <algorithm>

#include "fields/arrowhead.h"
#include "physics/arithmetic.h"

namespace fields {

namespace {

constexpr double kCentreX = 8330;     // twips: the middle of the plates
constexpr double kCentreY = 3650;     // twips: halfway between the plates
constexpr int kTopLine = 7;           // the tables hold lines 0..7
constexpr int kUpperPlateTop = 3000;  // twips: top of `picup` while it is the upper plate
constexpr int kLastTip = static_cast<int>(CapTipTable{}.size()) - 1;

// Degrees to radians the way the program does it, with its own pi of 3.14.
constexpr double Radians(double degrees) { return degrees * (2.0 * physics::kProgramPi) / 360.0; }

// Left arc through the leftmost point, right arc through the rightmost point (across 0).
constexpr double kLeftArcStart = Radians(150);
constexpr double kLeftArcEnd = Radians(210);
constexpr double kRightArcStart = Radians(340);
constexpr double kRightArcEnd = Radians(25);

// Tips between the plates; barbs 40 twips to either side and 100 along y.
constexpr ArrowheadShape kCapArrow{3600, 40, 100};

void DrawFieldLine(platform::Surface& window, int j, const QColor& colour)
{
    window.Ellipse(kCentreX, kCentreY, kCapFieldRadius[j], colour, kLeftArcStart, kLeftArcEnd, kCapFieldAspect[j]);
    window.Ellipse(kCentreX, kCentreY, kCapFieldRadius[j], colour, kRightArcStart, kRightArcEnd, kCapFieldAspect[j]);
}

// How many lines' worth of old arrowheads the swap clean-up clears at each slider position:
// a faster oscillation leaves less time between the swap and the next reversal of the current.
int SwapCleanupSpan(int slider1)
{
    switch (slider1) {
    case 1:
    case 2:
    case 3: return 1;
    case 4: return 2;
    case 5: return 3;
    case 6: return 4;
    case 7: return 5;
    default: return 0;
    }
}

}  // namespace

void DrawCapacitorField(platform::Surface& window, const QColor& colour, int count, bool swapLock,
                        CapacitorSetting setting)
{
    const QColor background = window.EraseColour();
    const int q = std::clamp(count, 0, kTopLine);

    // 1. From the positive plate to the negative one.
    int v = setting.picupTop == kUpperPlateTop ? -1 : +1;

    // 2. The lines above the count go, outermost first.
    for (int j = kTopLine; j > q; --j)
        DrawFieldLine(window, j, background);

    // 3. The lines wanted now, with their arrowheads.
    for (int j = 0; j <= q; ++j) {
        DrawFieldLine(window, j, colour);
        DrawArrowhead(window, kCapFieldX[2 * j], kCapArrow, v, colour);
        DrawArrowhead(window, kCapFieldX[2 * j + 1], kCapArrow, v, colour);
    }

    // 4. No arrowhead stays on a line that is gone, whichever way it pointed.
    for (int j = q + 1; j <= kTopLine; ++j) {
        for (const int tip : {kCapFieldX[2 * j], kCapFieldX[2 * j + 1]}) {
            DrawArrowhead(window, tip, kCapArrow, v, background);
            DrawArrowhead(window, tip, kCapArrow, -v, background);
        }
    }

    // 5. Just after the plates swapped, clear the arrowheads that still point the old way.
    if (swapLock) {
        const int n = setting.resistorIn ? q + 2 : SwapCleanupSpan(setting.slider1);
        v = -v;
        const int lastTip = std::min(n + 1, kLastTip);
        for (int k = 1; k <= lastTip; ++k)
            DrawArrowhead(window, kCapFieldX[k], kCapArrow, v, background);
        DrawArrowhead(window, kCapFieldX[0], kCapArrow, v, background);
    }
}

}  // namespace fields
