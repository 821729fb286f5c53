// For the classroom: a pause at any instant of a run, and the scene on the whole projector.
//
// A pause stops the lesson's clock and holds the loop's next step, so everything on the screen
// stands exactly as it was and the program sleeps; the run goes on from the same instant. Any
// click on the switch ends the pause first, so "Стоп" ends a paused run as it ends a running one.
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

#include "app/form21.h"
#include "app/layout_helpers.h"
#include "platform/placement.h"

namespace app {

namespace {
const QString kPause = "Пауза";
const QString kResume = "Продолжить";
const QString kFullScreen = "Во весь экран";
const QString kWindowed = "Обычное окно";
const QColor kPauseRed(200, 0, 0);  // reads from the back of a room on the white of the window
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

    pauseAction = new QAction(kPause, this);
    // P, and the same key on a Russian layout, where it gives "З".
    pauseAction->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause), QKeySequence(QString("З"))});
    pauseAction->setShortcutContext(Qt::WindowShortcut);
    connect(pauseAction, &QAction::triggered, this, [this] { SetPaused(!Paused()); });
    addAction(pauseAction);

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
    if (paused && !LoopActive())
        return;  // nothing runs that could stand still
    if (paused == pause_.paused)
        return;
    pause_.paused = paused;
    if (paused) {
        lessonClock_->Pause();
    } else {
        lessonClock_->Resume();
        if (pause_.held)
            steps_->PostNextFrame(std::exchange(pause_.held, nullptr));
    }
    pauseMark->setVisible(paused);
    pauseAction->setText(paused ? kResume : kPause);
}

void Form21::SetFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    if (on)
        showFullScreen();
    else
        showNormal();
    fullScreenAction->setText(on ? kWindowed : kFullScreen);
}

void Form21::contextMenuEvent(QContextMenuEvent* e)
{
    // At rest there is nothing to pause: the entry is greyed in the menu, the keys do nothing.
    // The menu opens without a loop of its own (which the browser's build cannot run): the keys
    // get their entry back as it closes, before the chosen entry is triggered.
    pauseAction->setEnabled(LoopActive());
    auto* menu = new QMenu(this);
    menu->addAction(pauseAction);
    menu->addAction(fullScreenAction);
    connect(menu, &QMenu::aboutToHide, this, [this, menu] {
        pauseAction->setEnabled(true);
        menu->deleteLater();
    });
    menu->popup(e->globalPos());
}

}  // namespace app
