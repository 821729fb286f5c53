// For the classroom: a pause at any instant of a run, single steps and a slower or faster
// lesson for explaining what happens inside a period, and the scene on the whole projector.
//
// A pause stops the lesson's clock and its frames, so everything on the screen stands exactly as
// it was and the program sleeps; the run goes on from the same instant. Any click on the switch
// ends the pause first, so "Стоп" ends a paused run as it ends a running one.
#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <algorithm>

#include "app/form21.h"
#include "app/languages.h"
#include "app/narration.h"
#include "app/layout_helpers.h"
#include "platform/placement.h"

namespace app {

namespace {
const char* const kPause = QT_TRANSLATE_NOOP("app::Form21", "Пауза");
const char* const kResume = QT_TRANSLATE_NOOP("app::Form21", "Продолжить");
const char* const kFullScreen = QT_TRANSLATE_NOOP("app::Form21", "Во весь экран");
const char* const kWindowed = QT_TRANSLATE_NOOP("app::Form21", "Обычное окно");
const QColor kPauseRed(200, 0, 0);    // reads from the back of a room on the white of the window
const QColor kSpeedBlue(0, 0, 160);  // another colour than the pause's: the lesson still moves

// The mark a lesson at another speed than its own shows, and the name of the speed in the menu.
QString SpeedMark(lesson::LessonSpeed speed)
{
    const lesson::SpeedRatio r = lesson::RatioOf(speed);
    if (r.times == r.per)
        return {};
    return r.per > 1 ? Form21::tr("Замедление ×%1").arg(r.per) : Form21::tr("Ускорение ×%1").arg(r.times);
}

QString SpeedName(lesson::LessonSpeed speed)
{
    const lesson::SpeedRatio r = lesson::RatioOf(speed);
    return r.per > 1 ? QString("×1/%1").arg(r.per) : QString("×%1").arg(r.times);
}

lesson::LessonSpeed Faster(lesson::LessonSpeed s, int by)
{
    const int i = std::clamp(static_cast<int>(s) + by, static_cast<int>(lesson::kSlowestSpeed),
                             static_cast<int>(lesson::kFastestSpeed));
    return static_cast<lesson::LessonSpeed>(i);
}
}  // namespace

void Form21::BuildClassroomControls()
{
    // Under the title, where the scene leaves a free band between the title and the circuit.
    auto* mark = new QLabel(kPause, this);
    platform::Place(mark, 3720, 885, 5400, 660);
    platform::SetFontSpec(mark, Arial(24));
    mark->setAlignment(Qt::AlignCenter);
    QPalette pal = mark->palette();
    pal.setColor(QPalette::WindowText, kPauseRed);
    mark->setPalette(pal);
    mark->setAccessibleName(kPause);
    mark->hide();
    pauseMark = mark;

    // The speed's mark stands in the same place; the pause's shows over it.
    auto* speed = new QLabel(this);
    platform::Place(speed, 3720, 885, 5400, 660);
    platform::SetFontSpec(speed, Arial(24));
    speed->setAlignment(Qt::AlignCenter);
    pal.setColor(QPalette::WindowText, kSpeedBlue);
    speed->setPalette(pal);
    speed->hide();
    speedMark = speed;
    mark->raise();

    pauseAction = new QAction(kPause, this);
    // P, and the same key on a Russian layout, where it gives "З".
    pauseAction->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause), QKeySequence(QString("З"))});
    pauseAction->setShortcutContext(Qt::WindowShortcut);
    connect(pauseAction, &QAction::triggered, this, [this] {
        const bool was = Paused();
        SetPaused(!was);
        if (Paused() != was)
            narration()->SayPaused(!was);
    });
    addAction(pauseAction);

    // Slower with "-", faster with "+" or "=" (the same key unshifted), on the main keys or the
    // keypad; the keys give the same characters on a Russian layout.
    auto* slower = new QAction(this);
    slower->setShortcuts({QKeySequence(Qt::Key_Minus), QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)});
    slower->setShortcutContext(Qt::WindowShortcut);
    connect(slower, &QAction::triggered, this, [this] { SetSpeed(Faster(State().settings.speed, -1)); });
    addAction(slower);
    auto* faster = new QAction(this);
    faster->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal),
                          QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)});
    faster->setShortcutContext(Qt::WindowShortcut);
    connect(faster, &QAction::triggered, this, [this] { SetSpeed(Faster(State().settings.speed, +1)); });
    addAction(faster);

    speedActions = new QActionGroup(this);
    for (int i = static_cast<int>(lesson::kSlowestSpeed); i <= static_cast<int>(lesson::kFastestSpeed); ++i) {
        const auto speed = static_cast<lesson::LessonSpeed>(i);
        QAction* a = speedActions->addAction(SpeedName(speed));
        a->setCheckable(true);
        a->setChecked(speed == State().settings.speed);
        connect(a, &QAction::triggered, this, [this, speed] { SetSpeed(speed); });
    }

    // N, and the same key on a Russian layout, where it gives "Т".
    stepAction = new QAction(QT_TR_NOOP("Шаг"), this);
    stepAction->setShortcuts({QKeySequence(Qt::Key_N), QKeySequence(QString("Т"))});
    stepAction->setShortcutContext(Qt::WindowShortcut);
    connect(stepAction, &QAction::triggered, this, &Form21::StepWhilePaused);
    addAction(stepAction);

    // Each language named in itself, so whoever speaks it finds it whatever is shown now.
    languageActions = new QActionGroup(this);
    for (const Language& language : Languages()) {
        QAction* a = languageActions->addAction(language.name);
        a->setData(language.code);
        a->setCheckable(true);
        a->setChecked(language.code == CurrentLanguage());
        connect(a, &QAction::triggered, this, [code = language.code] { UseLanguage(code); });
    }

    fullScreenAction = new QAction(kFullScreen, this);
    fullScreenAction->setShortcut(QKeySequence(Qt::Key_F11));
    fullScreenAction->setShortcutContext(Qt::WindowShortcut);
    connect(fullScreenAction, &QAction::triggered, this, [this] { SetFullScreen(!isFullScreen()); });
    addAction(fullScreenAction);

    auto* leave = new QAction(this);
    leave->setShortcut(QKeySequence(Qt::Key_Escape));
    leave->setShortcutContext(Qt::WindowShortcut);
    connect(leave, &QAction::triggered, this, [this] { SetFullScreen(false); });
    addAction(leave);
}

