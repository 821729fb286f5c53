#include "fields/coil_field.h"

#include <algorithm>

#include "fields/arrowhead.h"

namespace fields {

namespace {

constexpr double kLeftEndX = 1750;    // twips: centre of the left rings, the coil's left end
constexpr double kRightEndX = 4400;   // twips: centre of the right rings, the coil's right end
constexpr double kEndY = 3830;        // twips: both ends lie on the coil's axis
constexpr double kInnerRadius = 850;  // twips: vertical semi-axis of the level-0 ring
constexpr double kRadiusStep = 250;   // twips: each level's ring lies this much further out
constexpr double kRingAspect = 1.5;   // height : width, the rings are upright ellipses
constexpr int kTopLevel = 4;          // the tip tables cover levels 0..4

// Tips on the coil's axis; barbs 50 twips to either side and 140 along y.
constexpr ArrowheadShape kCoilArrow{3840, 50, 140};

struct CoilLine {
    double x1, y1, x2, y2;  // twips
};
// The coil's outline, in the order the paint handler draws it.
constexpr CoilLine kCoilLines[] = {
    {1750, 3730, 4000, 3630},
    {1750, 4100, 4000, 3970},
    {1750, 3390, 4000, 3270},
    {1750, 4470, 4000, 4300},
};

// The ring of one level around the left end, then around the right end.
void DrawRings(platform::Surface& window, int level, const QColor& colour)
{
    const double radius = kInnerRadius + kRadiusStep * level;
    window.Ellipse(kLeftEndX, kEndY, radius, colour, 0, 0, kRingAspect);
    window.Ellipse(kRightEndX, kEndY, radius, colour, 0, 0, kRingAspect);
}

// Erases the arrowheads of both directions on one level, right tip first.
void EraseArrowheads(platform::Surface& window, int level, int direction)
{
    const QColor background = window.EraseColour();
    for (const int tip : {kCoilFieldRightX[level], kCoilFieldLeftX[level]}) {
        DrawArrowhead(window, tip, kCoilArrow, direction, background);
        DrawArrowhead(window, tip, kCoilArrow, -direction, background);
    }
}

}  // namespace

void DrawCoilField(platform::Surface& window, const QColor& colour, int level, double current)
{
    // At a zero of the current the field keeps what it showed.
    if (current == 0.0)
        return;
    const int s = current < 0 ? +1 : -1;
    const int q = std::clamp(level, 0, kTopLevel);
    const QColor background = window.EraseColour();
    DrawRings(window, q, colour);

    // Turn every arrowhead on the levels drawn to this step's direction.
    for (int i = 0; i <= q; ++i) {
        for (const int tip : {kCoilFieldRightX[i], kCoilFieldLeftX[i]}) {
            DrawArrowhead(window, tip, kCoilArrow, -s, background);
            DrawArrowhead(window, tip, kCoilArrow, s, colour);
        }
    }

    // Everything above this level goes, however far the level fell since the last step.
    for (int k = q + 1; k <= kTopLevel; ++k)
        DrawRings(window, k, background);
    for (int k = q + 1; k <= kTopLevel; ++k)
        EraseArrowheads(window, k, s);

    // The rings that stay lie above the arrowheads, and the coil lines above everything.
    for (int k = 0; k <= q; ++k)
        DrawRings(window, k, colour);
    RedrawCoilLines(window);
}

void EraseCoilField(platform::Surface& window)
{
    for (int k = 0; k <= kTopLevel; ++k)
        DrawRings(window, k, window.EraseColour());
    for (int k = 0; k <= kTopLevel; ++k)
        EraseArrowheads(window, k, +1);
    RedrawCoilLines(window);
}

void RedrawCoilLines(platform::Surface& window)
{
    for (const CoilLine& l : kCoilLines)
        window.Line(l.x1, l.y1, l.x2, l.y2, Qt::black);
}

}  // namespace fields
