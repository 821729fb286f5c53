#pragma once
// The real window with a scripted clock and a hand-driven step queue: whoever drives it says
// when time passes and when the loops take their next step, so minutes of demonstration run
// at once and always alike. The headless lesson and the tests use it.
#include <QImage>

#include "app/form21.h"
#include "platform/clock.h"

namespace app {

class ScriptedLesson {
public:
    ScriptedLesson() : window(&clock, &steps) {}

    // Lets `seconds` pass in steps of `dt`, one frame each, handling the events between.
    void Run(double seconds, double dt = 0.01);
    // One step: time advances, the events pending now are handled, a run draws its frame.
    void Step(double dt = 0.01);
    // Brings a run to the moment `t` of the clock: its frame at t is drawn.
    void ArriveAt(double t);
    // The whole window as a person would see it, at a device pixel ratio.
    QImage Picture(double dpr = 1.0);
    // The colour seen at a point given in window twips, on a picture at scale 1 and ratio 1.
    static QColor At(const QImage& img, int xTwips, int yTwips) { return img.pixelColor(xTwips / 15, yTwips / 15); }

    platform::ScriptedClock clock;
    platform::ScriptedStepQueue steps;
    Form21 window;
};

}  // namespace app
