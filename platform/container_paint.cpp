#include "platform/container.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/focus_mark.h"

// How a scene of boxes becomes pixels: each box's rasters, and the composing of a dirty area.
namespace platform {

namespace {
// Device rows a blit takes at most. The raster engine splits a blit of more than about a
// hundred spans over its thread pool, and a dirty region with holes (where opaque children
// lie) gives several spans a row; waking the threads costs more than a frame's copying.
constexpr int kRowsPerBlit = 16;
}  // namespace

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
        if (surface_)
            surface_->SetBeneath(nullptr);
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
    // An opaque box's drawing is built over its backdrop, and a repaint copies it.
    if (surface_)
        surface_->SetBeneath(transparent_ ? nullptr : &backdrop_);
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
    if (surface_) {
        p.setCompositionMode(surface_->HasBeneath() ? QPainter::CompositionMode_Source
                                                    : QPainter::CompositionMode_SourceOver);
        p.drawImage(QRectF(out.rect()), surface_->Layer(), QRectF(surface_->Layer().rect()));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    p.scale(dpr, dpr);
    PaintSprites(p, Rects{QRect(QPoint(), QSizeF(out.size() / dpr).toSize())}, QPoint());
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
    if (SceneParent())
        return;  // the root paints the whole scene
    // Qt forgets a widget's whole dirty region when it paints it, even the parts that its
    // opaque children hide, and so does this container, once they are passed on.
    if (held_) {
        held_ = false;  // painted before Qt asked for the frame (shown, exposed, rendered)
        for (const QRect& r : pending_)
            update(r);
    }
    pending_.clear();
    // Many small dirty rectangles (a frame's worth of figures) are cheaper painted as one.
    constexpr int kMostRectangles = 128;
    const QRegion& region = e->region();
    QPainter p(this);
    Rects dirty;
    if (region.rectCount() > kMostRectangles)
        dirty.append(region.boundingRect());
    else
        for (const QRect& r : region)
            dirty.append(r);
    PaintBox(p, dirty, p.deviceTransform().m11());  // the ratio of what it paints on: the screen, or a picture
}

void Container::PaintBox(QPainter& p, const Rects& dirty, double dpr)
{
    EnsureRasters(dpr);
    const QPoint origin = Origin();
    const QRect scene(origin, QSizeF(sceneDevice_ / dpr).toSize());
    const int band = std::max(1, static_cast<int>(kRowsPerBlit / dpr));
    // An opaque box's drawing lies on its backdrop. Over an opaque colour every pixel of it is
    // opaque: read as an image without alpha, it is copied row by row instead of composed.
    QImage layer;
    if (surface_) {
        const QImage& drawn = surface_->Layer();
        layer = surface_->HasBeneath() && back_.alpha() == 255
                    ? QImage(drawn.constBits(), drawn.width(), drawn.height(), drawn.bytesPerLine(),
                             QImage::Format_RGB32)
                    : drawn;
    }
    const Boxes met = BoxesMeeting(dirty);
    for (const QRect& r : dirty) {
        if (Hidden(r, met.begin(), met.end(), dpr))
            continue;
        // A window larger than the scene shows its background beyond the scene; a clear box
        // shows what lies beneath it there (its pixel edges can lie a pixel beyond its scene).
        if (!scene.contains(r) && !transparent_)
            p.fillRect(r, back_);
        const QRect whole = r.intersected(scene);
        for (int top = whole.top(); top <= whole.bottom(); top += band) {
            const QRect s(whole.left(), top, whole.width(), std::min(band, whole.bottom() + 1 - top));
            const QRect inScene = s.translated(-origin);
            const QRectF source(inScene.x() * dpr, inScene.y() * dpr, inScene.width() * dpr, inScene.height() * dpr);
            if (surface_ && surface_->HasBeneath()) {
                // The drawing lies on the backdrop already: copied, not composed.
                p.setCompositionMode(QPainter::CompositionMode_Source);
                p.drawImage(QRectF(s), layer, source);
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
                p.drawImage(QRectF(s), layer, source);
        }
    }
    p.translate(origin);
    PaintSprites(p, dirty, origin);
    p.translate(-origin);
    PaintBoxesWithin(p, dirty, met, dpr);
    // A hot area paints nothing of its own (controls.h): its focus mark lies above the boxes.
    auto* area = qobject_cast<HotArea*>(QApplication::focusWidget());
    if (area && area->parentWidget() == this && KeyboardFocusShown(area) &&
        std::any_of(dirty.begin(), dirty.end(), [&](const QRect& r) { return r.intersects(area->geometry()); }))
        PaintFocusMark(p, area->geometry());
}


// Whether an opaque box among `above` holds the rectangle whole: what lies beneath it there
// is not painted, as Qt leaves an opaque widget's area out of its parent's paint. A meter's
// needle would otherwise be copied once for the frame beneath the meter and again for the
// meter. Where a box covers a rectangle in part, both are painted, in order. At a ratio where
// a logical edge falls between device pixels a box's edge pixels show what lies beneath too.
bool Container::Hidden(const QRect& r, const Container* const* above, const Container* const* end, double dpr)
{
    if (dpr != std::floor(dpr))
        return false;
    for (; above != end; ++above) {
        const Container* box = *above;
        const QRect& g = box->geometry();
        if (!box->transparent_ && box->back_.alpha() == 255 && g.left() <= r.left() && r.right() <= g.right() &&
            g.top() <= r.top() && r.bottom() <= g.bottom())
            return true;
    }
    return false;
}

Container::Boxes Container::BoxesMeeting(const Rects& dirty) const
{
    if (boxesStale_) {
        boxes_.clear();
        for (QObject* child : children())
            if (auto* box = qobject_cast<Container*>(child))
                boxes_.push_back(box);
        boxesStale_ = false;
    }
    QRect bound;
    for (const QRect& r : dirty)
        bound |= r;
    Boxes met;
    for (Container* box : boxes_)
        if (box->InScene() && box->geometry().intersects(bound))
            met.append(box);
    return met;
}

void Container::PaintBoxesWithin(QPainter& p, const Rects& dirty, const Boxes& met, double dpr)
{
    for (qsizetype i = 0; i < met.size(); ++i) {
        Container* box = met[i];
        const QRect g = box->geometry();
        Rects here;  // in the box's own coordinates
        QRect hereBound;
        for (const QRect& r : dirty) {
            // QRect's own test is a call: this one runs for every rectangle and box of a frame.
            if (r.right() < g.left() || g.right() < r.left() || r.bottom() < g.top() || g.bottom() < r.top())
                continue;
            const QRect part = r & g;
            if (Hidden(part, met.begin() + i + 1, met.end(), dpr))
                continue;
            here.append(part.translated(-g.topLeft()));
            hereBound |= here.back();
        }
        if (here.isEmpty())
            continue;
        p.save();
        p.translate(g.topLeft());
        if (box->OnlyColourIn(hereBound)) {
            // A wire without a marker in the dirty area: its colour, filled inside it, needs no
            // clip of its own (in bands, as a blit, to keep Qt's thread pool asleep).
            const int band = std::max(1, static_cast<int>(kRowsPerBlit / dpr));
            for (const QRect& r : here)
                for (int top = r.top(); top <= r.bottom(); top += band)
                    p.fillRect(QRect(r.left(), top, r.width(), std::min(band, r.bottom() + 1 - top)), box->back_);
        } else {
            // The box's pixels stay inside it, as a widget's would.
            if (here.size() == 1) {
                p.setClipRect(hereBound);
            } else {
                QRegion clip;
                clip.setRects(here.constData(), static_cast<int>(here.size()));
                p.setClipRegion(clip);
            }
            box->PaintBox(p, here, dpr);
        }
        p.restore();
    }
}

void Container::PaintSprites(QPainter& p, const Rects& dirty, QPoint origin) const
{
    // A sprite is painted whole where it meets a dirty rectangle; the clip keeps it to the
    // dirty area. A frame's rectangles lie far apart: their bounding box would hold them all.
    for (const auto& sprite : sprites_) {
        if (!sprite->IsShown())
            continue;
        const QRect r = sprite->Geometry();
        const QRect inBox = r.translated(origin);
        if (std::any_of(dirty.begin(), dirty.end(), [&](const QRect& d) { return d.intersects(inBox); }))
            sprite->Paint(p, r);
    }
}

}  // namespace platform
