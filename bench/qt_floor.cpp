// What any 60 Hz animation in a Qt Widgets window costs on this machine, whatever it draws:
// a window of the lesson's size whose timer repaints `n` small opaque boxes every frame
// (1 by default). Run it on a virtual display and read its CPU time, and the X server's,
// as bench/cpu_under_xvfb.py does for the lesson:
//
//     Xvfb :78 & DISPLAY=:78 build/bench/qt_floor 1
//
// The difference between the lesson and this is what the lesson's own drawing costs.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kFrameMs = 16;  // ms: about one frame of a 60 Hz display

class Box : public QWidget {
public:
    explicit Box(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
    int shade = 0;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(shade & 255, 0, 0)); }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int boxes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    QWidget window;
    window.setWindowTitle("колебания: the toolkit alone");  // found by bench/cpu_under_xvfb.py as the lesson is
    window.resize(1014, 734);                               // the lesson's window at scale 1
    std::vector<Box*> shown;
    for (int i = 0; i < boxes; ++i) {
        auto* b = new Box(&window);
        b->setGeometry(10 + (i % 10) * 95, 10 + (i / 10) * 40, 60, 20);
        shown.push_back(b);
    }
    window.show();
    QTimer frame;
    frame.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frame, &QTimer::timeout, [&] {
        for (Box* b : shown) {
            ++b->shade;
            b->update();
        }
    });
    frame.start(kFrameMs);
    return app.exec();
}
