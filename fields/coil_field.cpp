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

// Whether the window shows what a call would draw, as its record of figures tells: the rings
// of levels 0..q and their arrowheads pointing `s` in `colour`, nothing of the other
// direction or above q, and the coil lines. Whatever the calls before drew, each left
// exactly its own field.
bool Shows(const platform::Surface& window, const QColor& colour, int q, int s)
{
    for (const CoilLine& l : kCoilLines)
        if (window.LineColour(l.x1, l.y1, l.x2, l.y2) != QColor(Qt::black))
            return false;
    const QColor background = window.EraseColour();
    for (int k = 0; k <= kTopLevel; ++k) {
        const QColor ring = k <= q ? colour : background;
        const double radius = kInnerRadius + kRadiusStep * k;
        for (const double x : {kLeftEndX, kRightEndX})
            if (window.EllipseColour(x, kEndY, radius, 0, 0, kRingAspect).rgba() != ring.rgba())
                return false;
        for (const int tip : {kCoilFieldRightX[k], kCoilFieldLeftX[k]})
            if (!ArrowheadDrawnIn(window, tip, kCoilArrow, s, ring) ||
                !ArrowheadDrawnIn(window, tip, kCoilArrow, -s, background))
                return false;
    }
    return true;
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
    // A loop draws the field on every frame, mostly as it stands. Drawn again, the rings would
    // take the pixels where the coil lines cross them and the lines take them back, and the
    // erase of the other arrowheads the tips their redraw puts back: no pixel changed, yet
    // each was reported for a repaint.
    if (Shows(window, colour, q, s))
        return;

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

    // The erasing strokes cut the rings that stay and the coil lines: draw them again,
    // which also gives every ring this step's colour.
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
