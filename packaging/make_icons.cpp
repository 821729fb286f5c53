// Paints the program's icon into PNG files of the given sizes, at build time:
//   make_icons OUTDIR SIZE...   writes OUTDIR/<n>x<n>/apps/oscillations.png for every SIZE n.
// The picture is the one of oscillations.svg, in the same 64 × 64 coordinates.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kCanvas = 64.0;      // units: the SVG's viewBox is 64 × 64
constexpr double kMinStrokePx = 1.0;  // px: a thinner line fades into the background at 16 px
constexpr int kLargestIcon = 1024;    // px: larger than any icon theme asks for

// A pen of `units` width in canvas units, never thinner than kMinStrokePx on the image.
QPen Stroke(QColor colour, double units, double pxPerUnit, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPen pen(colour, std::max(units, kMinStrokePx / pxPerUnit));
    pen.setCapStyle(cap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void PaintIcon(QPainter& painter, int size)
{
    const double pxPerUnit = size / kCanvas;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pxPerUnit, pxPerUnit);

    // The tile.
    painter.setPen(Stroke(QColor(160, 160, 160), 1.5, pxPerUnit));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    painter.setBrush(Qt::NoBrush);

    // The wires of the circuit, broken where the capacitor and the coil sit.
    QPainterPath wires;
    wires.moveTo(14, 21);
    wires.lineTo(14, 10);
    wires.lineTo(50, 10);
    wires.lineTo(50, 15);
    wires.moveTo(50, 33);
    wires.lineTo(50, 38);
    wires.lineTo(14, 38);
    wires.lineTo(14, 27);
    painter.setPen(Stroke(QColor(64, 64, 64), 2.5, pxPerUnit));
    painter.drawPath(wires);

    // The capacitor: two plates on the left wire.
    QPainterPath plates;
    plates.moveTo(6, 21);
    plates.lineTo(22, 21);
    plates.moveTo(6, 27);
    plates.lineTo(22, 27);
    painter.setPen(Stroke(QColor(0, 0, 192), 3.5, pxPerUnit, Qt::FlatCap));
    painter.drawPath(plates);

    // The coil: three half turns bulging to the right of the right wire.
    QPainterPath coil;
    coil.moveTo(50, 15);
    for (int turn = 0; turn < 3; ++turn)
        coil.arcTo(QRectF(47, 15 + 6 * turn, 6, 6), 90, -180);
    painter.setPen(Stroke(QColor(192, 0, 0), 3, pxPerUnit));
    painter.drawPath(coil);

    // The oscillation: two periods of a wave, each half a parabola-like arch 12 wide and 6 high.
    QPainterPath wave;
    wave.moveTo(8, 51);
    for (int half = 0; half < 4; ++half) {
        const double x0 = 8 + 12 * half;
        const double control = half % 2 == 0 ? 39 : 63;
        wave.quadTo(x0 + 6, control, x0 + 12, 51);
    }
    painter.setPen(Stroke(QColor(0, 128, 128), 3, pxPerUnit));
    painter.drawPath(wave);
}

bool WriteIcon(const QString& folder, int size)
{
    const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(dir))
        return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PaintIcon(painter, size);
    }
    return image.save(dir + "/oscillations.png", "PNG");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 1 || size > kLargestIcon) {
            std::fprintf(stderr, "make_icons: bad size '%s'\n", argv[i]);
            return 2;
        }
        if (!WriteIcon(folder, size)) {
            std::fprintf(stderr, "make_icons: cannot write the %d px icon into %s\n", size, argv[1]);
            return 1;
        }
    }
    return 0;
}
