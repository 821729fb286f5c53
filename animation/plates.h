#pragma once
// The capacitor's plates: their colours, their rows of charge markers and, with them, the
// two field drawings.
//
// Pair i is Plus1(i) on the positive plate `picup` with Minus1(i) on the negative plate
// `picdown`; pairs 0..n always form a row centred on the plate.
#include <QColor>

#include "fields/capacitor_field.h"
#include "markers/marker_array.h"
#include "platform/container.h"
#include "platform/surface.h"

namespace animation {

struct Plates {
    platform::Container* picup;
    platform::Container* picdown;
    markers::MarkerArray* plus1;
    markers::MarkerArray* minus1;
};

struct FieldContext {  // what the field drawings read besides their arguments
    platform::Surface* window;
    fields::CapacitorSetting capacitor;
};

// What one oscillation step shows on the plates and in the two fields.
struct OscillationView {
    QColor plusColour, minusColour;  // of the plates and their markers
    QColor chargeGrey;               // of the capacitor's field lines
    int pairIndex = 0;               // the last marker pair shown
    int lineCount = 0;               // the capacitor's field lines, 0..7
    QColor fieldColour;              // of the coil's rings
    int coilFieldLevel = 0;          // 0..4
    double current = 0;              // normalised; its sign turns the coil's arrowheads
    bool swapLock = false;
};

// The plates of a charging capacitor at level `level` (0..255): pairs 0..lastPair take the
// plate colours, the plates are tinted, pairs 0..Int(level/25) are shown and the rest hidden,
// and the capacitor's field is drawn. Level 0 with lastPair 10 whitens every marker and
// leaves only pair 0 showing; the reset of the circuit then hides that pair too.
void ShowChargingPlates(Plates& plates, int level, int lastPair, bool swapLock, const FieldContext& ctx,
                        QColor background);

// The plates of an oscillating capacitor: both fields are drawn, pairs 0..pairIndex are shown
// in the plate colours (none when pairIndex is 0) and pairs beyond it hidden.
void ShowOscillationPlates(Plates& plates, const OscillationView& view, const FieldContext& ctx);

}  // namespace animation
