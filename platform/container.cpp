#include "platform/container.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/colours.h"
#include "platform/placement.h"

namespace platform {


Container::Container(QWidget* parent) : QWidget(parent), back_(ButtonFace())
{
    // The root covers what it paints; a box within it is painted by the root, beneath.
    setAttribute(Qt::WA_OpaquePaintEvent, !SceneParent());
}

Container::~Container() = default;

void Container::SetBackColor(QColor c)
{
    if (c == back_)
        return;
    back_ = c;
    Repaint(rect());  // the backdrop follows the colour at the next paint
}

void Container::SetWithoutWidget()
{
    withoutWidget_ = true;
    hide();
    Repaint(rect());
}

void Container::Placed()
{
    twipsSize_ = TwipsRect(this).size();
    if (geometry() == placedAt_)
        return;
    if (Container* parent = SceneParent())
        for (const QRect& r : {placedAt_, geometry()})
            parent->Repaint(r);
    placedAt_ = geometry();
}

Container* Container::Root()
{
    Container* box = this;
    while (Container* parent = box->SceneParent())
        box = parent;
    return box;
}

void Container::RebuildSoon()
{
    // The frame's figures are all noted first: a figure erased and drawn again within a frame
    // changes no pixel, and its tiles are rebuilt once.
    if (!rebuildPosted_)
        QCoreApplication::postEvent(this, new QEvent(RebuildEvent()));
    rebuildPosted_ = true;
}

QEvent::Type Container::RebuildEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void Container::RebuildDrawings()
{
    if (surface_)
        surface_->Rebuild();
    for (QObject* child : children())
        if (auto* box = qobject_cast<Container*>(child))
            box->RebuildDrawings();
}

void Container::Repaint(const QRect& logical)
{
    // Up to the scene's root, clipped to each box on the way: a box's pixels stay inside it.
    QRect r = logical;
    Container* box = this;
    while (Container* parent = box->SceneParent()) {
        r = r.intersected(box->rect()).translated(box->pos());
        box = parent;
    }
    box->Invalidate(r);
}

void Container::SetTransparent(bool t)
{
    transparent_ = t;
    setAttribute(Qt::WA_OpaquePaintEvent, !t && !SceneParent());
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
    surface_->SetStaleHandler([this] { Root()->RebuildSoon(); });
    rasterDpr_ = 0;  // the drawing takes this widget's device pixel ratio at the next paint
    return *surface_;
}

void Container::RepaintCovered(QWidget* control)
{
    if (auto* box = qobject_cast<Container*>(control->parentWidget()))
        box->Repaint(control->geometry());
    else
        control->update();
}

void Container::InvalidateBackdrop()
{
    backdropDirty_ = true;
    Repaint(rect());
}

void Container::Damage(const QRect& inScene) { Repaint(inScene.translated(Origin())); }

void Container::Invalidate(const QRect& r)
{
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
    constexpr std::size_t kMostPending = 96;  // separate places a frame draws on in the whole scene
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
    // The boxes within it, kept in painting order: a frame composes a few rectangles, each of
    // which would otherwise look through every child, controls included.
    if (e->type() == QEvent::ChildAdded || e->type() == QEvent::ChildRemoved)
        boxesStale_ = true;
    if (e->type() == QEvent::ZOrderChange && SceneParent())
        SceneParent()->boxesStale_ = true;
    if (e->type() == RebuildEvent()) {
        rebuildPosted_ = false;
        RebuildDrawings();
        return true;
    }
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

}  // namespace platform
