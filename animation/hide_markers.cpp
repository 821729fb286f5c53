#include "animation/hide_markers.h"

namespace animation {

namespace {

constexpr int kCircuitMarkers = 48;   // tok(0..47) along the oscillating circuit
constexpr int kChargingMarkers = 38;  // tokpow(0..37) along the charging circuit
constexpr int kPlatePairs = 11;       // Plus1(0..10) with Minus1(0..10)

void Hide(markers::MarkerArray& row, int index)
{
    if (markers::ChargeMarker* m = row(index))
        m->SetVisible(false);
}

}  // namespace

void HideCurrentMarkers(markers::MarkerArray& tok, markers::MarkerArray& tokpow)
{
    for (int i = 0; i < kCircuitMarkers; ++i)
        Hide(tok, i);
    for (int i = 0; i < kChargingMarkers; ++i)
        Hide(tokpow, i);
}

void HidePlateCharges(markers::MarkerArray& plus1, markers::MarkerArray& minus1)
{
    for (int i = 0; i < kPlatePairs; ++i) {
        Hide(plus1, i);
        Hide(minus1, i);
    }
}

}  // namespace animation
