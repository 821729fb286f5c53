#pragma once
// Putting the charge markers out of sight: the wire rows, or the plate pairs.
//
// Hiding changes only visibility; a marker keeps its colour until it is shown and coloured
// again. The meters' terminal markers are never touched.
#include "markers/marker_array.h"

namespace animation {

// Hides tok(0..47), then tokpow(0..37).
void HideCurrentMarkers(markers::MarkerArray& tok, markers::MarkerArray& tokpow);

// For i = 0..10 hides Plus1(i), then Minus1(i).
void HidePlateCharges(markers::MarkerArray& plus1, markers::MarkerArray& minus1);

}  // namespace animation
