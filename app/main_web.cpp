// The lesson in the browser: the window is the page, drawn into its canvas.
//
// What differs from the desktop, and only here:
//  - the browser has no system fonts to give: the Liberation faces the Linux program draws with
//    are inside the program (a Qt resource, see app/web.cmake);
//  - the window has no frame and fills the page, and scales its scene as a resized window does;
//  - "Во весь экран" and Esc are the browser's own full screen (see PageBridge);
//  - "Выход" cannot close the tab: the program ends and the page says the lesson is over;
//  - the context menu opens after the right press, not during it (see PageBridge).
// Nothing Linux-only (the display probe, signals) is built here.
#include <emscripten.h>
#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QLocale>
#include <cstdio>

#include "app/form21.h"
#include "app/languages.h"

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

// The window's action with that key among its shortcuts, if it has one.
QAction* ActionWithKey(QWidget* window, Qt::Key key)
{
    for (QAction* a : window->actions())
        if (a->shortcuts().contains(QKeySequence(key)))
            return a;
    return nullptr;
}

// The page and the window. Qt's page draws a frame around every window that is not full screen,
// anew at every frame (a picture of the whole window, uploaded to WebGL): that alone took more
// than the lesson. So the window stays full screen in Qt's sense, that is, it fills the page,
// and the program's "Во весь экран" (its F11 action) and its Esc action are the browser's full
// screen instead of the window's.
class PageBridge : public QObject {
public:
    explicit PageBridge(QWidget* window)
        : QObject(window), window_(window), fullScreen_(ActionWithKey(window, Qt::Key_F11)),
          leave_(ActionWithKey(window, Qt::Key_Escape))
    {
        if (fullScreen_) {
            fullScreen_->disconnect(SIGNAL(triggered(bool)));
            // A click or a key is what the browser wants before it lets the page go full screen,
            // and the action is triggered while the browser still handles it.
            connect(fullScreen_, &QAction::triggered, this, [] {
                if (BrowserFullScreen())
                    val::global("document").call<void>("exitFullscreen");
                else
                    val::global("document")["documentElement"].call<void>("requestFullscreen");
            });
        }
        if (leave_) {
            leave_->disconnect(SIGNAL(triggered(bool)));
            connect(leave_, &QAction::triggered, this, [] {
                if (BrowserFullScreen())
                    val::global("document").call<void>("exitFullscreen");
            });
        }
        window->installEventFilter(this);
        emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, false, &FullScreenChanged);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        // Qt's page closes every popup after a right press that no widget accepted, which is
        // the menu that press has just opened: the menu opens once the press is over.
        // After the window has set its texts in another language, the entry is set again.
        if (watched == window_ && e->type() == QEvent::LanguageChange)
            QTimer::singleShot(0, this, [this] { ShowFullScreenEntry(BrowserFullScreen()); });
        if (watched == window_ && e->type() == QEvent::ContextMenu && e != reposted_) {
            auto* menu = static_cast<QContextMenuEvent*>(e);
            if (menu->reason() == QContextMenuEvent::Mouse) {
                reposted_ = new QContextMenuEvent(QContextMenuEvent::Mouse, window_->mapFromGlobal(menu->globalPos()),
                                                  menu->globalPos(), menu->modifiers());
                QCoreApplication::postEvent(window_, reposted_);
                return true;
            }
        }
        return QObject::eventFilter(watched, e);
    }

private:
    // The menu's entry says what it will do, as on the desktop (the browser's Esc or F11 too).
    static EM_BOOL FullScreenChanged(int, const EmscriptenFullscreenChangeEvent* e, void* self)
    {
        auto* bridge = static_cast<PageBridge*>(self);
        if (bridge->fullScreen_)
            bridge->ShowFullScreenEntry(e->isFullscreen);
        return EM_FALSE;
    }

    // The entry names what it will do; Qt's own sense of full screen is always on here.
    void ShowFullScreenEntry(bool browserFullScreen)
    {
        if (fullScreen_)
            fullScreen_->setText(QCoreApplication::translate("app::Form21",
                                                             browserFullScreen ? "Обычное окно" : "Во весь экран"));
    }

    QWidget* window_;
    QAction* fullScreen_;
    QAction* leave_;
    QEvent* reposted_ = nullptr;  // the menu's event, posted to come after the press
};

// After "Выход": the page shows that the lesson is over (packaging/web/shell.html), and the
// program, whose loops have stopped, ends once the click that asked for it has been handled.
void EndLesson()
{
    const val over = val::global("window")["oscillationsLessonOver"];
    const QStringList texts = app::Form21::LessonOverTexts();  // in the lesson's language
    if (!over.isUndefined())
        over(val(texts[0].toStdString()), val(texts[1].toStdString()), val(texts[2].toStdString()));
    emscripten_async_call([](void*) { emscripten_force_exit(0); }, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    AddEmbeddedFonts();
    app::PrepareApplication(app);
    app::UseLanguage(app::LanguageFor(QLocale::system().uiLanguages()));  // the browser's languages

    // It lives as long as the page: main's stack does not outlast QApplication::exec() here.
    auto* window = new app::Form21;
    QObject::connect(window, &app::Form21::quitRequested, window, [window] {
        window->hide();
        EndLesson();
    });
    new PageBridge(window);
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->showFullScreen();  // the whole page, and so no frame (see PageBridge)
    return app.exec();
}
