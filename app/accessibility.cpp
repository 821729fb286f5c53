// What a screen reader reads of the lesson and how an assistive tool works the switch.
#include <array>

#include "app/form21.h"
#include "app/narration.h"
#include "platform/accessibility.h"

namespace app {

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

    // The readings, each a stop of the Tab order after the panel: its name, then its value
    // with its unit as the description (never repeating the name: Orca would say it twice).
    // Their role is none that Orca names: a dial is read as a telephone's, and a progress bar
    // has its changes said by Orca itself as bare percentages.
    narration_ = new Narration(this);
    QWidget* previous = Command5;
    const std::array<platform::Container*, 5> boxes{picvolt, picamp, picclock, picEenerg, picBenerg};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setAccessibleName(SpokenReadings(State())[i].name);
        boxes[i]->setFocusPolicy(Qt::TabFocus);
        platform::ExposeReading(
            boxes[i], QAccessible::Indicator,
            [this, i] {
                const SpokenReading r = SpokenReadings(State())[i];
                return platform::Reading{double(r.percent), double(r.minimum), 100, r.value};
            },
            [this, i] {  // Press: the reading now, with its name
                const SpokenReading r = SpokenReadings(State())[i];
                Announce(tr("%1: %2.").arg(r.name, r.value));
            });
        setTabOrder(previous, boxes[i]);
        previous = boxes[i];
    }
    Frame2->setAccessibleName(tr("Энергия колебаний"));
    platform::ExposeMeaning(Slider1, [this] { return FrequencyMeaning(State().settings.frequency); });
    platform::ExposeMeaning(Slider2, [this] { return ResistanceMeaning(State().settings.resistance); });
    Frame1->setAccessibleName(tr("Панель управления"));
    picGr->setAccessibleName(tr("График напряжения и силы тока"));
    new platform::AccessibleAnnouncer(this);
}

void Form21::Announce(const QString& sentence)
{
    if (narration_)
        narration_->Say(sentence);
}

}  // namespace app
