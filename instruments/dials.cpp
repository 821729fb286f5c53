#include "instruments/dials.h"

#include <cmath>


namespace instruments {

namespace {

constexpr double kDegreesInTurn = 360.0;  // degrees in a full turn, which 2·pi radians make

void DrawPointer(platform::Surface& s, QPoint pivot, QPoint tip, QColor colour)
{
    s.Line(pivot.x(), pivot.y(), tip.x(), tip.y(), colour);
}

// Both meters move alike; only their box and needle differ. The erase goes over exactly the
// line drawn last, so it leaves nothing of it at any scale.
void MoveMeterNeedle(platform::Surface& box, Needle& needle, double d)
{
    DrawPointer(box, kMeterPivot, needle.tip, box.EraseColour());
    needle.tip = PointerTip(kMeterPivot, needleLength, NeedleAngle(d));
    DrawPointer(box, kMeterPivot, needle.tip, PointerColour());
}

void PaintMeterAtRest(platform::Surface& box, Needle& needle)
{
    DrawPointer(box, kMeterPivot, kMeterRestTip, PointerColour());
    needle.tip = kMeterRestTip;
}

}  // namespace

QPoint PointerTip(QPoint pivot, int length, double theta, double pi)
{
    const double turn = pi / 2 - theta;
    return QPoint(physics::Int(pivot.x() - length * std::cos(turn)),
                  physics::Int(pivot.y() - length * std::sin(turn)));
}

double NeedleAngle(double d, double pi) { return pi * (2 * d) / kDegreesInTurn; }

void MoveAmmeterNeedle(platform::Surface& picamp, Needle& ammeter, double d) { MoveMeterNeedle(picamp, ammeter, d); }

void MoveVoltmeterNeedle(platform::Surface& picvolt, Needle& voltmeter, double d)
{
    MoveMeterNeedle(picvolt, voltmeter, d);
}

void MoveClockHand(platform::Surface& picclock, double theta, double& clockAngle)
{
    const QColor erase = picclock.EraseColour();
    if (clockAngle == 0)
        DrawPointer(picclock, kClockPivot, kClockRestTip, erase);
    DrawPointer(picclock, kClockPivot, PointerTip(kClockPivot, handLength, clockAngle), erase);
    DrawPointer(picclock, kClockPivot, PointerTip(kClockPivot, handLength, theta), PointerColour());
    clockAngle = theta;
}

void PaintAmmeterAtRest(platform::Surface& picamp, Needle& ammeter) { PaintMeterAtRest(picamp, ammeter); }

void PaintVoltmeterAtRest(platform::Surface& picvolt, Needle& voltmeter) { PaintMeterAtRest(picvolt, voltmeter); }

void PaintClockAtRest(platform::Surface& picclock)
{
    DrawPointer(picclock, kClockPivot, kClockRestTip, PointerColour());
}

}  // namespace instruments
