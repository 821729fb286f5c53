// What any 60 Hz animation in a Qt Widgets window costs on this machine, whatever it draws:
// a window of the lesson's size whose timer repaints `n` small opaque boxes every frame
// (1 by default). Run it on a virtual display and read its CPU time, and the X server's,
// as bench/cpu_under_xvfb.py does for the lesson:
//
//     Xvfb :78 & DISPLAY=:78 build/bench/qt_floor 1
//
// The difference between the lesson and this is what the lesson's own drawing costs.
//
// `qt_floor N W H one` repaints N rectangles of W × H pixels of one widget instead, as the
// lesson's window repaints the rectangles of a frame: with N = 31 it costs what the lesson's
// rectangles cost as such, and `qt_floor 1 600 170 one` what copying the lesson's area does.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kFrameMs = 16;  // ms: about one frame of a 60 Hz display

// A box's place: ten a row, 95 × 40 pixels apart, so that boxes of the default size never touch.
QRect Place(int i, int width, int height) { return QRect(10 + (i % 10) * 95, 10 + (i / 10) * 40, width, height); }

class Box : public QWidget {
public:
    explicit Box(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
    int shade = 0;
    std::vector<QRect> parts;  // one widget's rectangles repainted every frame; none: the whole box

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        for (const QRect& r : e->region())
            p.fillRect(r, QColor(shade & 255, 0, 0));
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int boxes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const int width = argc > 3 ? std::max(1, std::atoi(argv[2])) : 60;
    const int height = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;
    const bool oneWidget = argc > 4 && std::strcmp(argv[4], "one") == 0;
    Box window(nullptr);
    window.setWindowTitle("колебания: the toolkit alone");  // found by bench/cpu_under_xvfb.py as the lesson is
    window.resize(1014, 734);                               // the lesson's window at scale 1
    std::vector<Box*> shown;
    if (oneWidget) {
        for (int i = 0; i < boxes; ++i)
            window.parts.push_back(Place(i, width, height));
        shown.push_back(&window);
    } else {
        for (int i = 0; i < boxes; ++i) {
            auto* b = new Box(&window);
            b->setGeometry(Place(i, width, height));
            shown.push_back(b);
        }
    }
    window.show();
    QTimer frame;
    frame.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frame, &QTimer::timeout, [&] {
        for (Box* b : shown) {
            ++b->shade;
            if (b->parts.empty())
                b->update();
            for (const QRect& r : b->parts)
                b->update(r);
        }
    });
    frame.start(kFrameMs);
    return app.exec();
}
