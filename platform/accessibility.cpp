#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <cmath>

#include "platform/accessibility_registry.h"
#include "platform/container.h"
#include "platform/controls.h"
#include "platform/notification.h"

namespace platform {

QHash<const QWidget*, Exposed>& Exposed::Registry()
{
    static QHash<const QWidget*, Exposed> registry;
    return registry;
}

namespace {

class HeadingInterface;

const Exposed* Find(const QWidget* w)
{
    const auto it = Exposed::Registry().constFind(w);
    return it == Exposed::Registry().constEnd() ? nullptr : &*it;
}

Exposed& Enter(QWidget* w)
{
    if (!Exposed::Registry().contains(w))
        QObject::connect(w, &QObject::destroyed, [w] {
            const Exposed e = Exposed::Registry().take(w);
            if (e.headingId)
                QAccessible::deleteAccessibleInterface(e.headingId);
        });
    return Exposed::Registry()[w];
}

// Is the widget an element of the tree, or only part of the picture?
bool InTree(const QWidget* w)
{
    if (qobject_cast<const HotArea*>(w) || qobject_cast<const QAbstractButton*>(w) ||
        qobject_cast<const QAbstractSlider*>(w))
        return true;
    if (qobject_cast<const Notification*>(w))
        return w->isVisible();  // from its first sentence on
    if (qobject_cast<const Container*>(w)) {
        const Exposed* e = Find(w);
        return (e && e->read) || !w->accessibleName().isEmpty();
    }
    return false;
}

// The heading the window paints: no widget of its own, so an element made by hand.
class HeadingInterface : public QAccessibleInterface {
public:
    explicit HeadingInterface(QWidget* window) : window_(window) {}
    bool isValid() const override { return window_ && Find(window_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? Find(window_)->heading() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = Find(window_)->headingRect();
        return QRect(window_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Heading; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !window_ || !window_->isVisible();
        s.readOnly = true;
        return s;
    }

private:
    QPointer<QWidget> window_;
};

// A box: the window, a named group of controls, a reading, or (out of the tree) decoration.
class BoxInterface : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit BoxInterface(QWidget* w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override
    {
        if (widget()->isWindow())
            return QAccessible::Window;  // what AT-SPI calls a frame
        if (const Exposed* e = Gauge(); e)
            return e->role;
        return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Grouping;
    }
    QString text(QAccessible::Text t) const override
    {
        const Exposed* e = Gauge();
        if (e && (t == QAccessible::Description || t == QAccessible::Value))
            return e->read().sentence;
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return Gauge() ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
        return QAccessibleWidget::interface_cast(t);
    }
    QStringList actionNames() const override
    {
        const Exposed* e = Gauge();
        return (e && e->press ? QStringList{pressAction()} : QStringList()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (const Exposed* e = Gauge(); e && e->press && name == pressAction())
            e->press();
        else
            QAccessibleWidget::doAction(name);
    }
    // No key names: a screen reader would say them, in English.
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int i) const override
    {
        const QList<QAccessibleInterface*> c = Children();
        return i >= 0 && i < c.size() ? c[i] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return static_cast<int>(Children().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

    QVariant currentValue() const override { return Gauge() ? Gauge()->read().value : QVariant(); }
    void setCurrentValue(const QVariant&) override {}  // a reading is shown, never set
    QVariant maximumValue() const override { return Gauge() ? Gauge()->read().maximum : QVariant(); }
    QVariant minimumValue() const override { return Gauge() ? Gauge()->read().minimum : QVariant(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    const Exposed* Gauge() const
    {
        const Exposed* e = Find(widget());
        return e && e->read ? e : nullptr;
    }
    QList<QAccessibleInterface*> Children() const
    {
        QList<QAccessibleInterface*> out;
        if (const Exposed* e = Find(widget()); e && e->headingId)
            out << QAccessible::accessibleInterface(e->headingId);
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && InTree(w))
                if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w))
                    out << i;
        }
        return out;
    }
};

// A hot area: a switch position, a clickable area, or the name of a part of the picture.
class HotAreaInterface : public QAccessibleWidget {
public:
    explicit HotAreaInterface(HotArea* area) : QAccessibleWidget(area) {}

    // Qt would describe it by its tooltip, which repeats the name ("Пуск ", said twice).
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? widget()->accessibleDescription() : QAccessibleWidget::text(t);
    }

    QAccessible::Role role() const override
    {
        if (Position())
            return QAccessible::RadioButton;
        return Area()->Clickable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const Exposed* e = Position()) {
            s.checkable = true;
            s.checked = e->standsHere();
        }
        // Heard as "неактивно" where the Tab order still reaches it.
        s.disabled = s.disabled || !Area()->Available();
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (Area()->Clickable() && Usable(Area()))
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            Area()->Click();  // refused there while disabled or unavailable, as a click is
        else
            QAccessibleWidget::doAction(name);
    }
    // No key names: "where am I" would say them, in English.
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    HotArea* Area() const { return static_cast<HotArea*>(widget()); }
    const Exposed* Position() const
    {
        const Exposed* e = Find(widget());
        return e && e->standsHere ? e : nullptr;
    }
};

// A slider: its value can be read and set, and stepped by two actions a switch can reach.
class SliderInterface : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderInterface(Slider* s) : QAccessibleWidget(s, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(Bar()->value());
        const Exposed* e = Find(widget());
        if (t == QAccessible::Name && e && e->meaning)
            return e->meaning();
        if (t == QAccessible::Description && e && e->meaning)
            return {};  // not the tooltip: the meaning says enough
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return Bar()->value(); }
    void setCurrentValue(const QVariant& v) override
    {
        if (Bar()->isEnabled())
            Bar()->setValue(v.toInt());
    }
    QVariant maximumValue() const override { return Bar()->maximum(); }
    QVariant minimumValue() const override { return Bar()->minimum(); }
    QVariant minimumStepSize() const override { return Bar()->singleStep(); }

