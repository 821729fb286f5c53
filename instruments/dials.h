#pragma once
// The ammeter, voltmeter and clock dials: one grey pointer each, drawn on the dial's own
// drawing and moved by drawing the old pointer again in the dial's colour, then the new one.
//
// The scales, face, ticks and labels are the dial box's own items; nothing here touches them.
#include <QColor>
#include <QPoint>

#include "physics/arithmetic.h"
#include "platform/surface.h"

namespace instruments {

inline constexpr QPoint kMeterPivot{1400, 1600};   // twips in picamp / picvolt: the needle's axle
inline constexpr int needleLength = 1060;          // twips: reaches just below the scale's ticks
inline constexpr QPoint kMeterRestTip{1400, 540};  // twips: the rest needle, straight up at "0"
inline constexpr QPoint kClockPivot{1210, 900};    // twips in picclock: the face's centre
inline constexpr int handLength = 550;             // twips: stays inside the white face
inline constexpr QPoint kClockRestTip{1210, 340};  // twips: 10 longer than the hand, so its tip shows past it

// The grey every pointer is drawn in.
inline QColor PointerColour() { return QColor(128, 128, 128); }

// The tip of a pointer for an angle in radians, with the program's pi (3.14):
// (Int(xp − L·cos(pi/2 − θ)), Int(yp − L·sin(pi/2 − θ))).
// θ = 0 points straight up; a positive θ turns it to the left, a negative one to the right.
QPoint PointerTip(QPoint pivot, int length, double theta, double pi = physics::kProgramPi);

// A meter's deflection in degrees as the angle of its needle in radians: pi·(2·d)/360.
double NeedleAngle(double d, double pi = physics::kProgramPi);

// What a meter needle last drew: the end of its line, so the next move erases exactly that
// line. It starts at the rest needle, which the dial paints when it is first shown.
struct Needle {
    QPoint tip{kMeterRestTip};
};

// Erase the needle where it last stood and draw it at a deflection of d degrees
// (−60…60 spans the scale; positive to the left).
void MoveAmmeterNeedle(platform::Surface& picamp, Needle& ammeter, double d);
void MoveVoltmeterNeedle(platform::Surface& picvolt, Needle& voltmeter, double d);

// Erase the hand at clockAngle, draw it at θ radians (clockwise for a negative θ),
// then clockAngle := θ. From angle 0 the erase takes the rest hand away too: the dial paints
// it only while clockAngle is 0, and it reaches past the hand, so its tip would stay.
void MoveClockHand(platform::Surface& picclock, double theta, double& clockAngle);

// The rest pointers a dial paints on its cleared drawing. A meter's needle then stands at
// its rest line, so the next move takes that line away whole.
void PaintAmmeterAtRest(platform::Surface& picamp, Needle& ammeter);
void PaintVoltmeterAtRest(platform::Surface& picvolt, Needle& voltmeter);
void PaintClockAtRest(platform::Surface& picclock);

}  // namespace instruments
