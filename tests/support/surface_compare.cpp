#include "support/surface_compare.h"

#include <cstdlib>

#include <QBackingStore>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <qpa/qplatformbackingstore.h>

namespace testsupport {

long long DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return static_cast<long long>(std::max(a.width() * a.height(), b.width() * b.height()));
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    long long n = 0;
    for (int row = 0; row < x.height(); ++row) {
        auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            n += p[col] != q[col];
    }
    return n;
}

QImage OnScreen(QWidget& window)
{
    // More than a frame's time passes, and the window's events are handled for a few frames
    // more, however slow the build: the held-back frame is painted.
    QThread::msleep(40);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 80)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // The window's backing store is what the screen shows, in device pixels. (The offscreen
    // platform's grab of a window takes its logical size in device pixels: a quarter of it
    // at a ratio of 2.)
    return window.backingStore()->handle()->toImage().copy();
}

long long StaleOnScreen(QWidget& window)
{
    const QImage painted = OnScreen(window);
    // The window's own update() would repaint little but the window: Qt leaves out the
    // widgets that lie on an opaque box. Resized away and back, every widget and every
    // drawing is laid out and painted anew.
    const QSize size = window.size();
    window.resize(size - size / 8);
    OnScreen(window);
    window.resize(size);
    const QImage whole = OnScreen(window);
    const QSize device = (QSizeF(window.size()) * window.devicePixelRatioF()).toSize();
    if (painted.isNull() || painted.size() != whole.size() || std::abs(painted.width() - device.width()) > 1)
        return -1;
    return DifferentPixels(painted, whole);
}

QString OutputPath(const QString& fileName)
{
    QString dir = qEnvironmentVariable("OSC_TEST_OUTPUT");
    if (dir.isEmpty())
        dir = QDir::tempPath() + "/osc-test-output";
    QDir().mkpath(dir);
    return dir + "/" + fileName;
}

}  // namespace testsupport
