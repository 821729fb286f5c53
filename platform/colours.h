#pragma once
// The system colours the scene is laid out with, fixed so the scene looks the same on every
// desktop theme, and the one place the window background is read from.
#include <QColor>

namespace platform {

// Button face: the window's own background, used to paint it and to erase drawings on it.
inline QColor ButtonFace() { return QColor(240, 240, 240); }
// System window colour: the client area of an ordinary window (plates, coil turns, resistor).
inline QColor SystemWindow() { return QColor(255, 255, 255); }
// Inactive window border: the first background of the free-oscillation title.
inline QColor InactiveBorder() { return QColor(244, 247, 252); }

// The window background, as every drawing and erase on the window reads it.
inline QColor WindowBackground() { return ButtonFace(); }

// A colour from a red, green, blue triple (components 0..255, clamped).
QColor Rgb(int r, int g, int b);

}  // namespace platform
