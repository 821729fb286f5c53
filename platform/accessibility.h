#pragma once
// What assistive tools (a screen reader, switch access, voice control) find in a window built
// from these controls, through Qt's accessibility interfaces.
//
// The tree holds what a user reads or works: the window and its heading, the controls, the hot
// areas that name the parts of the scene, and the boxes that show a reading or group controls
// under a name. The lines, shapes, markers and unnamed boxes the scene is painted with are
// left out, and so are their children.
#include <QAccessible>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;
class QAbstractSlider;

namespace platform {

class HotArea;

// A reading as a screen reader says it: a value within its range, and a sentence.
struct Reading {
    double value = 0;
    double minimum = 0;
    double maximum = 100;
    QString sentence;
};

// Makes this file's interfaces answer for this program's controls. Called before the first
// control is made, since Qt keeps the interface it made first for a widget; later calls do
// nothing.
void InstallAccessibleInterfaces();

// A box showing a reading: an element of the given role whose value is the reading and whose
// description is the reading's sentence. A focusable box offers the Press action, which
// calls `press` (for example: say the reading now).
void ExposeReading(QWidget* box, QAccessible::Role role, std::function<Reading()> read,
                   std::function<void()> press = {});

// A slider named by what its value means ("Частота колебаний: период 2 с"): the name follows
// the value, and a screen reader is told when it changes.
void ExposeMeaning(QAbstractSlider* slider, std::function<QString()> meaning);

// A clickable hot area that is one position of a switch: a radio button, checked where the
// switch stands, whose Press action is a click (refused, as a click is, while disabled).
void ExposeSwitchPosition(HotArea* area, std::function<bool()> standsHere);

// Text the window paints itself: a heading, its first element. `where` is in window pixels.
void ExposeHeading(QWidget* window, std::function<QString()> text, std::function<QRect()> where);

// Tells assistive tools which readings, switch positions and headings of a window changed.
// It looks a few times a second, never at every drawn frame: a voice cannot say more, and
// an event a frame would cost the loops their time.
class AccessibleAnnouncer : public QObject {
    Q_OBJECT
public:
    static constexpr int kLookEveryMs = 250;  // ms: four announcements a second at most

    explicit AccessibleAnnouncer(QWidget* window);
    // One look: an event for each element whose value, checked state or text changed since
    // the last look.
    void AnnounceChanges();

    // Where the events go: to Qt, which passes them to the platform's bridge (AT-SPI) while an
    // assistive tool listens. The offscreen platform has no bridge: tests listen here instead.
    std::function<void(QAccessibleEvent*)> send = QAccessible::updateAccessibility;

private:
    QWidget* window_;
    QTimer timer_;
};

}  // namespace platform
