// The lesson in the browser: the window is the page, drawn into its canvas.
//
// What differs from the desktop, and only here:
//  - the browser has no system fonts to give: the Liberation faces the Linux program draws with
//    are inside the program (a Qt resource, see app/web.cmake);
//  - the window has no frame and fills the page, as a maximised window fills a screen, and
//    scales its scene as a resized window does;
//  - "Во весь экран" asks the browser for its own full screen, and leaving the browser's full
//    screen (Esc) gives the window back its ordinary size and its menu entry;
//  - "Выход" cannot close the tab: the program ends and the page says the lesson is over;
//  - the context menu opens after the right press, not during it (see PageBridge).
// Nothing Linux-only (the display probe, signals) is built here.
#include <emscripten.h>
#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QTimer>
#include <cstdio>

#include "app/form21.h"

namespace {

using emscripten::val;

void AddEmbeddedFonts()
{
    const QDir fonts(":/fonts");
    for (const QString& name : fonts.entryList(QDir::Files))
        if (QFontDatabase::addApplicationFont(fonts.filePath(name)) < 0)
            std::fprintf(stderr, "The embedded font %s cannot be read\n", qPrintable(name));
}

bool BrowserFullScreen()
{
    const val element = val::global("document")["fullscreenElement"];
    return !element.isNull() && !element.isUndefined();
}

// The window's own action for Esc: it leaves the full screen and names the menu entry again.
void TriggerEscapeAction(QWidget* window)
{
    for (QAction* a : window->actions())
        if (a->shortcuts().contains(QKeySequence(Qt::Key_Escape))) {
            a->trigger();
            return;
        }
}

// Follows the window's full screen with the browser's, and the other way round.
class PageBridge : public QObject {
public:
    explicit PageBridge(QWidget* window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
        emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, false, &FullScreenChanged);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        // Qt's page closes every popup after a right press that no widget accepted, which is
        // the menu that press has just opened: the menu opens once the press is over.
        if (watched == window_ && e->type() == QEvent::ContextMenu && e != reposted_) {
            auto* menu = static_cast<QContextMenuEvent*>(e);
            if (menu->reason() == QContextMenuEvent::Mouse) {
                reposted_ = new QContextMenuEvent(QContextMenuEvent::Mouse, window_->mapFromGlobal(menu->globalPos()),
                                                  menu->globalPos(), menu->modifiers());
                QCoreApplication::postEvent(window_, reposted_);
                return true;
            }
        }
        if (watched == window_ && e->type() == QEvent::WindowStateChange) {
            if (window_->isFullScreen()) {
                // A click or a key is what the browser wants before it lets the page go full screen.
                if (!BrowserFullScreen())
                    val::global("document")["documentElement"].call<void>("requestFullscreen");
            } else {
                if (BrowserFullScreen())
                    val::global("document").call<void>("exitFullscreen");
                // Out of full screen the window is the whole page again, not its natural size.
                if (!window_->isMaximized())
                    QTimer::singleShot(0, window_, [w = window_] { w->showMaximized(); });
            }
        }
        return QObject::eventFilter(watched, e);
    }

private:
    static EM_BOOL FullScreenChanged(int, const EmscriptenFullscreenChangeEvent* e, void* self)
    {
        QWidget* window = static_cast<PageBridge*>(self)->window_;
        if (!e->isFullscreen && window->isFullScreen())
            TriggerEscapeAction(window);
        return EM_FALSE;
    }

    QWidget* window_;
    QEvent* reposted_ = nullptr;  // the menu's event, posted to come after the press
};

// After "Выход": the page shows that the lesson is over (packaging/web/shell.html), and the
// program, whose loops have stopped, ends once the click that asked for it has been handled.
void EndLesson()
{
    const val over = val::global("window")["oscillationsLessonOver"];
    if (!over.isUndefined())
        over();
    emscripten_async_call([](void*) { emscripten_force_exit(0); }, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    AddEmbeddedFonts();
    app::PrepareApplication(app);

    // It lives as long as the page: main's stack does not outlast QApplication::exec() here.
    auto* window = new app::Form21;
    QObject::connect(window, &app::Form21::quitRequested, window, [window] {
        window->hide();
        EndLesson();
    });
    new PageBridge(window);
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->showMaximized();
    return app.exec();
}
