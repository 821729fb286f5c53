#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainter>
#include <vector>

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

Surface::Surface(QSize twipsSize, QColor eraseColour, double penPx)
    : twipsSize_(twipsSize), erase_(eraseColour), penPx_(penPx)
{
    SetMapping(Mapping{SceneScale(), 1.0});
}

Surface::~Surface() = default;

const QImage& Surface::Layer() const { return layer_; }

void Surface::ShowOver(const QImage* beneath)
{
    if (beneath != beneath_ || (beneath && beneath->cacheKey() != beneathKey_))
        shownStale_ = true;
    beneath_ = beneath;
}

const QImage* Surface::Shown()
{
    if (!beneath_ || beneath_->size() != layer_.size()) {
        shown_ = QImage();
        return nullptr;
    }
    if (shownStale_ || beneath_->cacheKey() != beneathKey_) {
        shown_ = beneath_->convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter p(&shown_);
        p.drawImage(0, 0, layer_);
        beneathKey_ = beneath_->cacheKey();
        shownStale_ = false;
    }
    return &shown_;
}

void Surface::SetMapping(const Mapping& mapping)
{
    mapping_ = mapping;
    shownStale_ = true;
    ++mappingStamp_;
    const QSize device(std::max(1, mapping_.Px(twipsSize_.width())), std::max(1, mapping_.Px(twipsSize_.height())));
    layer_ = QImage(device, QImage::Format_ARGB32_Premultiplied);
    layer_.fill(Qt::transparent);
    tileColumns_ = ((device.width() - 1) >> kTileShift) + 1;
    tileChanged_.assign(static_cast<std::size_t>(tileColumns_) * (((device.height() - 1) >> kTileShift) + 1), 0);
    fillBarrier_ = fillClock_;
    for (const Figure& f : record_.Figures())
        Rasterise(f);
    if (damage_)
        damage_(layer_.rect());
}

void Surface::Note(const Figure& f)
{
    // Only the pixels that take another value need painting: a loop draws every figure of a
    // step whether it changed or not, and most of them did not.
    const QRect changed = Rasterise(record_.Note(f));
    if (damage_ && !changed.isEmpty())
        damage_(changed);
}

QRect Surface::Rasterise(const Figure& f)
{
    if (f.tracedFor != mappingStamp_) {
        TraceFigure(f);
        GatherByTile(f, runs_);
        f.tracedFor = mappingStamp_;
        f.filledAt = 0;
    }
    const QRgb value = qPremultiply(f.colour.rgba());
    // Most figures of a frame are drawn again as they were: their pixels, scattered over the
    // whole layer, cost a cache miss each to look at, their tiles' clocks a few.
    const bool asLastFilled = f.filledAt > fillBarrier_ && f.filledValue == value;
    ++fillClock_;
    // A pixel of an opaque colour covers what lies beneath, a clear one shows it: the shown
    // image follows the layer pixel by pixel. Any other value is blended, which QPainter does.
    if (qAlpha(value) != 255 && value != 0)
        shownStale_ = true;
    const QRect changed = Fill(f, value, asLastFilled ? f.filledAt : 0);
    f.filledValue = value;
    f.filledAt = fillClock_;
    return changed;
}

void Surface::GatherByTile(const Figure& f, const std::vector<PixelRun>& runs) const
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
    const auto width = static_cast<std::uint32_t>(layer_.bytesPerLine() / sizeof(QRgb));
    std::size_t count = 0;
    for (const auto& c : cut)
        count += static_cast<std::size_t>(c.second.to - c.second.from + 1);
    f.pixels.clear();
    f.pixels.reserve(count);
    f.tiles.clear();
    int left = 0, top = 0, right = 0, bottom = 0;  // the box of the current tile's pixels
    auto closeTile = [&] {
        if (!f.tiles.empty())
            f.tiles.back().box = QRect(QPoint(left, top), QPoint(right, bottom));
    };
    for (const auto& [tile, run] : cut) {
        if (f.tiles.empty() || f.tiles.back().tile != tile) {
            closeTile();
            const int here = static_cast<int>(f.pixels.size());
            f.tiles.push_back({tile, here, here, QRect()});
            left = run.from, right = run.to, top = bottom = run.row;
        }
        const std::uint32_t rowStart = static_cast<std::uint32_t>(run.row) * width;
        for (int col = run.from; col <= run.to; ++col)
            f.pixels.push_back(rowStart + static_cast<std::uint32_t>(col));
        f.tiles.back().end = static_cast<int>(f.pixels.size());
        left = std::min(left, run.from);
        right = std::max(right, run.to);
        top = std::min(top, run.row);
        bottom = std::max(bottom, run.row);
    }
    closeTile();
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

