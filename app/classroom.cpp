// For the classroom: a pause at any instant of a run, and the scene on the whole projector.
//
// A pause stops the lesson's clock and its frames, so everything on the screen stands exactly as
// it was and the program sleeps; the run goes on from the same instant. Any click on the switch
// ends the pause first, so "Стоп" ends a paused run as it ends a running one.
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

#include "app/form21.h"
#include "app/narration.h"
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
    connect(pauseAction, &QAction::triggered, this, [this] {
        const bool was = Paused();
        SetPaused(!was);
        if (Paused() != was)
            narration()->SayPaused(!was);
    });
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
    pauseAction->setEnabled(LoopActive());
    QMenu menu(this);
    menu.addAction(pauseAction);
    menu.addAction(narration()->readingsAction);
    menu.addAction(fullScreenAction);
    menu.exec(e->globalPos());
    pauseAction->setEnabled(true);
}

}  // namespace app
