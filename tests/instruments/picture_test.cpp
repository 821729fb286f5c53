// A picture of an ammeter and of the graph after 3 s of a free oscillation, for a person to
// look at; the test also checks where the trace ends.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "instruments/dials.h"
#include "instruments/graph.h"
#include "platform/container.h"
#include "platform/placement.h"
#include "platform/swatch.h"
#include "support/surface_compare.h"

using namespace instruments;

namespace {

constexpr double kDpr = 2.0;  // a high-density screen, where rounding shows most

void AddGraphBackdrop(platform::Container& box)
{
    const QColor grey(128, 128, 128);
    for (int x = 210; x <= 5040; x += 210)
        box.AddLine(x, 0, x, 4935, grey, 1, true);
    for (int y = 210; y <= 4620; y += 210)
        box.AddLine(0, y, 5895, y, grey, 1, true);
    box.AddLine(420, 210, 420, 2280);
    box.AddLine(450, 1260, 5760, 1260);
    box.AddLine(420, 2520, 420, 4620);
    box.AddLine(420, 3570, 5730, 3570);
}

long long PixelsOf(const QImage& image, QColor colour)
{
    long long n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

}  // namespace

TEST(InstrumentsPicture, AmmeterAndThreeSecondsOfFreeOscillation)
{
    platform::Container picamp;
    platform::Place(&picamp, 0, 0, 2900, 1600);
    picamp.SetBackColor(QColor(255, 192, 192));
    for (const QLine& tick : {QLine(240, 900, 390, 990), QLine(780, 510, 810, 570), QLine(1380, 270, 1380, 420),
                              QLine(2010, 510, 1980, 570), QLine(2550, 900, 2400, 990)})
        picamp.AddLine(tick.x1(), tick.y1(), tick.x2(), tick.y2(), Qt::white, 3);
    platform::Surface& dial = picamp.EnableDrawing(QColor(255, 192, 192), 3);
    dial.SetMapping({1.0, kDpr});
    Needle ammeter;
    PaintAmmeterAtRest(dial, ammeter);
    MoveAmmeterNeedle(dial, ammeter, 40.0);

    platform::Container picGr;
    platform::Place(&picGr, 0, 0, 5895, 4935);
    picGr.SetBackColor(Qt::white);
    AddGraphBackdrop(picGr);
    platform::Surface& graph = picGr.EnableDrawing(Qt::white, 2);
    graph.SetMapping({1.0, kDpr});
    auto* imgU = new platform::Swatch(&picGr, QColor(0, 0, 255), 8, QRect(420, 1260, 120, 120));
    auto* imgI = new platform::Swatch(&picGr, QColor(255, 0, 0), 8, QRect(420, 3570, 120, 120));
    lesson::GraphTrace trace{420, 1260, 3570, 300, 900, 70, 15, 0, 0, 420, 1260, 3570};
    for (int k = 0; k <= 60; ++k) {
        const double t = k * 0.05, pi = std::acos(-1.0);
        const double graphU = std::cos(pi * t), graphI = -std::sin(pi * t) * pi;
        trace.sweepTime = t;
        DrawGraphSegment(graph, {imgU, imgI}, trace.Plot(graphU, graphI, 3.14));
    }
    // At 3 s the charge is at its negative peak and the current passes zero.
    EXPECT_EQ(imgU->Twips().topLeft(), QPoint(1320, 2160));
    EXPECT_EQ(imgI->Twips().x(), 1320);
    EXPECT_NEAR(imgI->Twips().y(), 3570, 1);

    const QImage dialImage = picamp.Compose(kDpr), graphImage = picGr.Compose(kDpr);
    EXPECT_GT(PixelsOf(dialImage, QColor(128, 128, 128)), 100);
    EXPECT_GT(PixelsOf(graphImage, QColor(0, 0, 255)), 500);
    EXPECT_GT(PixelsOf(graphImage, QColor(255, 0, 0)), 500);

    QImage sheet(dialImage.width() + graphImage.width() + 40, graphImage.height(), QImage::Format_ARGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter p(&sheet);
    p.drawImage(0, 0, dialImage);
    p.drawImage(dialImage.width() + 40, 0, graphImage);
    p.end();
    EXPECT_TRUE(sheet.save(testsupport::OutputPath("instruments.png")));
}
