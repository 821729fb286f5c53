#pragma once
// A persistent drawing that lies above its owner's own lines, shapes and labels.
//
// Figures are rasterised without antialiasing, in device pixels, through the one twips
// mapping, over the picture of what lies beneath (the owner's backdrop) or over nothing.
// Drawing a figure in the surface's erase colour takes it away, so what lay beneath
// (background, wires, ticks, labels, other figures) shows again exactly as it was: drawing a
// figure and drawing it again in the erase colour leaves the surface as it was before.
//
// The drawing is kept as a record of the figures it shows, each with its colour and its place
// in painting order: a figure drawn comes to lie above the others, and its pixels take its
// colour at once. A figure taken away leaves the tiles its pixels lie on stale; before the
// layer is read, each stale tile is rebuilt from scratch from what lies beneath and the
// figures on it, in painting order. Only the pixels that took another value are reported for
// repainting. A loop draws every figure of a step, changed or not: a figure drawn again as it
// stands costs a look at its tiles.
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
    double PenPx() const { return penPx_; }

    // A straight line between two points in twips, with the surface's pen.
    void Line(double x1, double y1, double x2, double y2, QColor colour);

    // An ellipse or elliptic arc around (cx, cy) in twips. The aspect is height : width;
    // the radius is the vertical semi-axis when the aspect is 1 or more, the horizontal one
    // otherwise. Angles are in radians, counterclockwise on the screen from +x; the arc runs
    // counterclockwise from start to end (through 0 when end < start). Equal angles draw
    // the whole ellipse.
    void Ellipse(double cx, double cy, double radius, QColor colour, double start, double end, double aspect);

    // Empties the drawing; whatever the owner shows of its own stays.
    void Clear();

    // The drawing in device pixels over the picture beneath it, or transparent where nothing
    // is drawn when it has none, with its stale tiles rebuilt first.
    const QImage& Layer();
    // The picture the drawing lies on (of the layer's size, premultiplied or opaque), or none.
    // Given anew or changed, the whole drawing is rebuilt over it.
    void SetBeneath(const QImage* beneath);
    bool HasBeneath() const { return beneath_ != nullptr; }

    // Rebuilds the stale tiles, reporting what changed to the damage handler.
    void Rebuild();

    // Called with device rectangles that hold every pixel a rebuild changed; not called when
    // it changed none.
    void SetDamageHandler(std::function<void(const QRect&)> handler) { damage_ = std::move(handler); }
    // Called when a tile goes stale while none was: the owner sees that a rebuild follows
    // before the drawing is next shown.
    void SetStaleHandler(std::function<void()> handler) { staled_ = std::move(handler); }

    // How many figures the drawing shows.
    std::size_t RecordedFigures() const { return record_.Size(); }

    // The point of the ellipse at a parametric angle, in twips (what the arc operation uses).
    static QPointF EllipsePoint(double cx, double cy, double radius, double aspect, double angle);

private:
    void Note(Figure::Kind kind, const std::array<double, 6>& g, QColor colour);
    // The runs of pixels the pen covers along a polyline, clipped to the layer.
    void Trace(const QPoint* points, int count, std::vector<PixelRun>& runs);
    // Finds a figure's pixels and puts it on its tiles, above what lies there. These and the
    // next return a box that holds the pixels that took another value.
    QRect Place(Figure& f);
    void TraceFigure(const Figure& f);
    void GatherByTile(Figure& f, const std::vector<PixelRun>& runs);
    // Puts the figure on top of every tile it crosses.
    QRect Raise(Figure& f, bool recoloured);
    QRect PaintOnTop(QRgb* layer, const Figure& f, int part);
    void MarkStale(int tile);
    // Rebuilds one tile; returns a box that holds the pixels that took another value.
    QRect RebuildTile(QRgb* layer, int tile);
    void StaleEverywhere();

    QSize twipsSize_;
    QColor erase_;
    double penPx_;
    Mapping mapping_;
    FigureRecord record_;
    std::uint64_t order_ = 0;
    QImage layer_;
    const QImage* beneath_ = nullptr;
    qint64 beneathKey_ = 0;  // the picture's cache key when the drawing was laid over it
    const QRgb* beneathBits_ = nullptr;
    std::size_t stride_ = 0;  // pixels a row of the layer and the picture
    static constexpr int kTileShift = 3;  // tiles of 8 x 8 device pixels: a ring's tiles hold little else
    int tileColumns_ = 0;
    // The figures on each tile, in painting order, each with the index of its pixels there.
    struct OnTile {
        Figure* figure;
        int part;
    };
    std::vector<std::vector<OnTile>> tiles_;
    std::vector<int> stale_;          // tiles to rebuild
    std::vector<bool> isStale_;       // per tile
    std::vector<QPoint> points_;             // the polyline being drawn, kept to spare an allocation a figure
    std::vector<std::pair<int, int>> rows_;  // a wide segment's centre columns, row by row
    std::vector<PixelRun> runs_;             // the runs of the figure being traced
    std::vector<std::pair<int, PixelRun>> cut_;  // its runs cut at tile edges, by tile
    std::function<void(const QRect&)> damage_;
    std::function<void()> staled_;
};

}  // namespace platform
