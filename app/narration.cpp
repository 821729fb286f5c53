// What a listener hears of the lesson without leaving the controls (narration.h).
#include "app/narration.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "app/form21.h"
#include "app/languages.h"
#include "physics/circuit_parameters.h"
#include "platform/notification.h"

namespace app {

namespace {

constexpr double kFullDeflectionDegrees = 60;  // a meter's needle at either end of its scale
constexpr int kFullElectricBarTwips = 2145;    // the electric bar's box as laid out: a full charge
constexpr int kFullMagneticBarTwips = 2135;    // the magnetic bar at the largest current (5690 − 3555)
constexpr int kEmptyBarTwips = 15;             // the sliver an empty bar keeps on the screen

QString Tr(const char* text) { return QCoreApplication::translate("app::Form21", text); }

int Percent(double fraction) { return static_cast<int>(std::lround(100 * std::clamp(fraction, -1.0, 1.0))); }

SpokenReading OfMaximum(const char* name, int percent, int minimum)
{
    return {Tr(name), percent, minimum, QCoreApplication::translate("app::Form21", "%1 % от максимума").arg(percent)};
}

int BarPercent(int width, int fullTwips) { return width <= kEmptyBarTwips ? 0 : Percent(double(width) / fullTwips); }

// The circuit at the start of each quarter of the period, as the clock's hand shows it: the
// run starts with the capacitor charged and no current.
QString QuarterSentence(int quarter)
{
    switch (quarter) {
    case 0: return QCoreApplication::translate("app::Form21", "Вся энергия в конденсаторе, тока нет.");
    case 1: return QCoreApplication::translate("app::Form21", "Ток наибольший, вся энергия в катушке.");
    case 2: return QCoreApplication::translate("app::Form21", "Конденсатор перезаряжен, тока нет.");
    default: return QCoreApplication::translate("app::Form21", "Ток наибольший, в обратную сторону.");
    }
}

}  // namespace

std::vector<SpokenReading> SpokenReadings(const lesson::LessonState& s)
{
    const lesson::Readings& r = s.readings;
    // The hand turns clockwise, by minus the angle, once a period.
    const int phase = Percent(-r.clockAngle / (2 * physics::kProgramPi));
    return {
        OfMaximum(QT_TRANSLATE_NOOP("app::Form21", "Напряжение"),
                  Percent(r.voltmeterDegrees / kFullDeflectionDegrees), -100),
        OfMaximum(QT_TRANSLATE_NOOP("app::Form21", "Сила тока"), Percent(r.ammeterDegrees / kFullDeflectionDegrees),
                  -100),
        {Tr(QT_TRANSLATE_NOOP("app::Form21", "Время колебания")), phase, 0, QCoreApplication::translate("app::Form21", "%1 % периода").arg(phase)},
        OfMaximum(QT_TRANSLATE_NOOP("app::Form21", "Электрическая энергия"),
                  BarPercent(r.electricBarWidth, kFullElectricBarTwips), 0),
        OfMaximum(QT_TRANSLATE_NOOP("app::Form21", "Магнитная энергия"),
                  BarPercent(r.magneticBarWidth, kFullMagneticBarTwips), 0),
    };
}

QString ReadingsSentence(const lesson::LessonState& s)
{
    QStringList parts;
    for (const SpokenReading& r : SpokenReadings(s))
        parts << QCoreApplication::translate("app::Form21", "%1: %2.").arg(r.name, r.value);
    return parts.join(' ');
}

QString FrequencyMeaning(int setting)
{
    const double period = 2 * physics::kProgramPi / physics::OmegaForSetting(setting, physics::kProgramPi);
    QString seconds = QString::number(period, 'f', 2);
    while (seconds.endsWith('0'))
        seconds.chop(1);
    if (seconds.endsWith('.'))
        seconds.chop(1);
    // "1,33" in Russian and German, "1.33" in English: read as a number in each.
    seconds.replace('.', QLocale(CurrentLanguage()).decimalPoint());
    return QCoreApplication::translate("app::Form21", "Частота колебаний: период %1 с").arg(seconds);
}

QString ResistanceMeaning(int setting)
{
    return QCoreApplication::translate("app::Form21", "Активное сопротивление: %1 из 5").arg(setting);
}

Narration::Narration(Form21* window) : QObject(window), w_(window), note_(new platform::Notification(window))
{
    readingsAction = new QAction(Tr(QT_TRANSLATE_NOOP("app::Form21", "Показания")), window);
    // R, and the same key on a Russian layout, where it gives "К".
    readingsAction->setShortcuts({QKeySequence(Qt::Key_R), QKeySequence(QString("К"))});
    readingsAction->setShortcutContext(Qt::WindowShortcut);
    connect(readingsAction, &QAction::triggered, this, &Narration::SayReadings);
    window->addAction(readingsAction);

    // On a change Orca says only the slider's number: the meaning follows it.
    connect(window->Slider1, &QSlider::valueChanged, this, [this](int v) { Say(FrequencyMeaning(v) + '.'); });
    connect(window->Slider2, &QSlider::valueChanged, this, [this](int v) { Say(ResistanceMeaning(v) + '.'); });
}

double Narration::Now() const { return w_->GetClock().Now(); }

void Narration::Say(const QString& sentence)
{
    note_->Say(sentence);
    quietAt_ = std::max(quietAt_, Now()) + sentence.size() / kCharsPerSecond;
}

void Narration::SayReadings() { Say(ReadingsSentence(w_->State())); }

void Narration::SayPaused(bool paused) { Say(paused ? Tr(QT_TRANSLATE_NOOP("app::Form21", "Пауза.")) : Tr(QT_TRANSLATE_NOOP("app::Form21", "Продолжение."))); }

void Narration::RunEnded() { run_ = lesson::RunState::Idle; }

void Narration::FrameShown()
{
    const lesson::LessonState& s = w_->State();
    QStringList events;
    if (s.runState == lesson::RunState::Charging && run_ != s.runState) {
        events << Tr(QT_TRANSLATE_NOOP("app::Form21", "Зарядка конденсатора началась. До остановки нет сброса."));
        fullSaid_ = false;
    }
    if (s.runState == lesson::RunState::Charging && !fullSaid_ && SpokenReadings(s)[0].percent >= 100) {
        events << Tr(QT_TRANSLATE_NOOP("app::Form21", "Конденсатор заряжен."));
        fullSaid_ = true;
    }
    if (s.runState == lesson::RunState::Oscillating && run_ != s.runState) {
        events << Tr(QT_TRANSLATE_NOOP("app::Form21", "Колебания начались. До остановки нет зарядки, сброса и сопротивления."));
        quarter_ = -1;
    }
    if (w_->Model().LastFrame().endedByItself)
        events << Tr(QT_TRANSLATE_NOOP("app::Form21", "Колебания закончились: время опыта истекло."));
    run_ = s.runState;

    QString phase;
    if (s.runState == lesson::RunState::Oscillating) {
        const int quarter = static_cast<int>(std::floor(-s.readings.clockAngle / (physics::kProgramPi / 2))) % 4;
        if (quarter != quarter_)
            phase = QuarterSentence(quarter);
        quarter_ = quarter;
    }
    // An event is always said; a quarter period only once the last words are over.
    if (!events.isEmpty())
        Say((events << phase).join(' ').trimmed());
    else if (!phase.isEmpty() && Now() >= quietAt_ + kQuietSeconds)
        Say(phase);
}

}  // namespace app
