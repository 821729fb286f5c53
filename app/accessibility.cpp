// What a screen reader reads of the lesson and how an assistive tool works the switch.
#include <algorithm>
#include <cmath>

#include "app/form21.h"
#include "platform/accessibility.h"

namespace app {

namespace {

constexpr double kFullDeflectionDegrees = 60;  // a meter's needle at either end of its scale
constexpr int kFullElectricBarTwips = 2145;    // the electric bar's box as laid out: a full charge
constexpr int kFullMagneticBarTwips = 2135;    // the magnetic bar at the largest current (5690 − 3555)
constexpr int kEmptyBarTwips = 15;             // the sliver an empty bar keeps on the screen

int Percent(double fraction) { return static_cast<int>(std::lround(100 * std::clamp(fraction, -1.0, 1.0))); }

platform::Reading Meter(const QString& quantity, double degrees)
{
    const int p = Percent(degrees / kFullDeflectionDegrees);
    return {double(p), -100, 100, QString("%1: %2 % от максимума").arg(quantity).arg(p)};
}

platform::Reading Bar(const QString& energy, int width, int fullTwips)
{
    const int p = width <= kEmptyBarTwips ? 0 : Percent(double(width) / fullTwips);
    return {double(p), 0, 100, QString("%1: %2 % от максимума").arg(energy).arg(p)};
}

}  // namespace

void Form21::ExposeToAssistiveTools()
{
    // The heading names the circuit the lesson has: with the resistor, the damped one.
    auto heading = [this] { return State().settings.resistorIn ? Label4 : Label5; };
    platform::ExposeHeading(
        this, [heading] { return heading()->Caption(); },
        [this, heading] {
            const QRect t = heading()->Twips();
            return platform::LogicalMapping().Rect(t.x(), t.y(), t.width(), t.height()).translated(Origin());
        });
    auto standsAt = [this](SwitchPosition p) { return [this, p] { return State().switchPosition == p; }; };
    platform::ExposeSwitchPosition(imgOn1, standsAt(SwitchPosition::Coil));
    platform::ExposeSwitchPosition(imgKey0, standsAt(SwitchPosition::Raised));
    platform::ExposeSwitchPosition(imgPow0, standsAt(SwitchPosition::Source));

    picvolt->setAccessibleName(
        "Напряжение");  // the captions over the dials: the hot areas are called after the meters
    platform::ExposeReading(picvolt, QAccessible::Dial, [this] { return Meter("Напряжение", State().readings.voltmeterDegrees); });
    picamp->setAccessibleName("Сила тока");
    platform::ExposeReading(picamp, QAccessible::Dial, [this] { return Meter("Сила тока", State().readings.ammeterDegrees); });
    picclock->setAccessibleName("Время колебания");
    platform::ExposeReading(picclock, QAccessible::Dial, [this] {  // AT-SPI knows no clock
        // The hand turns clockwise, by minus the angle, through one period.
        const int p = Percent(-State().readings.clockAngle / (2 * physics::kProgramPi));
        return platform::Reading{double(p), 0, 100, QString("Время колебания: %1 % периода").arg(p)};
    });
    Frame2->setAccessibleName("Энергия колебаний");
    picBenerg->setAccessibleName("Магнитная энергия");
    platform::ExposeReading(picBenerg, QAccessible::ProgressBar,
                            [this] { return Bar("Магнитная энергия", State().readings.magneticBarWidth, kFullMagneticBarTwips); });
    picEenerg->setAccessibleName("Электрическая энергия");
    platform::ExposeReading(picEenerg, QAccessible::ProgressBar, [this] {
        return Bar("Электрическая энергия", State().readings.electricBarWidth, kFullElectricBarTwips);
    });
    Frame1->setAccessibleName("Панель управления");
    picGr->setAccessibleName("График напряжения и силы тока");
    new platform::AccessibleAnnouncer(this);
}

}  // namespace app
