#include "app/scripted_lesson.h"

#include <QCoreApplication>

namespace app {

void ScriptedLesson::Run(double seconds, double dt)
{
    const long long n = static_cast<long long>(seconds / dt + 0.5);
    for (long long i = 0; i < n; ++i)
        Step(dt);
}

void ScriptedLesson::Step(double dt)
{
    clock.Advance(dt);
    QCoreApplication::processEvents();
    steps.RunOne();
}

void ScriptedLesson::ArriveAt(double t)
{
    clock.Set(t);
    steps.RunOne();
}

QImage ScriptedLesson::Picture(double dpr)
{
    QImage img(window.size() * dpr, QImage::Format_ARGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::black);
    window.render(&img);
    return img;
}

}  // namespace app
