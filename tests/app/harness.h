#pragma once
// The scripted lesson the tests drive: the real window, a scripted clock, a hand-driven queue.
#include <QPainter>

#include "app/scripted_lesson.h"

namespace testsupport {
using Lesson = app::ScriptedLesson;

// The picture with the two sliders blanked: the style shades their ticks a little differently
// from one rendering to the next, whatever the lesson does.
inline QImage WithoutSliders(const QImage& picture, Lesson& l)
{
    QImage out = picture.copy();
    QPainter p(&out);
    for (QWidget* s : {static_cast<QWidget*>(l.window.Slider1), static_cast<QWidget*>(l.window.Slider2)})
        p.fillRect(QRect(s->mapTo(&l.window, QPoint(0, 0)), s->size()), Qt::black);
    return out;
}
inline QImage WithoutSliders(Lesson& l) { return WithoutSliders(l.Picture(), l); }
}  // namespace testsupport
