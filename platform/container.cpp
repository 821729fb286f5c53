#include "platform/container.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/colours.h"
#include "platform/placement.h"

namespace platform {

namespace {
// Device rows a blit takes at most. The raster engine splits a blit of more than about a
// hundred spans over its thread pool, and a dirty region with holes (where opaque children
// lie) gives several spans a row; waking the threads costs more than a frame's copying.
constexpr int kRowsPerBlit = 16;
}  // namespace

Container::Container(QWidget* parent) : QWidget(parent), back_(ButtonFace())
{
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

Container::~Container() = default;

void Container::SetBackColor(QColor c)
{
    if (c == back_)
        return;
    back_ = c;
    Repaint(rect());  // the backdrop follows the colour at the next paint
}

void Container::SetPaintedByParent()
{
    paintedByParent_ = true;
    placedAt_ = geometry();
    hide();
    Repaint(rect());
}

void Container::Placed()
{
    twipsSize_ = TwipsRect(this).size();
    if (!paintedByParent_ || geometry() == placedAt_)
        return;
    if (auto* parent = qobject_cast<Container*>(parentWidget()))
        for (const QRect& r : {placedAt_, geometry()})
            parent->Damage(r.translated(-parent->Origin()));
    placedAt_ = geometry();
}

void Container::Repaint(const QRect& logical)
{
    auto* parent = qobject_cast<Container*>(parentWidget());
    if (!paintedByParent_ || !parent) {
        update(logical);
        return;
    }
    parent->Damage(logical.intersected(rect()).translated(pos() - parent->Origin()));
}

void Container::SetTransparent(bool t)
{
    transparent_ = t;
    setAttribute(Qt::WA_OpaquePaintEvent, !t);
    InvalidateBackdrop();
}

void Container::SetBorder(Border b, double captionPoints)
{
    border_ = b;
    captionPoints_ = captionPoints;
    InvalidateBackdrop();
}

LineItem* Container::AddLine(int x1, int y1, int x2, int y2, QColor colour, double widthPx, bool dotted)
{
    auto* item = new LineItem(this, QLine(x1, y1, x2, y2), colour, widthPx, dotted);
    items_.emplace_back(item);
    InvalidateBackdrop();
    return item;
}

ShapeItem* Container::AddShape(ShapeKind kind, int left, int top, int width, int height, QColor border,
                               double borderPx, bool filled, QColor fill)
{
    auto* item = new ShapeItem(this, kind, QRect(left, top, width, height), border, borderPx, filled, fill);
    items_.emplace_back(item);
    InvalidateBackdrop();
    return item;
}

std::vector<LabelItem*> Container::Labels() const
{
    std::vector<LabelItem*> labels;
    for (const auto& item : items_) {
        if (auto* l = dynamic_cast<LabelItem*>(item.get()))
            labels.push_back(l);
    }
    return labels;
}

LabelItem* Container::AddLabel(int left, int top, int width, int height, const QString& caption, const FontSpec& font,
                               QColor fore, bool transparent, QColor back, Qt::Alignment align)
{
    auto* item = new LabelItem(this, QRect(left, top, width, height), caption, font, fore, transparent, back, align);
    items_.emplace_back(item);
    InvalidateBackdrop();
    return item;
}

PictureItem* Container::AddPicture(int left, int top, int width, int height, PictureItem::Painter painter)
{
    auto* item = new PictureItem(this, QRect(left, top, width, height), std::move(painter));
    items_.emplace_back(item);
    InvalidateBackdrop();
    return item;
}

Surface& Container::EnableDrawing(QColor eraseColour, double penPx)
{
    const QRect t = TwipsRect(this);
    surface_ = std::make_unique<Surface>(t.size(), eraseColour, penPx);
    surface_->SetDamageHandler([this](const QRect& device) { Damage(DeviceToLogical(device)); });
    rasterDpr_ = 0;  // the drawing takes this widget's device pixel ratio at the next paint
    return *surface_;
}

void Container::InvalidateBackdrop()
{
    backdropDirty_ = true;
    Repaint(rect());
}

void Container::Damage(const QRect& inScene)
{
    const QRect r = inScene.translated(Origin());
    if (paintedByParent_) {
        Repaint(r);  // the parent gathers a frame's rectangles
        return;
    }
    // A step draws dozens of small figures. Each one asked for its own repaint would make
    // Qt's dirty region a patchwork that costs more to add to than to paint; instead the
    // figures of a frame add up into a few rectangles here, and only a rectangle that grew
    // is passed on.
    if (r.isEmpty())
        return;
    for (const QRect& p : pending_)
        if (p.contains(r))
            return;             // already waiting to be painted
    constexpr int kNearPx = 8;  // figures this close are painted together
    const QRect near = r.adjusted(-kNearPx, -kNearPx, kNearPx, kNearPx);
    auto area = [](const QRect& a) { return static_cast<qint64>(a.width()) * a.height(); };
    constexpr qint64 kSmallArea = 64 * 64;  // px²: a box this small is painted whole, whatever it holds
    QRect* grow = nullptr;
    for (QRect& p : pending_)
        // ... unless their box would be mostly what neither covers: two wires meeting at a
        // corner stay two rectangles.
        if (p.intersects(near) && (area(p | r) <= 2 * (area(p) + area(r)) || area(p | r) <= kSmallArea)) {
            grow = &p;
            break;
        }
    constexpr std::size_t kMostPending = 24;  // separate places drawn on in one frame: wires, fields
    if (!grow && pending_.size() < kMostPending) {
        pending_.push_back(r);
        Request(r);
        return;
    }
    if (!grow) {
        // Too many places: the one that grows least takes the new figure.
        auto growth = [&](const QRect& p) {
            const QRect u = p | r;
            return static_cast<qint64>(u.width()) * u.height() - static_cast<qint64>(p.width()) * p.height();
        };
        grow = &*std::min_element(pending_.begin(), pending_.end(),
                                  [&](const QRect& a, const QRect& b) { return growth(a) < growth(b); });
    }
    *grow |= r;
    Request(*grow);
}

void Container::Request(const QRect& logical)
{
    if (!isWindow() || !held_)
        update(logical);  // for a window, this posts Qt's request for the frame
    held_ = isWindow();
}

bool Container::event(QEvent* e)
{
    if (e->type() == QEvent::UpdateRequest && held_) {
        held_ = false;
        for (const QRect& r : pending_)
            update(r);
    }
    return QWidget::event(e);
}

QRect Container::DeviceToLogical(const QRect& device) const
{
    const double dpr = surface_ ? surface_->GetMapping().dpr : 1.0;
    if (dpr == 1.0)
        return device;
    return QRect(QPoint(static_cast<int>(std::floor(device.left() / dpr)),
                        static_cast<int>(std::floor(device.top() / dpr))),
                 QPoint(static_cast<int>(std::ceil((device.right() + 1) / dpr)),
                        static_cast<int>(std::ceil((device.bottom() + 1) / dpr))));
}

void Container::EnsureRasters(double dpr)
{
    const double scale = SceneScale();
    const Mapping m{scale, dpr};
    // The drawing follows the scale and the screen's ratio, drawn again from its record.
    if (surface_ && (surface_->GetMapping().dpr != dpr || surface_->GetMapping().scale != scale))
        surface_->SetMapping(m);
    const QSize twips = twipsSize_;
    const QSize device(std::max(1, m.Px(twips.width())), std::max(1, m.Px(twips.height())));
    sceneDevice_ = device;
    if (Plain()) {
        backdropDirty_ = false;  // painted with its colour straight onto the window
        return;
    }
    if (rasterDpr_ != dpr || rasterScale_ != scale || backdrop_.size() != device)
        backdropDirty_ = true;
    if (backdropDirty_)
        byColour_.clear();
    if (backdropDirty_ || backdropColour_ != back_) {
        // A wire recoloured on every frame has a meter's rim on it: its backdrop in each colour
        // it took is kept and shown again, instead of drawing the rim again.
        const QRgb key = back_.rgba();
        const auto kept = byColour_.find(key);
        if (kept != byColour_.end()) {
            backdrop_ = kept->second;
        } else {
            backdrop_ = QImage(device, QImage::Format_ARGB32_Premultiplied);
            PaintBackdrop(backdrop_, m);
            constexpr qsizetype kMostKeptBytes = 4 << 20;  // B: a wire's every colour at scale 2
            keptBytes_ = byColour_.empty() ? 0 : keptBytes_;
            if (keptBytes_ + backdrop_.sizeInBytes() <= kMostKeptBytes) {
                byColour_.emplace(key, backdrop_);
                keptBytes_ += backdrop_.sizeInBytes();
            }
        }
        backdropColour_ = back_;
        backdropDirty_ = false;
        rasterDpr_ = dpr;
        rasterScale_ = scale;
    }
}

QPoint Container::Origin() const { return isWindow() ? SceneOrigin() : QPoint(); }

bool Container::Plain() const { return !transparent_ && border_ == Border::None && items_.empty(); }

bool Container::OnlyColourIn(const QRect& inBox) const
{
    if (!Plain() || surface_ || !children().isEmpty())
        return false;
    return std::none_of(sprites_.begin(), sprites_.end(), [&](const auto& sprite) {
        return sprite->IsShown() && sprite->Geometry().intersects(inBox);
    });
}

void Container::PaintBackdrop(QImage& image, const Mapping& m) const
{
    image.fill(transparent_ ? QColor(Qt::transparent) : back_);
    QPainter p(&image);
    if (border_ == Border::Etched) {
        // A group box's etched rectangle; its top edge runs through the caption's middle.
        const int top = m.Px(captionPoints_ * 20.0 / 2.0);
        const int px = m.PenPx(1);
        const QRect r(0, top, image.width() - px, image.height() - top - px);
        p.setPen(QPen(QColor(160, 160, 160), px == 1 ? 0 : px));
        p.drawRect(r.adjusted(0, 0, -px, -px));
        p.setPen(QPen(QColor(255, 255, 255), px == 1 ? 0 : px));
        p.drawRect(r.adjusted(px, px, 0, 0));
    }
    for (const auto& item : items_)
        if (item->Visible())
            item->Paint(p, m);
}

void Container::Rescaled()
{
    backdropDirty_ = true;
    if (surface_)
        surface_->SetMapping(Mapping{SceneScale(), surface_->GetMapping().dpr});
    Repaint(rect());
}

QImage Container::Compose(double dpr)
{
    EnsureRasters(dpr);
    QImage out = Plain() ? QImage(sceneDevice_, QImage::Format_ARGB32_Premultiplied) : backdrop_.copy();
    if (Plain())
        out.fill(back_);
    QPainter p(&out);
    if (surface_)
        p.drawImage(QRectF(out.rect()), surface_->Layer(), QRectF(surface_->Layer().rect()));
    p.scale(dpr, dpr);
    PaintSprites(p, QRect(QPoint(), QSizeF(out.size() / dpr).toSize()));
    p.end();
    return out;
}

void Container::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    backdropDirty_ = true;
}

void Container::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    PaintContent(p, e->region());
}

