#include "platform/accessibility.h"

#include <QAccessible>
#include <QWidget>

#include "platform/accessibility_registry.h"

namespace platform {

AccessibleAnnouncer::AccessibleAnnouncer(QWidget* window) : QObject(window), window_(window)
{
    connect(&timer_, &QTimer::timeout, this, &AccessibleAnnouncer::AnnounceChanges);
    timer_.start(kLookEveryMs);
}

void AccessibleAnnouncer::AnnounceChanges()
{
    for (auto it = Exposed::Registry().begin(); it != Exposed::Registry().end(); ++it) {
        auto* w = const_cast<QWidget*>(it.key());
        if (w->window() != window_)
            continue;
        Exposed& e = it.value();
        const bool first = !e.announced;
        e.announced = true;
        if (e.read) {
            const double v = e.read().value;
            if (!first && v != e.value) {
                QAccessibleValueChangeEvent event(w, v);
                send(&event);
            }
            e.value = v;
        }
        if (e.standsHere) {
            const bool c = e.standsHere();
            if (!first && c != e.checked) {
                QAccessible::State changed;
                changed.checked = true;
                QAccessibleStateChangeEvent event(w, changed);
                send(&event);
            }
            e.checked = c;
        }
        if (e.heading) {
            const QString t = e.heading();
            if (!first && t != e.text) {
                QAccessibleEvent event(QAccessible::accessibleInterface(e.headingId), QAccessible::NameChanged);
                send(&event);
            }
            e.text = t;
        }
    }
}

}  // namespace platform
