#pragma once
// Paints a window at most once a display frame, however often its contents change.
//
// The loops change the drawings hundreds of times a second; a screen shows sixty frames.
// Repaint requests that come sooner than a frame after the last paint are held back and
// answered together one frame on: the dirty rectangles add up, nothing is lost.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace platform {

class FramePacer : public QObject {
    Q_OBJECT
public:
    explicit FramePacer(QWidget* window, int frameMs = 16);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* window_;
    int frameMs_;
    QElapsedTimer sinceStart_;
    qint64 lastPaint_ = -1000000;
    QTimer later_;
};

}  // namespace platform