    QStringList actionNames() const override
    {
        QStringList names;
        if (Bar()->isEnabled())
            names << increaseAction() << decreaseAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (!Bar()->isEnabled())
            return;
        if (name == increaseAction())
            Bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (name == decreaseAction())
            Bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    Slider* Bar() const { return static_cast<Slider*>(widget()); }
};

// Orca 43 speaks an element of this role when it is shown, wherever the focus is: its name is
// the sentence (notification.h says why nothing else would do).
class NotificationInterface : public QAccessibleWidget {
public:
    explicit NotificationInterface(Notification* n) : QAccessibleWidget(n, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Notification*>(widget())->Sentence() : QString();
    }
};

QAccessibleInterface* Factory(const QString& key, QObject* object)
{
    if (key == QLatin1String("platform::Notification"))
        return new NotificationInterface(static_cast<Notification*>(object));
    // Qt asks with each class name from the most derived up: these names are this file's.
    if (key == QLatin1String("platform::HotArea"))
        return new HotAreaInterface(static_cast<HotArea*>(object));
    if (key == QLatin1String("platform::Slider"))
        return new SliderInterface(static_cast<Slider*>(object));
    if (key == QLatin1String("platform::Container"))
        return new BoxInterface(static_cast<Container*>(object));
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(Factory);
}

void ExposeReading(QWidget* box, QAccessible::Role role, std::function<Reading()> read, std::function<void()> press)
{
    Exposed& e = Enter(box);
    e.role = role;
    e.read = std::move(read);
    e.press = std::move(press);
}

void ExposeMeaning(QAbstractSlider* slider, std::function<QString()> meaning)
{
    Enter(slider).meaning = std::move(meaning);
    // Orca speaks only the number at a change; the new name is for the next "where am I".
    QObject::connect(slider, &QAbstractSlider::valueChanged, slider, [slider] {
        QAccessibleEvent event(slider, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
}

void ExposeSwitchPosition(HotArea* area, std::function<bool()> standsHere)
{
    Enter(area).standsHere = std::move(standsHere);
}

void ExposeHeading(QWidget* window, std::function<QString()> text, std::function<QRect()> where)
{
    Exposed& e = Enter(window);
    e.heading = std::move(text);
    e.headingRect = std::move(where);
    if (!e.headingId)
        e.headingId = QAccessible::registerAccessibleInterface(new HeadingInterface(window));
}

}  // namespace platform
