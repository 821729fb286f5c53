#pragma once
// What the program told the accessibility layer about its widgets, shared by the interfaces
// that answer for them and by the announcer that tells of their changes.
#include <QAccessible>
#include <QHash>
#include <QRect>
#include <QString>
#include <functional>

#include "platform/accessibility.h"

class QWidget;

namespace platform {

// What the program said about a widget, and what was last announced of it.
struct Exposed {
    QAccessible::Role role = QAccessible::NoRole;
    std::function<Reading()> read;
    std::function<void()> press;
    std::function<QString()> meaning;
    std::function<bool()> standsHere;
    std::function<QString()> heading;
    std::function<QRect()> headingRect;
    QAccessible::Id headingId = 0;
    bool announced = false;  // the values below hold what the last look saw
    double value = 0;
    bool checked = false;
    QString text;

    static QHash<const QWidget*, Exposed>& Registry();
};

}  // namespace platform