void Container::PaintContent(QPainter& p, const QRegion& region)
{
    const double dpr = devicePixelRatioF();
    EnsureRasters(dpr);
    // Qt forgets a widget's whole dirty region when it paints it, even the parts that its
    // opaque children hide, and so does this container, once they are passed on.
    if (held_) {
        held_ = false;  // painted before Qt asked for the frame (shown, exposed, rendered)
        for (const QRect& r : pending_)
            update(r);
    }
    pending_.clear();
    const QPoint origin = Origin();
    const QRect scene(origin, QSizeF(sceneDevice_ / dpr).toSize());
    // Many small dirty rectangles (a frame's worth of figures) are cheaper painted as one.
    constexpr int kMostRectangles = 32;
    const QRegion dirty = region.rectCount() > kMostRectangles ? QRegion(region.boundingRect()) : region;
    const int band = std::max(1, static_cast<int>(kRowsPerBlit / dpr));
    // An opaque box's drawing is kept laid over its backdrop, and copied in one go. Over an
    // opaque colour every pixel of it is opaque: read as an image without alpha, it is copied
    // row by row instead of composed.
    QImage shown;
    if (surface_ && !transparent_ && !Plain()) {
        surface_->ShowOver(&backdrop_);
        if (const QImage* kept = surface_->Shown())
            shown = back_.alpha() == 255 ? QImage(kept->constBits(), kept->width(), kept->height(),
                                                  kept->bytesPerLine(), QImage::Format_RGB32)
                                         : *kept;
    }
    for (const QRect& r : dirty) {
        // A window larger than the scene shows its background beyond the scene; a clear box
        // shows what lies beneath it there (its pixel edges can lie a pixel beyond its scene).
        if (!scene.contains(r) && !transparent_)
            p.fillRect(r, back_);
        const QRect whole = r.intersected(scene);
        for (int top = whole.top(); top <= whole.bottom(); top += band) {
            const QRect s(whole.left(), top, whole.width(), std::min(band, whole.bottom() + 1 - top));
            const QRect inScene = s.translated(-origin);
            const QRectF source(inScene.x() * dpr, inScene.y() * dpr, inScene.width() * dpr, inScene.height() * dpr);
            if (!shown.isNull()) {
                p.setCompositionMode(QPainter::CompositionMode_Source);
                p.drawImage(QRectF(s), shown, source);
                p.setCompositionMode(QPainter::CompositionMode_SourceOver);
                continue;
            }
            if (Plain()) {
                p.fillRect(s, back_);  // a wire or a plate: only its colour, which changes every step
            } else if (!transparent_) {
                // An opaque backdrop covers what is beneath: copied, not blended.
                p.setCompositionMode(QPainter::CompositionMode_Source);
                p.drawImage(QRectF(s), backdrop_, source);
                p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            } else {
                p.drawImage(QRectF(s), backdrop_, source);
            }
            if (surface_)
                p.drawImage(QRectF(s), surface_->Layer(), source);
        }
    }
    p.translate(origin);
    PaintSprites(p, dirty.boundingRect().translated(-origin));
    p.translate(-origin);
    PaintBoxesOfItsOwn(p, dirty);
}

