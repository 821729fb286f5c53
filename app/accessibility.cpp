// What a screen reader reads of the lesson and how an assistive tool works the switch.
#include <QtMath>
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

// Where a meter's needle stands, from the line it last drew: degrees, positive to the left.
double NeedleDegrees(const instruments::Needle& needle)
{
    const QPoint d = instruments::kMeterPivot - needle.tip;
    return qRadiansToDegrees(std::atan2(double(d.x()), double(d.y())));
}

platform::Reading Meter(const QString& quantity, const instruments::Needle& needle)
{
    const int p = Percent(NeedleDegrees(needle) / kFullDeflectionDegrees);
    return {double(p), -100, 100, QString("%1: %2 % от максимума").arg(quantity).arg(p)};
}

platform::Reading Bar(const QString& energy, QRect bar, int fullTwips)
{
    const int width = bar.width();
    const int p = width <= kEmptyBarTwips ? 0 : Percent(double(width) / fullTwips);
    return {double(p), 0, 100, QString("%1: %2 % от максимума").arg(energy).arg(p)};
}

}  // namespace

void Form21::ExposeToAssistiveTools()
{
    platform::ExposeHeading(
        this, [this] { return (Label5->Visible() ? Label5 : Label4)->Caption(); },
        [this] {
            const QRect t = (Label5->Visible() ? Label5 : Label4)->Twips();
            return platform::LogicalMapping().Rect(t.x(), t.y(), t.width(), t.height()).translated(Origin());
        });
    // The switch stands where its bridge line is drawn, or upright at rest.
    platform::ExposeSwitchPosition(imgOn1, [this] { return Line6->Visible(); });
    platform::ExposeSwitchPosition(imgKey0, [this] { return Line26->Visible(); });
    platform::ExposeSwitchPosition(imgPow0, [this] { return Line8->Visible(); });

    picvolt->setAccessibleName(
        "Напряжение");  // the captions over the dials: the hot areas are called after the meters
    platform::ExposeReading(picvolt, QAccessible::Dial, [this] { return Meter("Напряжение", voltmeterNeedle); });
    picamp->setAccessibleName("Сила тока");
    platform::ExposeReading(picamp, QAccessible::Dial, [this] { return Meter("Сила тока", ammeterNeedle); });
    picclock->setAccessibleName("Время колебания");
    platform::ExposeReading(picclock, QAccessible::Dial, [this] {  // AT-SPI knows no clock
        // The hand turns clockwise, by minus the angle, through one period.
        const int p = Percent(-state.clockAngle / (2 * physics::kProgramPi));
        return platform::Reading{double(p), 0, 100, QString("Время колебания: %1 % периода").arg(p)};
    });
    Frame2->setAccessibleName("Энергия колебаний");
    picBenerg->setAccessibleName("Магнитная энергия");
    platform::ExposeReading(picBenerg, QAccessible::ProgressBar,
                            [this] { return Bar("Магнитная энергия", MagneticBarTwips(), kFullMagneticBarTwips); });
    picEenerg->setAccessibleName("Электрическая энергия");
    platform::ExposeReading(picEenerg, QAccessible::ProgressBar, [this] {
        return Bar("Электрическая энергия", ElectricBarTwips(), kFullElectricBarTwips);
    });
    Frame1->setAccessibleName("Панель управления");
    picGr->setAccessibleName("График напряжения и силы тока");
    new platform::AccessibleAnnouncer(this);
}

}  // namespace app
