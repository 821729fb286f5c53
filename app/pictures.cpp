#include "app/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace app {

namespace {

// Every picture is drawn on a 64 x 32 design grid (32 x 32 for the square ones) and scaled
// to the size asked for, so it is sharp at any scale.
QImage Canvas(QSize size, QColor ground)
{
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    img.fill(ground);
    return img;
}

void Design(QPainter& p, QSize size, double gridW, double gridH)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size.width() / gridW, size.height() / gridH);
}

void Resistor(QPainter& p)
{
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(2, 16), QPointF(18, 16));
    p.drawLine(QPointF(46, 16), QPointF(62, 16));
    p.setBrush(QColor(255, 255, 0));
    p.drawRect(QRectF(18, 9, 28, 14));
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QRectF(18, 9, 28, 14), Qt::AlignCenter, "R");
}

void Graph(QPainter& p)
{
    p.setPen(QPen(QColor(0, 128, 128), 0.8));
    for (int x = 8; x <= 60; x += 6)
        p.drawLine(QPointF(x, 3), QPointF(x, 29));
    for (int y = 5; y <= 29; y += 6)
        p.drawLine(QPointF(6, y), QPointF(62, y));
    p.setPen(QPen(Qt::black, 1.6));
    p.drawLine(QPointF(8, 2), QPointF(8, 30));
    p.drawLine(QPointF(6, 16), QPointF(62, 16));
    QPainterPath wave;
    for (int i = 0; i <= 100; ++i) {
        const double x = 8 + 52.0 * i / 100;
        const double y = 16 - 11 * std::sin(2 * 3.14159265 * 2 * i / 100.0);
        i == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
}

void CrossOut(QPainter& p, double w, double h)
{
    p.setPen(QPen(QColor(255, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 3), QPointF(w - 4, h - 3));
    p.drawLine(QPointF(w - 4, 3), QPointF(4, h - 3));
}

// A picture on a ground of one colour, drawn by `draw` on a grid of gridW x gridH units.
template <typename Draw>
QImage Picture(QSize size, QColor ground, double gridW, double gridH, Draw draw)
{
    QImage img = Canvas(size, ground);
    QPainter p(&img);
    Design(p, size, gridW, gridH);
    draw(p);
    p.end();
    return img;
}

}  // namespace

QPixmap ResistorPicture(QSize size) { return QPixmap::fromImage(Picture(size, Qt::transparent, 64, 32, Resistor)); }

QPixmap ResistorCrossedPicture(QSize size)
{
    return QPixmap::fromImage(Picture(size, Qt::transparent, 64, 32, [](QPainter& p) {
        Resistor(p);
        CrossOut(p, 64, 32);
    }));
}

QPixmap GraphPicture(QSize size) { return QPixmap::fromImage(Picture(size, Qt::white, 64, 32, Graph)); }

QPixmap GraphCrossedPicture(QSize size)
{
    return QPixmap::fromImage(Picture(size, Qt::white, 64, 32, [](QPainter& p) {
        Graph(p);
        CrossOut(p, 64, 32);
    }));
}

QPixmap GroundPicture(QSize size)
{
    return QPixmap::fromImage(Picture(size, QColor(255, 255, 0), 32, 32, [](QPainter& p) {
        p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(16, 3), QPointF(16, 15));
        p.drawLine(QPointF(5, 15), QPointF(27, 15));
        p.drawLine(QPointF(9, 21), QPointF(23, 21));
        p.drawLine(QPointF(13, 27), QPointF(19, 27));
    }));
}

QImage CoilLogo(QSize size)
{
    return Picture(size, QColor(240, 240, 240), 32, 32, [](QPainter& p) {
        p.setPen(QPen(QColor(192, 0, 0), 2));
        for (int i = 0; i < 4; ++i)
            p.drawArc(QRectF(3 + 6 * i, 8, 8, 12), 0, 180 * 16);
        p.setPen(QPen(QColor(0, 0, 192), 2.5));
        p.drawLine(QPointF(8, 24), QPointF(24, 24));
        p.drawLine(QPointF(8, 29), QPointF(24, 29));
    });
}

QImage WaveLogo(QSize size)
{
    return Picture(size, QColor(240, 240, 240), 32, 32, [](QPainter& p) {
        p.setPen(QPen(QColor(0, 128, 128), 1.5));
        QPainterPath wave;
        for (int i = 0; i <= 120; ++i) {
            const double t = i / 120.0;
            const double y = 16 - 12 * std::exp(-2.2 * t) * std::cos(2 * 3.14159265 * 3 * t);
            i == 0 ? wave.moveTo(2 + 28 * t, y) : wave.lineTo(2 + 28 * t, y);
        }
        p.drawPath(wave);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(2, 16), QPointF(30, 16));
    });
}

}  // namespace app
