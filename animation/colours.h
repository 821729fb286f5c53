#pragma once
// The shades that charge and current give the wires, the plates and the field drawings.
//
// Every level is clamped to 0..255 first, so a level computed a hair out of range still
// gives a valid colour.
#include <QColor>

namespace animation {

// A wire strip carrying a current of level L: white at 0, pure red at 255.
QColor WireColour(int L);

// The positive plate at charge level Q: white at 0, red at 255.
QColor PlusColour(int Q);

// The negative plate at charge level Q: white at 0, blue at 255.
QColor MinusColour(int Q);

// The capacitor's field lines at charge level Q: a grey that darkens with the charge from
// 120 on, a fixed mid grey below it, and the window background (the field erased) below 20.
QColor ChargeGrey(int Q, QColor background);

// The coil's field at current level A: the same greys, erased below 15.
QColor CoilFieldColour(int A, QColor background);

}  // namespace animation
