// The lesson worked and read through Qt's accessibility interfaces alone, as a screen reader
// or a switch-access client in another process does through AT-SPI.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QElapsedTimer>
#include <set>

#include "harness.h"
#include "platform/accessibility.h"

using testsupport::Lesson;

namespace {

QAccessibleInterface* Find(QAccessibleInterface* root, const QString& name)
{
    if (root->text(QAccessible::Name) == name)
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* hit = Find(root->child(i), name))
            return hit;
    return nullptr;
}

// Every element under root, depth first; each child must name its parent back.
void Walk(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& out)
{
    out.push_back(root);
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* c = root->child(i);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->parent(), root) << qPrintable(c->text(QAccessible::Name));
        EXPECT_EQ(root->indexOfChild(c), i) << qPrintable(c->text(QAccessible::Name));
        Walk(c, out);
    }
}

void Do(QAccessibleInterface* e, const QString& action) { e->actionInterface()->doAction(action); }

int ValueOf(QAccessibleInterface* e) { return e->valueInterface()->currentValue().toInt(); }

}  // namespace

TEST(Accessibility, ALessonIsWorkedAndReadThroughTheAccessibilityInterfacesAlone)
{
    Lesson l;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&l.window);
    ASSERT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QString("Электромагнитные колебания в контуре"));
    EXPECT_EQ(window->child(0)->role(), QAccessible::Heading);
    EXPECT_EQ(window->child(0)->text(QAccessible::Name),
              QString("Свободные электромагнитные колебания в LC-контуре"));

    QAccessibleInterface *charge = Find(window, "Зарядить конденсатор"), *stop = Find(window, "Стоп"),
                         *start = Find(window, "Пуск"), *fast = Find(window, "быстро"),
                         *slow = Find(window, "медленно"), *volts = Find(window, "Напряжение"),
                         *amps = Find(window, "Сила тока"), *clock = Find(window, "Время колебания");
    for (QAccessibleInterface* e : {charge, stop, start, fast, slow, volts, amps, clock})
        ASSERT_NE(e, nullptr);
    for (QAccessibleInterface* e : {volts, amps, clock})
        ASSERT_NE(e->valueInterface(), nullptr) << qPrintable(e->text(QAccessible::Name));
    EXPECT_EQ(charge->role(), QAccessible::RadioButton);
    EXPECT_TRUE(stop->state().checked);  // the switch stands at rest
    EXPECT_FALSE(charge->state().checked || start->state().checked);

    // The slow speed, chosen by the options' own action: they stay exclusive.
    ASSERT_EQ(slow->role(), QAccessible::RadioButton);
    Do(slow, slow->actionInterface()->actionNames().first());
    EXPECT_TRUE(slow->state().checked && !fast->state().checked);
    Do(slow, slow->actionInterface()->actionNames().first());  // the chosen one cannot be cleared
    EXPECT_TRUE(slow->state().checked);

    Do(charge, QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(charge->state().checked && !stop->state().checked && start->state().disabled);
    Do(start, QAccessibleActionInterface::pressAction());  // refused while charging, as a click is
    EXPECT_FALSE(start->state().checked);
    l.Run(1.0);
    // Slowly charged for a second, the capacitor holds 1 - e^(-1/2) of a full charge, not 98 %.
    const int volt = ValueOf(volts);
    EXPECT_NEAR(volt, 39, 3);
    EXPECT_EQ(volts->text(QAccessible::Description), QString("%1 % от максимума").arg(volt));

    Do(stop, QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(stop->state().checked && !charge->state().checked);
    l.Step();
    Do(start, QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(start->state().checked);
    l.Run(0.5);
    // A period lasts 2 s at the frequency set at start-up (omega = 3.14 rad/s).
    EXPECT_NEAR(ValueOf(clock), 25, 2);
    EXPECT_LT(ValueOf(volts), volt);
    EXPECT_NE(ValueOf(amps), 0);
}

TEST(Accessibility, TheTreeHoldsEveryControlWithAnActionAndNothingDecorative)
{
    Lesson l;
    std::vector<QAccessibleInterface*> all;
    Walk(QAccessible::queryAccessibleInterface(&l.window), all);
    std::set<QObject*> reached;
    for (QAccessibleInterface* e : all) {
        reached.insert(e->object());
        EXPECT_FALSE(e->text(QAccessible::Name).isEmpty()) << e->role();
        EXPECT_NE(e->role(), QAccessible::Client) << qPrintable(e->text(QAccessible::Name));
    }
    // The window, its heading, 9 hot areas, 3 dials, 2 energy bars, 3 groups, 2 sliders,
    // 2 options and 7 push buttons: no line, shape, marker or plain box.
    EXPECT_EQ(all.size(), 30u);

    int focusable = 0;
    for (QWidget* w : l.window.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        ++focusable;
        EXPECT_TRUE(reached.count(w)) << qPrintable(w->accessibleName());
        QAccessibleInterface* e = QAccessible::queryAccessibleInterface(w);
        QStringList actions = e->actionInterface() ? e->actionInterface()->actionNames() : QStringList();
        actions.removeAll(QAccessibleActionInterface::setFocusAction());
        EXPECT_FALSE(actions.isEmpty()) << qPrintable(w->accessibleName()) << " offers nothing but the focus";
    }
    EXPECT_EQ(focusable, 3 + 2 + 2 + 7 + 5);  // and the five readings
}

TEST(Accessibility, AReadingIsAnnouncedAFewTimesASecondNotAtEveryStep)
{
    Lesson l;
    auto* announcer = l.window.findChild<platform::AccessibleAnnouncer*>();
    ASSERT_NE(announcer, nullptr);
    int voltmeterAnnouncements = 0;
    announcer->send = [&](QAccessibleEvent* e) {
        voltmeterAnnouncements += e->type() == QAccessible::ValueChanged && e->object() == l.window.picvolt;
    };
    l.window.Option2->SetValue(true);  // a slow charge moves the needle for seconds
    l.window.imgPow0->Click();
    constexpr int kWatchMs = 1500;
    QElapsedTimer watch;
    watch.start();
    // The lesson's clock follows the wall clock, as in the program; the steps come as fast as
    // the machine takes them.
    int steps = 0;
    for (double last = 0; watch.elapsed() < kWatchMs; ++steps) {
        const double now = watch.nsecsElapsed() / 1e9;
        l.Step(now - last);
        last = now;
    }
    EXPECT_GT(steps, 100);
    EXPECT_LT(l.window.State().chargeLevel, 200);  // still charging: the needle moved all along
    EXPECT_GE(voltmeterAnnouncements, 2);
    EXPECT_LE(voltmeterAnnouncements, kWatchMs / platform::AccessibleAnnouncer::kLookEveryMs + 1);
}
