#pragma once
// A box, a frame or the window's own client area: a background, lightweight lines, shapes and
// labels painted beneath everything else, an optional persistent drawing above them, sprites
// above that, and the boxes within it above those.
//
// The boxes of a window are parts of one scene that the window alone paints: a box never
// paints itself, and whatever changes in one (its colour, place, items, drawing, sprites)
// marks what it covers as dirty in the window. A dirty area is composed from scratch, in
// painting order: each box's backdrop, drawing and sprites, then the boxes within it, in the
// order they were made. Child controls are widgets and lie above the whole scene.
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QVarLengthArray>
#include <QWidget>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/items.h"
#include "platform/sprite.h"
#include "platform/surface.h"

namespace platform {

enum class Border { None, Etched };

class Container : public QWidget {
    Q_OBJECT
public:
    explicit Container(QWidget* parent = nullptr);
    ~Container() override;

    QColor BackColor() const { return back_; }
    void SetBackColor(QColor c);
    // A transparent container shows its parent through, apart from what it paints.
    void SetTransparent(bool t);
    void SetBorder(Border b, double captionPoints = 0);

    LineItem* AddLine(int x1, int y1, int x2, int y2, QColor colour = Qt::black, double widthPx = 1,
                      bool dotted = false);
    ShapeItem* AddShape(ShapeKind kind, int left, int top, int width, int height, QColor border, double borderPx,
                        bool filled, QColor fill);
    LabelItem* AddLabel(int left, int top, int width, int height, const QString& caption, const FontSpec& font,
                        QColor fore, bool transparent, QColor back,
                        Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

    // The labels among its items, in the order they were added.
    std::vector<LabelItem*> Labels() const;

    PictureItem* AddPicture(int left, int top, int width, int height, PictureItem::Painter painter);

    // A box that holds no control and takes no input or focus (a wire, a plate) needs no
    // widget on the screen: its widget is hidden, and it stays in the scene. A frame recolours a
    // dozen wire strips, and every shown widget in a dirty area costs Qt a paint event and
    // region arithmetic even when it paints nothing.
    void SetWithoutWidget();
    // The box was placed anew (placement.h tells it): it takes its new size in twips, and the
    // scene repaints where it was and where it is.
    void Placed();

    // Gives the container a persistent drawing; erase colour: the colour of what lies beneath.
    Surface& EnableDrawing(QColor eraseColour, double penPx = 1.0);
    Surface* Drawing() { return surface_.get(); }

    // The backdrop (background, border, lines, shapes, labels) must be painted anew.
    void InvalidateBackdrop();

    // The scene scale changed: the backdrop and the drawing are made again at the new scale.
    void Rescaled();

    // Where the scene lies in this widget: centred in a window, from the corner in a box.
    QPoint Origin() const;

    // Background, items, drawing and sprites composed at a device pixel ratio, without child
    // controls.
    QImage Compose(double dpr);

    // A control's look changed (its focus, whether it is enabled): the scene repaints what it
    // covers, and the control above it with it.
    static void RepaintCovered(QWidget* control);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class Sprite;
    void Adopt(Sprite* sprite) { sprites_.emplace_back(sprite); }
    void SpriteChanged(const Sprite& sprite) { Damage(sprite.Geometry()); }
    // A dirty area as rectangles that do not overlap: a frame's area meets dozens of boxes,
    // and a region made for each costs more than composing what lies in it.
    using Rects = QVarLengthArray<QRect, 16>;
    // `dirty` in this box, the sprites' own places from its scene's origin.
    void PaintSprites(QPainter& p, const Rects& dirty, QPoint origin) const;
    // The box it is a part of, or none for the scene's root (the window).
    Container* SceneParent() const { return qobject_cast<Container*>(parentWidget()); }
    bool InScene() const { return withoutWidget_ || !isHidden(); }
    // Composes the box and the boxes within it into the dirty rectangles (logical pixels of
    // this box), with `p` set up for this box, at the ratio of what the root paints on.
    void PaintBox(QPainter& p, const Rects& dirty, double dpr);
    // The boxes within it that are in the scene and meet the dirty area, in painting order.
    using Boxes = QVarLengthArray<Container*, 32>;
    Boxes BoxesMeeting(const Rects& dirty) const;
    void PaintBoxesWithin(QPainter& p, const Rects& dirty, const Boxes& met, double dpr);
    static bool Hidden(const QRect& r, const Container* const* above, const Container* const* end, double dpr);
    Container* Root();
    // A drawing in the scene has stale tiles: the root rebuilds them once the frame is drawn.
    void RebuildSoon();
    static QEvent::Type RebuildEvent();
    void RebuildDrawings();
    // A part of this box (logical pixels) must be painted again: the scene's root is told.
    void Repaint(const QRect& logical);
    void EnsureRasters(double dpr);
    void PaintBackdrop(QImage& image, const Mapping& m) const;
    // Nothing but its background colour beneath the drawing.
    bool Plain() const;
    // Whether the box shows only its colour in `inBox` (its own coordinates): plain, with no
    // drawing, no shown sprite there and no widget of its own.
    bool OnlyColourIn(const QRect& inBox) const;
    QRect DeviceToLogical(const QRect& device) const;
    void Damage(const QRect& inScene);
    // The root gathers a frame's dirty rectangles (logical pixels of the root).
    void Invalidate(const QRect& logical);
    // Passes a rectangle of a frame to Qt; a window passes the first at once and the rest when
    // Qt asks for the frame.
    void Request(const QRect& logical);

    QColor back_;
    bool transparent_ = false;
    bool withoutWidget_ = false;
    QRect placedAt_;  // where the box was last placed, in its parent
    Border border_ = Border::None;
    double captionPoints_ = 0;
    std::vector<std::unique_ptr<Item>> items_;
    std::unique_ptr<Surface> surface_;
    std::vector<std::unique_ptr<Sprite>> sprites_;
    QImage backdrop_;
    QColor backdropColour_;                      // the background colour backdrop_ was painted with
    std::unordered_map<QRgb, QImage> byColour_;  // the backdrop in each colour it took, items unchanged
    qsizetype keptBytes_ = 0;
    QSize sceneDevice_;           // the container in device pixels at the last paint
    QSize twipsSize_{0, 0};       // its size in twips, as last placed
    std::vector<QRect> pending_;  // drawn on since the last paint
    // A window's frame repaints a few dozen places, each of which would cost Qt a union with
    // its growing dirty region: they are gathered here, and passed on together.
    bool held_ = false;
    bool rebuildPosted_ = false;
    mutable std::vector<Container*> boxes_;  // the boxes within it, in painting order
    mutable bool boxesStale_ = true;
    bool backdropDirty_ = true;
    double rasterDpr_ = 0;
    double rasterScale_ = 0;
};

}  // namespace platform
