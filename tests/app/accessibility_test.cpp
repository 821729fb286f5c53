// The lesson worked and read through Qt's accessibility interfaces alone, as a screen reader
// or a switch-access client in another process does through AT-SPI.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <set>

#include "harness.h"
#include "platform/accessibility.h"
#include "platform/notification.h"

using testsupport::Lesson;

namespace {

using testsupport::Find;

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

// What the window says without moving the focus, utterance by utterance, with the current and
// the voltage (normalised) the model had as each was said.
struct Heard {
    struct Utterance {
        QString text;
        double current, voltage;
    };
    std::vector<Utterance> said;
    QStringList Texts() const
    {
        QStringList t;
        for (const Utterance& u : said)
            t << u.text;
        return t;
    }
    explicit Heard(Lesson& l)
    {
        auto* note = l.window.findChild<platform::Notification*>();
        QObject::connect(note, &platform::Notification::said, [this, &l, note](const QString& text) {
            // What a screen reader reads of the shown element is the utterance itself.
            QAccessibleInterface* e = QAccessible::queryAccessibleInterface(note);
            EXPECT_EQ(e->role(), QAccessible::Notification);
            EXPECT_EQ(e->text(QAccessible::Name), text);
            const lesson::Readings& r = l.window.State().readings;
            said.push_back({text, r.ammeterDegrees / 60, r.voltmeterDegrees / 60});
        });
    }
};

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

TEST(Accessibility, TheLessonsEventsAndEachQuarterPeriodAreSaidOnceInOrder)
{
    Lesson l;
    Heard heard(l);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&l.window);
    QAccessibleInterface* frequency = QAccessible::queryAccessibleInterface(l.window.Slider1);
    frequency->valueInterface()->setCurrentValue(6);
    EXPECT_EQ(frequency->text(QAccessible::Name), QString("Частота колебаний: период 1,33 с"));
    frequency->valueInterface()->setCurrentValue(1);  // a period of 60 s: every quarter is said
    l.Step();
    Do(Find(window, "Зарядить конденсатор"), QAccessibleActionInterface::pressAction());
    l.Run(2.0, 0.05);  // fast, the capacitor is full in 1.4 s
    Do(Find(window, "Стоп"), QAccessibleActionInterface::pressAction());
    l.Run(10.0, 0.05);  // time to say all that
    Do(Find(window, "Пуск"), QAccessibleActionInterface::pressAction());
    l.Run(31.0, 0.05);
    l.window.pauseAction->trigger();
    l.Step();
    l.window.pauseAction->trigger();
    l.Step();
    const QStringList expected{
        "Частота колебаний: период 1,33 с. Частота колебаний: период 60 с.",
        "Зарядка конденсатора началась. До остановки нет сброса.",
        "Конденсатор заряжен.",
        "Колебания начались. До остановки нет зарядки, сброса и сопротивления. "
        "Вся энергия в конденсаторе, тока нет.",
        "Ток наибольший, вся энергия в катушке.",
        "Конденсатор перезаряжен, тока нет.",
        "Пауза.",
        "Продолжение.",
    };
    EXPECT_EQ(heard.Texts().join('\n').toStdString(), expected.join('\n').toStdString());
    ASSERT_EQ(heard.said.size(), 8u);
    // Each quarter is said when the circuit is there: the phase is the clock's, the check the meters'.
    EXPECT_GT(heard.said[3].voltage, 0.97);
    EXPECT_GT(std::abs(heard.said[4].current), 0.97);
    EXPECT_LT(std::abs(heard.said[4].voltage), 0.03);
    EXPECT_LT(heard.said[5].voltage, -0.97);
    EXPECT_LT(std::abs(heard.said[5].current), 0.03);
}

TEST(Accessibility, RSaysEveryReadingWithItsNameAndUnit)
{
    Lesson l;
    Heard heard(l);
    l.window.show();  // a key reaches a shown, active window
    l.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&l.window));
    l.window.imgPow0->Click();
    l.Run(10.0, 0.05);
    l.window.imgKey0->Click();
    l.Step();
    l.window.Slider1->setValue(3);  // a period of 12 s
    l.window.imgOn1->Click();
    const double t0 = l.clock.Now();
    l.ArriveAt(t0 + 1.5);  // an eighth of the period
    QCoreApplication::processEvents();
    heard.said.clear();
    QTest::keyClick(&l.window, Qt::Key_R);
    QCoreApplication::processEvents();
    ASSERT_EQ(heard.said.size(), 1u);
    const QRegularExpressionMatch
        m = QRegularExpression(
                "^Напряжение: (-?\\d+) % от максимума\\. Сила тока: (-?\\d+) % от максимума\\. "
                "Время колебания: (\\d+) % периода\\. Электрическая энергия: (\\d+) % от максимума\\. "
                "Магнитная энергия: (\\d+) % от максимума\\.$")
                .match(heard.said[0].text);
    ASSERT_TRUE(m.hasMatch()) << qPrintable(heard.said[0].text);
    // At an eighth of the period: q = Q cos 45°, |I| = I₀ sin 45°, each energy half of the whole.
    EXPECT_NEAR(m.captured(1).toInt(), 71, 2);
    EXPECT_NEAR(std::abs(m.captured(2).toInt()), 71, 2);
    EXPECT_NEAR(m.captured(3).toInt(), 12.5, 1);
    EXPECT_NEAR(m.captured(4).toInt(), 50, 2);
    EXPECT_NEAR(m.captured(5).toInt(), 50, 2);
}

TEST(Accessibility, AnUnavailableSwitchPositionIsReachedSaidUnavailableAndIgnoresEveryWayOfPressing)
{
    Lesson l;
    app::Form21& w = l.window;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.imgPow0->Click();
    l.Step();
    w.imgKey0->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.imgKey0, Qt::Key_Backtab);
    ASSERT_TRUE(w.imgOn1->hasFocus()) << "\"Пуск\" stays in the Tab order while charging";
    QAccessibleInterface* start = QAccessible::queryAccessibleInterface(w.imgOn1);
    EXPECT_TRUE(start->state().disabled && start->state().focusable);
    EXPECT_FALSE(start->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_TRUE(start->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()).isEmpty());
    Do(start, QAccessibleActionInterface::pressAction());
    QTest::keyClick(w.imgOn1, Qt::Key_Space);
    QTest::keyClick(w.imgOn1, Qt::Key_Return);
    QTest::mouseClick(w.imgOn1, Qt::LeftButton);
    l.Step();
    EXPECT_EQ(w.State().runState, app::RunState::Charging);
    w.imgKey0->Click();  // at rest it is available again
    l.Step();
    EXPECT_FALSE(start->state().disabled);
    QTest::keyClick(w.imgOn1, Qt::Key_Space);
    EXPECT_EQ(w.State().runState, app::RunState::Oscillating);
}