void Container::PaintBoxesOfItsOwn(QPainter& p, const QRegion& dirty)
{
    for (QObject* child : children()) {
        auto* box = qobject_cast<Container*>(child);
        if (!box || !box->paintedByParent_)
            continue;
        const QRegion here = dirty.intersected(box->geometry());
        if (here.isEmpty())
            continue;
        if (box->OnlyColourIn(here.boundingRect().translated(-box->pos()))) {
            // A wire without a marker in the dirty area: its colour, filled inside it, needs no
            // clip of its own (in bands, as a blit, to keep Qt's thread pool asleep).
            const int band = std::max(1, static_cast<int>(kRowsPerBlit / devicePixelRatioF()));
            for (const QRect& r : here)
                for (int top = r.top(); top <= r.bottom(); top += band)
                    p.fillRect(QRect(r.left(), top, r.width(), std::min(band, r.bottom() + 1 - top)), box->back_);
            continue;
        }
        // The box's pixels stay inside it, as a widget's would.
        p.save();
        if (here.rectCount() == 1)
            p.setClipRect(here.boundingRect());
        else
            p.setClipRegion(here);
        p.translate(box->pos());
        box->PaintContent(p, here.translated(-box->pos()));
        p.restore();
    }
}

void Container::PaintSprites(QPainter& p, const QRect& dirty) const
{
    // Painted over the whole dirty box; the paint's own clip keeps them to the dirty region.
    for (const auto& sprite : sprites_) {
        if (!sprite->IsShown())
            continue;
        const QRect r = sprite->Geometry();
        if (r.intersects(dirty))
            sprite->Paint(p, r);
    }
}

}  // namespace platform
