#include "platform/surface.h"

#include <algorithm>

#include <cmath>
#include <vector>

namespace platform {

namespace {
// A figure's premultiplied value laid over what lies beneath it, as QPainter lays one
// image over another: an opaque figure covers it, a half clear one lets it through.
QRgb Over(QRgb value, QRgb beneath)
{
    const int a = qAlpha(value);
    if (a == 255 || qAlpha(beneath) == 0)
        return value;
    const std::uint32_t k = static_cast<std::uint32_t>(255 - a);  // rounded as Qt's own blend rounds
    std::uint32_t rb = (beneath & 0xff00ffu) * k;
    rb = ((rb + ((rb >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    std::uint32_t ag = ((beneath >> 8) & 0xff00ffu) * k;
    ag = (ag + ((ag >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return value + (ag | rb);
}
}  // namespace

Surface::Surface(QSize twipsSize, QColor eraseColour, double penPx)
    : twipsSize_(twipsSize), erase_(eraseColour), penPx_(penPx)
{
    SetMapping(Mapping{SceneScale(), 1.0});
}

Surface::~Surface() = default;

void Surface::SetBeneath(const QImage* beneath)
{
    if (beneath && (beneath->size() != layer_.size() || beneath->depth() != 32))
        beneath = nullptr;
    if (beneath == beneath_ && (!beneath || beneath->cacheKey() == beneathKey_))
        return;
    beneath_ = beneath;
    beneathKey_ = beneath ? beneath->cacheKey() : 0;
    beneathBits_ = beneath ? reinterpret_cast<const QRgb*>(beneath->constBits()) : nullptr;
    StaleEverywhere();
}

void Surface::StaleEverywhere()
{
    for (int tile = 0; tile < static_cast<int>(tiles_.size()); ++tile)
        MarkStale(tile);
}

const QImage& Surface::Layer()
{
    Rebuild();
    return layer_;
}

void Surface::SetMapping(const Mapping& mapping)
{
    mapping_ = mapping;
    beneath_ = nullptr;  // the owner gives it again at this size
    beneathBits_ = nullptr;
    const QSize device(std::max(1, mapping_.Px(twipsSize_.width())), std::max(1, mapping_.Px(twipsSize_.height())));
    layer_ = QImage(device, QImage::Format_ARGB32_Premultiplied);
    layer_.fill(Qt::transparent);
    stride_ = static_cast<std::size_t>(layer_.bytesPerLine()) / sizeof(QRgb);
    tileColumns_ = ((device.width() - 1) >> kTileShift) + 1;
    const auto tiles = static_cast<std::size_t>(tileColumns_) * (((device.height() - 1) >> kTileShift) + 1);
    tiles_.assign(tiles, {});
    isStale_.assign(tiles, false);
    stale_.clear();
    // Every figure found again at this mapping, put back in painting order.
    std::vector<Figure*> figures;
    record_.ForEach([&](Figure& f) { figures.push_back(&f); });
    std::sort(figures.begin(), figures.end(), [](const Figure* a, const Figure* b) { return a->order < b->order; });
    for (Figure* f : figures)
        Place(*f);
    if (damage_)
        damage_(layer_.rect());
}

void Surface::Note(Figure::Kind kind, const std::array<double, 6>& g, QColor colour)
{
    const QRgb value = colour == erase_ ? 0 : qPremultiply(colour.rgba());
    Figure* f = record_.Find(kind, g);
    QRect changed;
    if (!f) {
        if (value == 0)
            return;  // not shown, and erased again
        f = &record_.Add(kind, g);
        f->value = value;
        changed = Place(*f);
    } else if (value == 0) {
        // An erased figure is forgotten: what lies beneath it shows again, other figures too.
        for (const Figure::TilePixels& t : f->tiles) {
            auto& on = tiles_[static_cast<std::size_t>(t.tile)];
            on.erase(std::find_if(on.begin(), on.end(), [&](const OnTile& o) { return o.figure == f; }));
            MarkStale(t.tile);
        }
        record_.Remove(*f);
    } else {
        const bool recoloured = f->value != value;
        f->value = value;
        changed = Raise(*f, recoloured);
    }
    if (damage_ && !changed.isEmpty())
        damage_(changed);
}

QRect Surface::Place(Figure& f)
{
    f.order = ++order_;
    TraceFigure(f);
    GatherByTile(f, runs_);
    QRect changed;
    QRgb* const layer = reinterpret_cast<QRgb*>(layer_.bits());
    for (int part = 0; part < static_cast<int>(f.tiles.size()); ++part) {
        const int tile = f.tiles[static_cast<std::size_t>(part)].tile;
        tiles_[static_cast<std::size_t>(tile)].push_back({&f, part});
        changed |= PaintOnTop(layer, f, part);
    }
    return changed;
}

QRect Surface::Raise(Figure& f, bool recoloured)
{
    // A figure drawn comes to lie above the others; one drawn again as it lies, on top of
    // every tile it crosses, changes nothing: a loop's step draws most figures so.
    f.order = ++order_;
    QRect changed;
    QRgb* const layer = reinterpret_cast<QRgb*>(layer_.bits());
    for (int part = 0; part < static_cast<int>(f.tiles.size()); ++part) {
        const int tile = f.tiles[static_cast<std::size_t>(part)].tile;
        auto& on = tiles_[static_cast<std::size_t>(tile)];
        if (on.back().figure != &f) {
            // It comes above figures that crossed it: the tile is rebuilt at the end of the
            // frame, when a figure raised and covered again within it changed nothing.
            on.erase(std::find_if(on.begin(), on.end(), [&](const OnTile& o) { return o.figure == &f; }));
            on.push_back({&f, part});
            MarkStale(tile);
        } else if (recoloured) {
            changed |= PaintOnTop(layer, f, part);
        }
    }
    return changed;
}

QRect Surface::PaintOnTop(QRgb* layer, const Figure& f, int part)
{
    // A figure on top of a tile covers its own pixels whatever lies beneath: they take its
    // value, and the rest of the tile stays as it is. A stale tile is rebuilt whole instead.
    const Figure::TilePixels& t = f.tiles[static_cast<std::size_t>(part)];
    if (isStale_[static_cast<std::size_t>(t.tile)])
        return QRect();
    constexpr int kSide = 1 << kTileShift;
    const int left = (t.tile % tileColumns_) << kTileShift, top = (t.tile / tileColumns_) << kTileShift;
    const std::size_t corner = static_cast<std::size_t>(top) * stride_ + static_cast<std::size_t>(left);
    QRgb* const tile = layer + corner;
    const QRgb* const under = beneath_ && qAlpha(f.value) != 255 ? beneathBits_ + corner : nullptr;
    int changedLeft = kSide, changedRight = -1, changedTop = kSide, changedBottom = -1;
    for (int i = t.begin; i < t.end; ++i) {
        const int at = f.pixels[static_cast<std::size_t>(i)];
        const int row = at >> kTileShift, col = at & (kSide - 1);
        const std::size_t offset = static_cast<std::size_t>(row) * stride_ + static_cast<std::size_t>(col);
        const QRgb value = under ? Over(f.value, under[offset]) : f.value;
        if (tile[offset] != value) {
            tile[offset] = value;
            changedLeft = std::min(changedLeft, col);
            changedRight = std::max(changedRight, col);
            changedTop = std::min(changedTop, row);
            changedBottom = std::max(changedBottom, row);
        }
    }
    if (changedRight < 0)
        return QRect();
    return QRect(QPoint(left + changedLeft, top + changedTop), QPoint(left + changedRight, top + changedBottom));
}

void Surface::MarkStale(int tile)
{
    if (isStale_[static_cast<std::size_t>(tile)])
        return;
    isStale_[static_cast<std::size_t>(tile)] = true;
    stale_.push_back(tile);
    if (stale_.size() == 1 && staled_)
        staled_();
}

void Surface::Rebuild()
{
    if (stale_.empty())
        return;
    std::vector<int> stale;
    stale.swap(stale_);
    std::sort(stale.begin(), stale.end());
    // Neighbouring tiles along a row are reported together: a ring's outline crosses a few
    // dozen of them.
    QRect run;
    int next = -1;  // the tile that would lengthen the run
    QRgb* const layer = reinterpret_cast<QRgb*>(layer_.bits());
    for (const int tile : stale) {
        isStale_[static_cast<std::size_t>(tile)] = false;
        if (tile != next || tile % tileColumns_ == 0) {
            if (!run.isEmpty() && damage_)
                damage_(run);
            run = QRect();
        }
        run |= RebuildTile(layer, tile);
        next = tile + 1;
    }
    if (!run.isEmpty() && damage_)
        damage_(run);
    stale_.swap(stale);
    stale_.clear();
}

QRect Surface::RebuildTile(QRgb* layer, int tile)
{
    constexpr int kSide = 1 << kTileShift;
    const int left = (tile % tileColumns_) << kTileShift, top = (tile / tileColumns_) << kTileShift;
    const int width = std::min(kSide, layer_.width() - left), height = std::min(kSide, layer_.height() - top);
    const std::size_t stride = stride_;
    const std::size_t corner = static_cast<std::size_t>(top) * stride + static_cast<std::size_t>(left);
    QRgb under[kSide * kSide] = {};
    if (beneath_)
        for (int row = 0; row < height; ++row) {
            const QRgb* const line = beneathBits_ + corner + static_cast<std::size_t>(row) * stride;
            std::copy(line, line + width, under + row * kSide);
        }
    QRgb fresh[kSide * kSide];
    std::copy(std::begin(under), std::end(under), fresh);
    for (const OnTile& on : tiles_[static_cast<std::size_t>(tile)]) {
        const Figure& f = *on.figure;
        const Figure::TilePixels& part = f.tiles[static_cast<std::size_t>(on.part)];
        for (int i = part.begin; i < part.end; ++i) {
            const int at = f.pixels[static_cast<std::size_t>(i)];
            fresh[at] = Over(f.value, under[at]);
        }
    }
    int changedLeft = width, changedRight = -1, changedTop = height, changedBottom = -1;
    for (int row = 0; row < height; ++row) {
        QRgb* const line = layer + corner + static_cast<std::size_t>(row) * stride;
        for (int col = 0; col < width; ++col)
            if (line[col] != fresh[row * kSide + col]) {
                line[col] = fresh[row * kSide + col];
                changedLeft = std::min(changedLeft, col);
                changedRight = std::max(changedRight, col);
                changedTop = std::min(changedTop, row);
                changedBottom = row;
            }
    }
    if (changedRight < 0)
        return QRect();
    return QRect(QPoint(left + changedLeft, top + changedTop), QPoint(left + changedRight, top + changedBottom));
}

void Surface::Line(double x1, double y1, double x2, double y2, QColor colour)
{
    Note(Figure::Kind::Line, {x1, y1, x2, y2, 0, 0}, colour);
}

void Surface::Ellipse(double cx, double cy, double radius, QColor colour, double start, double end, double aspect)
{
    if (!(aspect > 0.0) || !std::isfinite(radius) || !std::isfinite(start) || !std::isfinite(end))
        return;
    Note(Figure::Kind::Ellipse, {cx, cy, radius, start, end, aspect}, colour);
}

void Surface::Clear()
{
    record_.Clear();
    for (auto& on : tiles_)
        on.clear();
    isStale_.assign(isStale_.size(), false);
    stale_.clear();
    if (beneath_)
        layer_ = beneath_->convertToFormat(QImage::Format_ARGB32_Premultiplied);
    else
        layer_.fill(Qt::transparent);
    if (damage_)
        damage_(layer_.rect());
}

}  // namespace platform