void Form21::SetPaused(bool paused)
{
    if (paused == lesson_.Paused())
        return;
    if (paused) {
        if (!lesson_.Pause(clock_->Now()))
            return;  // nothing runs that could stand still
    } else {
        lesson_.Resume(clock_->Now());
        if (LoopActive())
            steps_->PostNextFrame([this] { ShowFrame(); });
    }
    pauseMark->setVisible(paused);
    speedMark->setVisible(!paused && !speedMark->text().isEmpty());
    pauseAction->setText(Form21::tr(paused ? kResume : kPause));
}

void Form21::RetranslateClassroomControls()
{
    pauseAction->setText(tr(Paused() ? kResume : kPause));
    fullScreenAction->setText(tr(isFullScreen() ? kWindowed : kFullScreen));
    speedMark->setText(SpeedMark(State().settings.speed));
    speedMark->setAccessibleName(speedMark->text());
    for (QAction* a : languageActions->actions())
        a->setChecked(a->data().toString() == CurrentLanguage());
}

void Form21::SetSpeed(lesson::LessonSpeed speed)
{
    if (speed == State().settings.speed)
        return;
    lesson_.SetSpeed(speed, clock_->Now());
    speedActions->actions().at(static_cast<int>(speed))->setChecked(true);
    speedMark->setText(SpeedMark(speed));
    speedMark->setAccessibleName(speedMark->text());
    speedMark->setVisible(!Paused() && !speedMark->text().isEmpty());
    // Said in words: a screen reader reads "×1/10" as a sum.
    static const char* const kSpoken[] = {
        QT_TR_NOOP("Замедление в 10 раз"), QT_TR_NOOP("Замедление в 5 раз"), QT_TR_NOOP("Замедление в 2 раза"),
        QT_TR_NOOP("Обычная скорость"),    QT_TR_NOOP("Ускорение в 2 раза"), QT_TR_NOOP("Ускорение в 5 раз")};
    Announce(tr(kSpoken[static_cast<int>(speed)]));
}

void Form21::StepWhilePaused()
{
    if (!lesson_.StepWhilePaused())
        return;
    lesson_.Advance(LessonTime());
    DrawFrame(lesson_.LastFrame());
    if (!lesson_.Running())
        SetPaused(false);  // the step reached the run's limit: nothing is left to pause
}

void Form21::SetFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    if (on)
        showFullScreen();
    else
        showNormal();
    fullScreenAction->setText(tr(on ? kWindowed : kFullScreen));
}

void Form21::contextMenuEvent(QContextMenuEvent* e)
{
    // At rest there is nothing to pause: the entry is greyed in the menu, the keys do nothing.
    // The menu opens without a loop of its own (which the browser's build cannot run): the keys
    // get their entry back as it closes, before the chosen entry is triggered.
    pauseAction->setEnabled(LoopActive());
    stepAction->setEnabled(LoopActive() && Paused());
    auto* menu = new QMenu(this);
    menu->addAction(pauseAction);
    menu->addAction(stepAction);
    menu->addAction(narration()->readingsAction);
    menu->addMenu(tr("Скорость"))->addActions(speedActions->actions());
    menu->addMenu(tr("Язык"))->addActions(languageActions->actions());
    menu->addAction(fullScreenAction);
    connect(menu, &QMenu::aboutToHide, this, [this, menu] {
        pauseAction->setEnabled(true);
        stepAction->setEnabled(true);
        menu->deleteLater();
    });
    menu->popup(e->globalPos());
}

}  // namespace app
