#pragma once
// Small helpers for looking at the window's drawing in the field tests.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <cmath>
#include <cstring>
#include <memory>

#include "platform/colours.h"
#include "platform/surface.h"
#include "support/surface_compare.h"

namespace fieldtest {

// The window's client area in twips, as the layout gives it.
inline constexpr int kWindowWidth = 15210;
inline constexpr int kWindowHeight = 11010;

// A fresh window surface: nothing drawn, erasing in the window background, thin pen.
inline std::unique_ptr<platform::Surface> WindowSurface(const platform::Mapping& mapping)
{
    auto s = std::make_unique<platform::Surface>(QSize(kWindowWidth, kWindowHeight), platform::WindowBackground(),
                                                 1.0);
    s->SetMapping(mapping);
    return s;
}

inline bool Drawn(const QImage& layer, int x, int y) { return layer.valid(x, y) && qAlpha(layer.pixel(x, y)) != 0; }

// Whether any pixel within `radius` device pixels of a point in twips is drawn; with a
// colour, whether one of them has that colour.
inline bool DrawnNear(platform::Surface& s, double x, double y, int radius = 1, QColor colour = QColor())
{
    const QPoint p = s.GetMapping().Point(x, y);
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            if (!Drawn(s.Layer(), p.x() + dx, p.y() + dy))
                continue;
            if (!colour.isValid() || s.Layer().pixelColor(p.x() + dx, p.y() + dy) == colour)
                return true;
        }
    return false;
}

// Whether a straight stroke from (x1, y1) to (x2, y2) in twips shows at the fraction t of
// its length: the row of that point is searched one pen width either side of where the
// stroke between the two mapped end points crosses it.
inline bool StrokeShows(platform::Surface& s, double x1, double y1, double x2, double y2, double t)
{
    const platform::Mapping& m = s.GetMapping();
    const QPoint a = m.Point(x1, y1), b = m.Point(x2, y2);
    const int row = m.Px(y1 + (y2 - y1) * t);
    const double x = a.x() + double(b.x() - a.x()) * (row - a.y()) / double(b.y() - a.y());
    const int reach = m.PenPx(s.PenPx());
    for (int col = int(std::lround(x)) - reach; col <= int(std::lround(x)) + reach; ++col)
        if (Drawn(s.Layer(), col, row))
            return true;
    return false;
}

// Number of differing pixels, with a quick row-by-row check first for the usual equal case.
inline long long Differences(const QImage& a, const QImage& b)
{
    if (a.size() == b.size() && a.format() == b.format() && a.depth() == 32) {
        bool same = true;
        for (int y = 0; same && y < a.height(); ++y)
            same = std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) == 0;
        if (same)
            return 0;
    }
    return testsupport::DifferentPixels(a, b);
}

inline long long DrawnPixels(const QImage& layer)
{
    long long n = 0;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            n += qAlpha(layer.pixel(x, y)) != 0;
    return n;
}

inline QColor Grey(int g) { return platform::Rgb(g, g, g); }

}  // namespace fieldtest
