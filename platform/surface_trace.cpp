#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// How a figure becomes pixels: its outline in device pixels, walked pixel by pixel, gathered by tile.
namespace platform {

namespace {
constexpr double kFullTurn = 2.0 * std::numbers::pi;  // the platform's arcs use true radians
constexpr int kMinSegments = 24;                      // an ellipse never looks polygonal below this
constexpr int kMaxSegments = 720;                     // enough for the largest ellipse at 4K
constexpr double kSegmentsPerPixel = 0.75;            // of radius: about one segment per 8 px of arc

QPoint RoundPoint(double x, double y)
{
    return QPoint(static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5)));
}

// An ellipse in device pixels: centre, semi-axes, and the arc it runs.
struct DeviceEllipse {
    double cx, cy, rx, ry;
    double start, span;
    bool whole;
};

DeviceEllipse ToDevice(const Figure& f, const Mapping& m)
{
    const auto& g = f.g;
    const double cx = g[0], cy = g[1], radius = g[2], start = g[3], end = g[4], aspect = g[5];
    // Counterclockwise from start to end, less than a turn; a whole turn when they meet.
    const bool whole = (start == end);
    double span = std::fmod(end - start, kFullTurn);
    if (span < 0)
        span += kFullTurn;
    if (whole || span == 0)
        span = kFullTurn;
    const double k = m.PixelsPerTwip();
    const double rx = (aspect >= 1.0 ? radius / aspect : radius) * k;
    const double ry = (aspect >= 1.0 ? radius : radius * aspect) * k;
    return {cx * k, cy * k, rx, ry, start, span, whole};
}

// Bresenham's walk from a to b, both ends included.
template <typename Plot>
void Walk(QPoint a, QPoint b, Plot&& plot)
{
    int x = a.x(), y = a.y();
    const int xe = b.x(), ye = b.y();
    const int dx = std::abs(xe - x), dy = -std::abs(ye - y);
    const int sx = x < xe ? 1 : -1, sy = y < ye ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(x, y);
        if (x == xe && y == ye)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}
}  // namespace

void Surface::GatherByTile(Figure& f, const std::vector<PixelRun>& runs)
{
    std::vector<std::pair<int, PixelRun>>& cut = cut_;
    cut.clear();
    for (const PixelRun& r : runs) {
        const int rowTiles = (r.row >> kTileShift) * tileColumns_;
        for (int from = r.from; from <= r.to;) {
            const int to = std::min(r.to, (((from >> kTileShift) + 1) << kTileShift) - 1);
            cut.push_back({rowTiles + (from >> kTileShift), {r.row, from, to}});
            from = to + 1;
        }
    }
    // The order of a tile's pixels does not matter: they all take one value.
    std::sort(cut.begin(), cut.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::size_t count = 0;
    for (const auto& c : cut)
        count += static_cast<std::size_t>(c.second.to - c.second.from + 1);
    f.pixels.clear();
    f.pixels.reserve(count);
    f.tiles.clear();
    for (const auto& [tile, run] : cut) {
        if (f.tiles.empty() || f.tiles.back().tile != tile) {
            const int here = static_cast<int>(f.pixels.size());
            f.tiles.push_back({tile, here, here});
        }
        constexpr int kInTile = (1 << kTileShift) - 1;
        const int rowStart = (run.row & kInTile) << kTileShift;
        for (int col = run.from; col <= run.to; ++col)
            f.pixels.push_back(static_cast<std::uint8_t>(rowStart + (col & kInTile)));
        f.tiles.back().end = static_cast<int>(f.pixels.size());
    }
}

void Surface::TraceFigure(const Figure& f)
{
    if (f.kind == Figure::Kind::Line) {
        const QPoint pts[2] = {mapping_.Point(f.g[0], f.g[1]), mapping_.Point(f.g[2], f.g[3])};
        Trace(pts, 2, runs_);
        return;
    }
    const DeviceEllipse e = ToDevice(f, mapping_);
    const double longest = std::max(std::abs(e.rx), std::abs(e.ry));
    int segments = static_cast<int>(std::ceil(longest * kSegmentsPerPixel * e.span / kFullTurn));
    segments = std::clamp(segments, e.whole ? kMinSegments : 2, kMaxSegments);

    std::vector<QPoint>& pts = points_;
    pts.clear();
    for (int i = 0; i <= segments; ++i) {
        const double a = (i == segments && !e.whole) ? e.start + e.span : e.start + e.span * i / segments;
        const QPoint p = RoundPoint(e.cx + e.rx * std::cos(a), e.cy - e.ry * std::sin(a));
        if (pts.empty() || pts.back() != p)
            pts.push_back(p);
    }
    Trace(pts.data(), static_cast<int>(pts.size()), runs_);
}

QPointF Surface::EllipsePoint(double cx, double cy, double radius, double aspect, double angle)
{
    double rx = radius, ry = radius;
    if (aspect >= 1.0)
        rx = radius / aspect;
    else
        ry = radius * aspect;
    return QPointF(cx + rx * std::cos(angle), cy - ry * std::sin(angle));
}

void Surface::Trace(const QPoint* points, int count, std::vector<PixelRun>& runs)
{
    runs.clear();
    if (count < 1)
        return;
    // Lines are rasterised here, pixel by pixel, so drawing and erasing a figure touch the
    // very same pixels. A pen wider than one pixel is a square brush of that side, its
    // centre on each pixel of the one-pixel line.
    const int width = mapping_.PenPx(penPx_);
    const int low = -(width - 1) / 2;
    const int w = layer_.width(), h = layer_.height();
    auto span = [&](int row, int from, int to) {
        if (row < 0 || row >= h)
            return;
        from = std::max(0, from);
        to = std::min(w - 1, to);
        if (from > to)
            return;
        // A pixel next to the last run on its row lengthens it.
        if (!runs.empty() && runs.back().row == row && runs.back().to + 1 == from) {
            runs.back().to = to;
            return;
        }
        runs.push_back({row, from, to});
    };

    if (width == 1) {
        span(points[0].y(), points[0].x(), points[0].x());
        for (int i = 1; i < count; ++i)
            Walk(points[i - 1], points[i], [&](int x, int y) { span(y, x, x); });
        return;
    }
    if (count == 1) {
        for (int row = 0; row < width; ++row)
            span(points[0].y() + low + row, points[0].x() + low, points[0].x() + low + width - 1);
        return;
    }
    // Each segment's squares are filled a row at a time: a segment runs one way in y, so the
    // centres on a row are a run of columns, and the squares over the rows of one brush
    // height join into one run. Every pixel is written once, not width² times.
    for (int i = 1; i < count; ++i) {
        const QPoint a = points[i - 1], b = points[i];
        const int top = std::min(a.y(), b.y());
        rows_.assign(static_cast<std::size_t>(std::abs(b.y() - a.y()) + 1), {w + width, -w - width});
        Walk(a, b, [&](int x, int y) {
            auto& r = rows_[static_cast<std::size_t>(y - top)];
            r.first = std::min(r.first, x);
            r.second = std::max(r.second, x);
        });
        const int centres = static_cast<int>(rows_.size());
        for (int row = top + low; row < top + low + centres + width - 1; ++row) {
            // The centre rows whose square covers this row.
            const int c0 = std::max(0, row - low - width + 1 - top), c1 = std::min(centres - 1, row - low - top);
            int from = rows_[c0].first, to = rows_[c0].second;
            for (int c = c0 + 1; c <= c1; ++c) {
                from = std::min(from, rows_[c].first);
                to = std::max(to, rows_[c].second);
            }
            span(row, from + low, to + low + width - 1);
        }
    }
}

}  // namespace platform
