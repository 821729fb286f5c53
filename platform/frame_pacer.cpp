#include "platform/frame_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace platform {

FramePacer::FramePacer(QWidget* window, int frameMs) : QObject(window), window_(window), frameMs_(frameMs)
{
    sinceStart_.start();
    later_.setSingleShot(true);
    connect(&later_, &QTimer::timeout, this, [this] {
        // The held-back request: the window's painter still waits for it.
        QCoreApplication::postEvent(window_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });
    window_->installEventFilter(this);
}

bool FramePacer::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != window_ || e->type() != QEvent::UpdateRequest)
        return false;
    const qint64 now = sinceStart_.elapsed();
    if (now - lastPaint_ >= frameMs_) {
        lastPaint_ = now;
        return false;  // paint now
    }
    if (!later_.isActive())
        later_.start(static_cast<int>(frameMs_ - (now - lastPaint_)));
    return true;
}

}  // namespace platform
