#include "animation/current_markers.h"

#include <algorithm>

namespace animation {

namespace {

constexpr int kGroupSize = 5;           // markers shown at once on a circuit
constexpr int kLastCircuitStart = 43;   // tok has 48 markers: the last group is 43..47
constexpr int kLastChargingStart = 33;  // tokpow has 38 markers: the last group is 33..37

void PaintStrips(const std::vector<platform::Container*>& strips, const QColor& colour)
{
    for (platform::Container* strip : strips)
        if (strip)
            strip->SetBackColor(colour);
}

// The old group's markers that the new group does not cover are hidden first, then the new
// group is shown and coloured, so five markers stand on the wire after every step.
void ShowGroup(markers::MarkerArray& row, int start, const QColor& colour, int previous, int lastStart)
{
    const int s = std::clamp(start, 0, lastStart);
    const int p = std::clamp(previous, 0, lastStart);
    if (p != s) {
        for (int i = p; i < p + kGroupSize; ++i) {
            const bool inNewGroup = i >= s && i < s + kGroupSize;
            if (!inNewGroup)
                if (markers::ChargeMarker* m = row(i))
                    m->SetVisible(false);
        }
    }
    for (int k = 0; k < kGroupSize; ++k) {
        if (markers::ChargeMarker* m = row(s + k)) {
            m->SetVisible(true);
            m->SetBackColor(colour);
        }
    }
}

}  // namespace

void PaintCircuitWires(const std::vector<platform::Container*>& strips, const QColor& colour)
{
    PaintStrips(strips, colour);
}

void PaintChargingWires(const std::vector<platform::Container*>& strips, const QColor& colour)
{
    PaintStrips(strips, colour);
}

void ShowCircuitMarkers(markers::MarkerArray& tok, int start, const QColor& colour, int previous)
{
    ShowGroup(tok, start, colour, previous, kLastCircuitStart);
}

void ShowChargingMarkers(markers::MarkerArray& tokpow, int start, const QColor& colour, int previous)
{
    ShowGroup(tokpow, start, colour, previous, kLastChargingStart);
}

}  // namespace animation
