#pragma once
// A persistent drawing that lies above its owner's own lines, shapes and labels.
//
// Figures are rasterised without antialiasing into a transparent layer, in device pixels,
// through the one twips mapping. Drawing a figure in the surface's erase colour clears its
// pixels instead of painting them, so what lay beneath (background, wires, ticks, labels)
// shows again exactly as it was: drawing a figure and drawing it again in the erase colour
// leaves the surface as it was before.
//
// Each figure is rasterised as it is drawn, and only the pixels that took another value are
// reported for repainting: a loop draws every figure of a step, changed or not.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <functional>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "platform/figure_record.h"
#include "platform/twips.h"

namespace platform {

class Surface {
public:
    // size: the surface in twips; penPx: the pen width in pixels at scale 1 (1 = thin).
    Surface(QSize twipsSize, QColor eraseColour, double penPx = 1.0);
    ~Surface();

    // Re-rasterise for another scene scale or device pixel ratio: the drawing is drawn again
    // from its record, exactly as if it had been drawn at that mapping from the start.
    void SetMapping(const Mapping& mapping);
    const Mapping& GetMapping() const { return mapping_; }

    QColor EraseColour() const { return erase_; }
    void SetEraseColour(QColor c) { erase_ = c; }
    double PenPx() const { return penPx_; }

    // A straight line between two points in twips, with the surface's pen.
    void Line(double x1, double y1, double x2, double y2, QColor colour);

    // An ellipse or elliptic arc around (cx, cy) in twips. The aspect is height : width;
    // the radius is the vertical semi-axis when the aspect is 1 or more, the horizontal one
    // otherwise. Angles are in radians, counterclockwise on the screen from +x; the arc runs
    // counterclockwise from start to end (through 0 when end < start). Equal angles draw
    // the whole ellipse.
    void Ellipse(double cx, double cy, double radius, QColor colour, double start, double end, double aspect);

    // The colour a line or an ellipse was last drawn in since the last clear; the erase colour
    // when it was erased or not drawn. Its pixels show it where nothing was drawn over them since.
    QColor LineColour(double x1, double y1, double x2, double y2) const;
    QColor EllipseColour(double cx, double cy, double radius, double start, double end, double aspect) const;

    // Empties the drawing; whatever the owner shows of its own stays.
    void Clear();

    // The drawing in device pixels: transparent where nothing is drawn.
    const QImage& Layer() const;

    // The picture the drawing is shown over (its owner's backdrop, of the layer's size), or
    // none. The surface then keeps the drawing laid over it as it draws, so that a repaint
    // copies one image instead of blending the layer over the picture: a loop's dirty area is
    // mostly the outlines of a few large rings, and their boxes are wide.
    void ShowOver(const QImage* beneath);
    // The drawing laid over that picture, exactly as QPainter lays the layer over it; null
    // when it has none or the picture has another size.
    const QImage* Shown();

    // Called with a device rectangle that holds every pixel a drawing operation changed; not
    // called when it changed none.
    void SetDamageHandler(std::function<void(const QRect&)> handler) { damage_ = std::move(handler); }

    // How many figures the drawing remembers (the different figures since the last clear).
    std::size_t RecordedFigures() const { return record_.Size(); }

    // The point of the ellipse at a parametric angle, in twips (what the arc operation uses).
    static QPointF EllipsePoint(double cx, double cy, double radius, double aspect, double angle);

private:
    void Note(const Figure& f);
    QColor RecordedColour(Figure::Kind kind, const std::array<double, 6>& g) const;
    // Returns a box that holds the pixels that took another value.
    QRect Rasterise(const Figure& f);
    // The runs of pixels the pen covers along a polyline, clipped to the layer.
    void Trace(const QPoint* points, int count, std::vector<PixelRun>& runs);
    void TraceFigure(const Figure& f);
    // Keeps a figure's traced runs as its pixels, gathered by tile.
    void GatherByTile(const Figure& f, const std::vector<PixelRun>& runs) const;
    // Gives a figure's pixels a value; returns a box that holds those that took another value
    // (the boxes of its pixels in the tiles where one did). With `since` (not 0), only its
    // pixels in tiles that a fill changed after that moment are looked at.
    QRect Fill(const Figure& f, QRgb value, std::uint64_t since);

    QSize twipsSize_;
    QColor erase_;
    double penPx_;
    Mapping mapping_;
    std::uint64_t mappingStamp_ = 0;  // grows with every mapping: figures traced before are stale
    // A figure filled again with the value it was last filled with changes nothing, unless
    // a later fill changed its pixels: the layer is cut into tiles that remember when a fill
    // last changed one of their pixels, and only a figure's pixels in tiles changed since its
    // own fill are filled again. Most figures of a frame so cost a look at a few tiles.
    static constexpr int kTileShift = 4;  // tiles of 16 x 16 device pixels
    std::uint64_t fillClock_ = 0;
    std::uint64_t fillBarrier_ = 0;  // figures filled at or before it are filled again in full
    int tileColumns_ = 0;
    std::vector<std::uint64_t> tileChanged_;  // per tile, the fill clock of its last change
    FigureRecord record_;
    QImage layer_;
    const QImage* beneath_ = nullptr;
    qint64 beneathKey_ = 0;  // the picture's cache key when shown_ was laid over it
    QImage shown_;
    bool shownStale_ = true;                 // laid over again in full at the next Shown()
    std::vector<QPoint> points_;             // the polyline being drawn, kept to spare an allocation a figure
    std::vector<std::pair<int, int>> rows_;  // a wide segment's centre columns, row by row
    std::vector<PixelRun> runs_;             // the runs of the figure being traced
    mutable std::vector<std::pair<int, PixelRun>> cut_;  // its runs cut at tile edges, by tile
    std::function<void(const QRect&)> damage_;
};

}  // namespace platform