void Surface::Line(double x1, double y1, double x2, double y2, QColor colour)
{
    Note(Figure{Figure::Kind::Line, {x1, y1, x2, y2, 0, 0}, colour == erase_ ? QColor(Qt::transparent) : colour});
}

QColor Surface::RecordedColour(Figure::Kind kind, const std::array<double, 6>& g) const
{
    const Figure* f = record_.Find(kind, g);
    return f && f->colour.alpha() != 0 ? f->colour : erase_;
}

QColor Surface::LineColour(double x1, double y1, double x2, double y2) const
{
    return RecordedColour(Figure::Kind::Line, {x1, y1, x2, y2, 0, 0});
}

QColor Surface::EllipseColour(double cx, double cy, double radius, double start, double end, double aspect) const
{
    return RecordedColour(Figure::Kind::Ellipse, {cx, cy, radius, start, end, aspect});
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

void Surface::Ellipse(double cx, double cy, double radius, QColor colour, double start, double end, double aspect)
{
    if (!(aspect > 0.0) || !std::isfinite(radius) || !std::isfinite(start) || !std::isfinite(end))
        return;
    Note(Figure{Figure::Kind::Ellipse,
                {cx, cy, radius, start, end, aspect},
                colour == erase_ ? QColor(Qt::transparent) : colour});
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

namespace {

// What a fill keeps in step with the layer besides: nothing, the shown image with an opaque
// value, or the shown image with the clear value (which shows the picture beneath).
enum class Follow { None, Opaque, Clear };

// Gives the pixels at [o, end) the value; returns whether one took another value.
template <Follow kFollow>
bool FillPixels(QRgb* layer, QRgb* shown, const QRgb* beneath, const std::uint32_t* o, const std::uint32_t* end,
                QRgb value)
{
    bool changed = false;
    for (; o != end; ++o)
        if (layer[*o] != value) {
            layer[*o] = value;
            if constexpr (kFollow == Follow::Opaque)
                shown[*o] = value;
            if constexpr (kFollow == Follow::Clear)
                shown[*o] = beneath[*o];
            changed = true;
        }
    return changed;
}

}  // namespace

QRect Surface::Fill(const Figure& f, QRgb value, std::uint64_t since)
{
    auto* const layer = reinterpret_cast<QRgb*>(layer_.bits());
    const bool follow = !shownStale_ && beneath_ && beneath_->cacheKey() == beneathKey_ && !shown_.isNull() &&
                        beneath_->format() == QImage::Format_ARGB32_Premultiplied;
    QRgb* const shown = follow ? reinterpret_cast<QRgb*>(shown_.bits()) : nullptr;
    const QRgb* const beneath = follow ? reinterpret_cast<const QRgb*>(beneath_->constBits()) : nullptr;
    if (!follow)
        shownStale_ = true;
    const auto fill = !follow      ? &FillPixels<Follow::None>
                      : value != 0 ? &FillPixels<Follow::Opaque>
                                   : &FillPixels<Follow::Clear>;
    const std::uint64_t now = fillClock_;
    // The box of the tiles' boxes where a pixel took another value.
    int left = layer_.width(), right = -1, top = layer_.height(), bottom = -1;
    for (const Figure::TilePixels& t : f.tiles) {
        std::uint64_t& tileChanged = tileChanged_[static_cast<std::size_t>(t.tile)];
        if (since != 0 && tileChanged <= since)
            continue;  // nothing changed these pixels since they took this value
        const std::uint32_t* const first = f.pixels.data() + t.begin;
        if (fill(layer, shown, beneath, first, first + (t.end - t.begin), value)) {
            tileChanged = now;
            left = std::min(left, t.box.left());
            right = std::max(right, t.box.right());
            top = std::min(top, t.box.top());
            bottom = std::max(bottom, t.box.bottom());
        }
    }
    return right < left ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

void Surface::Clear()
{
    record_.Clear();
    layer_.fill(Qt::transparent);
    shownStale_ = true;
    fillBarrier_ = fillClock_;
    if (damage_)
        damage_(layer_.rect());
}

}  // namespace platform
