#pragma once
// What a listener hears of the lesson without leaving the controls: the lesson's events, the
// circuit at each quarter period, the readings on demand and the sliders' meaning, read from
// the lesson model and said through one Notification element.
#include <QObject>
#include <QString>
#include <vector>

#include "lesson/lesson_state.h"

class QAction;

namespace platform {
class Notification;
}

namespace app {

class Form21;

// One reading as it is said: its name, its value in percent and that value with its unit.
struct SpokenReading {
    QString name;
    int percent = 0;
    int minimum = 0;  // the range of percent
    QString value;    // "45 % от максимума"
};
// Voltage, current, the period's phase, the electric and the magnetic energy.
std::vector<SpokenReading> SpokenReadings(const lesson::LessonState& s);
// All of them in one sentence: "Напряжение: 45 % от максимума. Сила тока: …".
QString ReadingsSentence(const lesson::LessonState& s);
// What the sliders' settings mean: "Частота колебаний: период 2 с", "Активное сопротивление: 2 из 5".
QString FrequencyMeaning(int setting);
QString ResistanceMeaning(int setting);

class Narration : public QObject {
    Q_OBJECT
public:
    // How fast a screen reader speaks, in characters a second, and the silence a listener is
    // left after it: a quarter period that comes before then is left out, not queued behind
    // the last words, so that a fast oscillation does not talk over the listener's own keys.
    static constexpr double kCharsPerSecond = 18;
    static constexpr double kQuietSeconds = 2;

    explicit Narration(Form21* window);

    void Say(const QString& sentence);
    // After each frame: the run's events, the capacitor full, and each quarter period.
    void FrameShown();
    void SayReadings();
    void SayPaused(bool paused);
    // The switch went back to rest: the next run is a new one, announced as it starts.
    void RunEnded();

    QAction* readingsAction = nullptr;  // R, К on a Russian layout; the context menu's "Показания"

private:
    void SayPhase(const QString& sentence);
    double Now() const;

    Form21* w_;
    platform::Notification* note_;
    lesson::RunState run_ = lesson::RunState::Idle;
    int quarter_ = -1;  // of the period the clock's hand was in at the last frame
    bool fullSaid_ = false;
    double quietAt_ = 0;  // s on the window's clock: when the last utterance should be over
};

}  // namespace app
