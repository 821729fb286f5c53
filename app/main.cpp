// Opens the demonstration's window; without a graphical display, draws the lesson into pictures.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "app/form21.h"
#include "app/headless_lesson.h"
#include "app/languages.h"
#include "platform/placement.h"
#include "platform/twips.h"
#ifdef Q_OS_LINUX
#include "platform/display_probe.h"
#endif
#ifdef Q_OS_UNIX
#include "platform/termination.h"
#endif

namespace {

struct Options {
    bool headless = false;
    QString language;  // empty: the system's
    QString folder = "screenshots";
    double ratio = 1.0;
};

Options ReadOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Электромагнитные колебания в контуре");
    parser.addHelpOption();
    QCommandLineOption headless("headless", "Draw the lesson into pictures instead of opening the window.");
    QCommandLineOption folder("screenshots", "Where the pictures of the lesson go (default: screenshots).", "folder",
                              "screenshots");
    QCommandLineOption ratio("ratio", "Device pixel ratio of the pictures (default 1; 2 for a 200 % screen).",
                             "ratio", "1");
    QCommandLineOption language("lang", "The lesson's language: ru, en, uk, kk or de (default: the system's).",
                                "code");
    parser.addOption(language);
    parser.addOption(headless);
    parser.addOption(folder);
    parser.addOption(ratio);
    parser.process(app);
    const double r = parser.value(ratio).toDouble();
    return {parser.isSet(headless), parser.value(language), parser.value(folder), r >= 0.5 && r <= 4 ? r : 1.0};
}

int DrawLesson(const QString& folder, double ratio)
{
    QStringList files = app::RunHeadlessLesson(folder, ratio);
    if (files.isEmpty()) {
        std::fprintf(stderr, "Cannot write the pictures into %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("Pictures of the lesson are in %s/: %s\n", qPrintable(QDir(folder).absolutePath()),
                qPrintable(files.replaceInStrings(QDir(folder).path() + "/", "").join(", ")));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
#ifdef Q_OS_LINUX
    // Without a display the toolkit would stop with a plugin error: draw the lesson instead.
    const bool platformChosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
    bool asked = false;
    for (int i = 1; i < argc; ++i)
        asked = asked || QByteArray(argv[i]) == "--headless";
    const bool noDisplay = !platformChosen && !asked && !platform::DisplayAvailable();
    if (noDisplay || (asked && !platformChosen))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
#else
    // A Windows session always has its desktop, and the pictures are drawn with its fonts:
    // the offscreen platform there would know only the fonts in Qt's own folder.
    const bool noDisplay = false;
#endif
    QApplication app(argc, argv);
    app::PrepareApplication(app);
    const Options options = ReadOptions(app);
    const QString language = options.language.isEmpty() ? app::LanguageFor(QLocale::system().uiLanguages())
                                                        : options.language;
    if (!app::UseLanguage(language)) {
        std::fprintf(stderr, "No lesson in the language \"%s\": ru, en, uk, kk and de are built in.\n",
                     qPrintable(language));
        return 2;
    }
    if (noDisplay) {
        std::printf("No graphical display is available: the lesson is drawn into pictures instead.\n");
        std::fflush(stdout);
    }
    if (noDisplay || options.headless)
        return DrawLesson(options.folder, options.ratio);

    // The window opens at its natural size where that fits the screen, else as large as fits.
    constexpr int kFrameAllowance = 40;  // px: a title bar and borders the window manager adds
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        platform::SetSceneScale(platform::FitScale(screen->availableGeometry().size() - QSize(16, kFrameAllowance)));
    app::Form21 window;
#ifdef Q_OS_UNIX
    platform::OnTerminationRequest([&window] { window.close(); });
#endif
    window.show();
    return app.exec();
}
