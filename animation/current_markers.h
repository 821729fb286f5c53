#pragma once
// The glowing wires and the group of five charge markers that runs along them.
//
// Each circuit has a fixed row of markers laid along its conducting path; a current is shown
// by tinting the circuit's wire strips and by making five consecutive markers of the row
// visible, starting at the group's start index.
#include <QColor>
#include <vector>

#include "markers/marker_array.h"
#include "platform/container.h"

namespace animation {

// Strips in the order the procedure paints them: oscillating circuit picvert1, picvert2,
// picleft(0..4), picind(2..6); charging circuit picright(0..4), picvert1, picvert2.
// A missing strip (nullptr) is passed over.
void PaintCircuitWires(const std::vector<platform::Container*>& strips, const QColor& colour);
void PaintChargingWires(const std::vector<platform::Container*>& strips, const QColor& colour);

// Moves the visible group of five from `previous` to `start` and gives it `colour`.
// tok: markers 0..47, start 0..43; tokpow: markers 0..37, start 0..33. Starts outside those
// ranges are clamped, so the group never leaves its row.
void ShowCircuitMarkers(markers::MarkerArray& tok, int start, const QColor& colour, int previous);
void ShowChargingMarkers(markers::MarkerArray& tokpow, int start, const QColor& colour, int previous);

}  // namespace animation
