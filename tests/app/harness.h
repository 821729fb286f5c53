#pragma once
// The real window with a scripted clock and a hand-driven step queue: a test says when time
// passes and when the loops take their next step, so minutes of demonstration run at once.
#include <QCoreApplication>
#include <QImage>

#include "app/form21.h"
#include "platform/clock.h"

namespace testsupport {

class Lesson {
public:
    Lesson() : window(&clock, &steps) {}

    // Lets `seconds` pass in steps of `dt`, one loop step each, handling the events between.
    void Run(double seconds, double dt = 0.01)
    {
        const long long n = static_cast<long long>(seconds / dt + 0.5);
        for (long long i = 0; i < n; ++i)
            Step(dt);
    }
    // One step: time advances, the events pending now are handled, the loop takes its step.
    void Step(double dt = 0.01)
    {
        clock.Advance(dt);
        QCoreApplication::processEvents();
        steps.RunOne();
    }
    // The whole window as a person would see it, at a device pixel ratio.
    QImage Picture(double dpr = 1.0)
    {
        QImage img(window.size() * dpr, QImage::Format_ARGB32);
        img.setDevicePixelRatio(dpr);
        img.fill(Qt::black);
        window.render(&img);
        return img;
    }
    // The colour a person sees at a point given in window twips (scale 1, ratio 1).
    static QColor At(const QImage& img, int xTwips, int yTwips) { return img.pixelColor(xTwips / 15, yTwips / 15); }

    platform::ScriptedClock clock;
    platform::ScriptedStepQueue steps;
    app::Form21 window;
};

}  // namespace testsupport
