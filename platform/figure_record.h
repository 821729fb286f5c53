#pragma once
// What a persistent drawing holds, so it can be drawn again at another scale.
//
// A figure drawn again with the same geometry covers exactly the pixels of its earlier
// drawing, whatever its colour (an erase included), so the earlier one can be forgotten:
// replaying the record gives the same pixels as replaying every figure ever drawn. The record
// so stays as small as the number of different figures drawn since the last clear.
#include <QColor>
#include <QRect>
#include <array>
#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>
#include <vector>

namespace platform {

// A run of pixels on one row of a raster, both ends included.
struct PixelRun {
    int row, from, to;
};

struct Figure {
    enum class Kind { Line, Ellipse };
    Kind kind;
    // Line: x1, y1, x2, y2. Ellipse: cx, cy, radius, start, end, aspect. All in twips/radians.
    std::array<double, 6> g;
    QColor colour;            // transparent for an erase
    std::uint64_t drawn = 0;  // when it was last drawn, on the record's clock
    // The pixels it covers on the raster it was last traced for, as offsets in the raster
    // (row × width + column). A loop draws the same figures every frame, mostly unchanged:
    // filling known pixels spares walking the outline again. A thin outline is mostly runs of
    // one pixel, so a pixel is kept as its offset alone.
    mutable std::vector<std::uint32_t> pixels{};
    mutable std::uint64_t tracedFor = 0;  // the raster's mapping stamp; 0: not traced
    // The pixels gathered by tile: those of tile `tile` are pixels[begin, end), and `box` holds
    // them, in device pixels.
    struct TilePixels {
        int tile, begin, end;
        QRect box;
    };
    mutable std::vector<TilePixels> tiles{};
    // The value its pixels were last given, and when, on the raster's fill clock (0: never).
    mutable QRgb filledValue = 0;
    mutable std::uint64_t filledAt = 0;
};

class FigureRecord {
public:
    // Returns the figure as recorded (with what is cached for it).
    const Figure& Note(const Figure& f);
    // The figure of this geometry as last drawn, or null when it was not drawn since the clear.
    const Figure* Find(Figure::Kind kind, const std::array<double, 6>& g) const;
    // Forgets every figure; the clock goes on.
    void Clear();
    std::size_t Size() const { return figures_.size(); }
    // In the order they were last drawn, so the figures drawn since a moment are a tail.
    const std::list<Figure>& Figures() const { return figures_; }
    // The stamp of the latest drawing: it grows with every figure noted.
    std::uint64_t Clock() const { return clock_; }

private:
    struct Key {
        Figure::Kind kind;
        std::array<double, 6> g;
        bool operator==(const Key& o) const { return kind == o.kind && g == o.g; }
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const;
    };
    std::list<Figure> figures_;
    std::uint64_t clock_ = 0;
    std::unordered_map<Key, std::list<Figure>::iterator, KeyHash> index_;
};

}  // namespace platform
