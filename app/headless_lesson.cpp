#include "app/headless_lesson.h"

#include <QDir>

#include "app/scripted_lesson.h"

namespace app {

namespace {
constexpr double kStep = 0.005;  // s between two loop steps: a smooth machine's pace
}

QStringList RunHeadlessLesson(const QString& folder, double ratio)
{
    if (!QDir().mkpath(folder))
        return {};
    QStringList written;
    ScriptedLesson l;
    Form21& w = l.window;
    auto snap = [&](const QString& name) {
        const QString path = QDir(folder).filePath(name);
        if (l.Picture(ratio).save(path))
            written << path;
    };

    snap("01-start.png");

    // A fast charge, shown with the graph, then the switch to rest.
    w.Command4->click();
    w.imgPow0->Click();
    l.Run(2.0, kStep);
    w.imgKey0->Click();
    l.Step(kStep);
    snap("02-charged.png");

    // A free oscillation at the frequency setting 5: a period of 2 s.
    const double start = l.clock.Now();
    w.imgOn1->Click();
    l.Run(0.5 - kStep, kStep);
    l.ArriveAt(start + 0.5);
    snap("03-quarter-period.png");
    l.ArriveAt(start + 1.0);
    snap("04-half-period.png");
    w.imgKey0->Click();
    l.Step(kStep);

    // The resistor in: a damped oscillation, shown a quarter period on, when the current and
    // the resistor's glow are strongest.
    w.Slider2->setValue(2);
    w.Command2->click();
    w.imgOn1->Click();
    const double damped = l.clock.Now();
    l.Run(0.5 - kStep, kStep);
    l.ArriveAt(damped + 0.5);
    snap("05-damped.png");
    w.imgKey0->Click();
    l.Step(kStep);

    // "Сброс": the capacitor empty, the meters at rest.
    w.cmdSbros->click();
    snap("06-reset.png");
    return written;
}

}  // namespace app
