// Time from the start of the process to the first painted window.
//
//   QT_QPA_PLATFORM=offscreen build/bench/startup_time
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

#include "app/form21.h"

namespace {
double ProcessSeconds()
{
    // Seconds since the process started, from the kernel's own record of its start.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    FILE* f = std::fopen("/proc/self/stat", "r");
    unsigned long long startTicks = 0;
    if (f) {
        char buf[4096];
        const size_t n = std::fread(buf, 1, sizeof buf - 1, f);
        std::fclose(f);
        buf[n] = 0;
        const char* p = std::strrchr(buf, ')');
        for (int field = 2; p && field < 22; ++field)
            p = std::strchr(p + 1, ' ');
        if (p)
            startTicks = std::strtoull(p + 1, nullptr, 10);
    }
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double sinceBoot = boot.tv_sec + boot.tv_nsec * 1e-9;
    return sinceBoot - static_cast<double>(startTicks) / sysconf(_SC_CLK_TCK);
}

class Watch : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !done) {
            done = true;
            QTimer::singleShot(0, [] {
                std::printf("first painted window after %.3f s of process time\n", ProcessSeconds());
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
    bool done = false;
};
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app::PrepareApplication(app);
    app::Form21 window;
    Watch watch;
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}
