#include "platform/surface.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace platform {

namespace {
constexpr double kFullTurn = 2.0 * std::numbers::pi;  // the platform's arcs use true radians
constexpr int kMinSegments = 24;    // an ellipse never looks polygonal below this
constexpr int kMaxSegments = 720;   // enough for the largest ellipse at 4K
constexpr double kSegmentsPerPixel = 0.75;  // of radius: about one segment per 8 px of arc

QPoint RoundPoint(double x, double y)
{
    return QPoint(static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5)));
}
}  // namespace

Surface::Surface(QSize twipsSize, QColor eraseColour, double penPx)
    : twipsSize_(twipsSize), erase_(eraseColour), penPx_(penPx)
{
    SetMapping(Mapping{SceneScale(), 1.0});
}

Surface::~Surface() = default;

const QImage& Surface::Layer() const { return layer_; }

void Surface::SetMapping(const Mapping& mapping)
{
    mapping_ = mapping;
    const QSize device(std::max(1, mapping_.Px(twipsSize_.width())),
                       std::max(1, mapping_.Px(twipsSize_.height())));
    layer_ = QImage(device, QImage::Format_ARGB32_Premultiplied);
    layer_.fill(Qt::transparent);
    for (const Figure& f : record_.Figures())
        Rasterise(f);
    if (damage_)
        damage_(layer_.rect());
}

void Surface::Rasterise(const Figure& f)
{
    const auto& g = f.g;
    if (f.kind == Figure::Kind::Line) {
        const QPoint pts[2] = {mapping_.Point(g[0], g[1]), mapping_.Point(g[2], g[3])};
        Stroke(pts, 2, f.colour);
        return;
    }
    const double cx = g[0], cy = g[1], radius = g[2], start = g[3], end = g[4], aspect = g[5];
    double span = end - start;
    const bool whole = (start == end);
    if (whole)
        span = kFullTurn;
    else if (span < 0)
        span += kFullTurn;

    const double k = mapping_.PixelsPerTwip();
    const double rx = (aspect >= 1.0 ? radius / aspect : radius) * k;
    const double ry = (aspect >= 1.0 ? radius : radius * aspect) * k;
    const double cxd = cx * k, cyd = cy * k;
    const double longest = std::max(std::abs(rx), std::abs(ry));
    int segments = static_cast<int>(std::ceil(longest * kSegmentsPerPixel * span / kFullTurn));
    segments = std::clamp(segments, whole ? kMinSegments : 2, kMaxSegments);

    std::vector<QPoint>& pts = points_;
    pts.clear();
    for (int i = 0; i <= segments; ++i) {
        const double a = (i == segments && !whole) ? start + span : start + span * i / segments;
        const QPoint p = RoundPoint(cxd + rx * std::cos(a), cyd - ry * std::sin(a));
        if (pts.empty() || pts.back() != p)
            pts.push_back(p);
    }
    Stroke(pts.data(), static_cast<int>(pts.size()), f.colour);
}

void Surface::Line(double x1, double y1, double x2, double y2, QColor colour)
{
    const Figure f{Figure::Kind::Line, {x1, y1, x2, y2, 0, 0}, colour};
    record_.Note(f);
    Rasterise(f);
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

void Surface::Ellipse(double cx, double cy, double radius, QColor colour, double start, double end,
                      double aspect)
{
    if (!(aspect > 0.0) || !std::isfinite(radius) || !std::isfinite(start) || !std::isfinite(end))
        return;
    const Figure f{Figure::Kind::Ellipse, {cx, cy, radius, start, end, aspect}, colour};
    record_.Note(f);
    Rasterise(f);
}

namespace {
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

void Surface::Stroke(const QPoint* points, int count, QColor colour)
{
    if (count < 1)
        return;
    // Lines are rasterised here, pixel by pixel, so drawing and erasing a figure touch the
    // very same pixels. A pen wider than one pixel is a square brush of that side, its
    // centre on each pixel of the one-pixel line.
    const int width = mapping_.PenPx(penPx_);
    const int low = -(width - 1) / 2;
    const QRgb value = colour == erase_ ? 0u : qPremultiply(colour.rgba());
    uchar* const bits = layer_.bits();
    const qsizetype stride = layer_.bytesPerLine();
    const int w = layer_.width(), h = layer_.height();
    auto span = [&](int row, int from, int to) {
        if (row < 0 || row >= h)
            return;
        from = std::max(0, from);
        to = std::min(w - 1, to);
        auto* line = reinterpret_cast<QRgb*>(bits + row * stride);
        for (int col = from; col <= to; ++col)
            line[col] = value;
    };

    if (width == 1) {
        span(points[0].y(), points[0].x(), points[0].x());
        for (int i = 1; i < count; ++i)
            Walk(points[i - 1], points[i], [&](int x, int y) {
                if (x >= 0 && x < w && y >= 0 && y < h)
                    reinterpret_cast<QRgb*>(bits + y * stride)[x] = value;
            });
    } else if (count == 1) {
        for (int row = 0; row < width; ++row)
            span(points[0].y() + low + row, points[0].x() + low, points[0].x() + low + width - 1);
    } else {
        // Each segment's squares are filled a row at a time: a segment runs one way in y,
        // so the centres on a row are a run of columns, and the squares over the rows of
        // one brush height join into one run. Every pixel is written once, not width² times.
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

    if (damage_) {
        int l = points[0].x(), r = l, t = points[0].y(), b = t;
        for (int i = 1; i < count; ++i) {
            l = std::min(l, points[i].x());
            r = std::max(r, points[i].x());
            t = std::min(t, points[i].y());
            b = std::max(b, points[i].y());
        }
        const int m = width + 2;
        damage_(QRect(QPoint(l - m, t - m), QPoint(r + m, b + m)).intersected(layer_.rect()));
    }
}

void Surface::Clear()
{
    record_.Clear();
    layer_.fill(Qt::transparent);
    if (damage_)
        damage_(layer_.rect());
}

}  // namespace platform
