#pragma once
// What a persistent drawing holds: the figures it shows, one entry a geometry.
//
// A figure drawn again with the same geometry covers exactly the pixels of its earlier
// drawing, whatever its colour, so only its latest colour needs keeping; an erased figure
// is forgotten. The record so stays as small as what the drawing shows, and replaying it
// gives the drawing at any mapping.
#include <QRgb>
#include <array>
#include <cstddef>
#include <cstdint>
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
    QRgb value = 0;           // its colour premultiplied, as its pixels hold it
    std::uint64_t order = 0;  // where it lies in painting order: a later one lies above
    // The pixels it covers on the raster, gathered by tile: those on tile `tile` are
    // pixels[begin, end), each as its place in the tile (row × 8 + column).
    std::vector<std::uint8_t> pixels{};
    struct TilePixels {
        int tile, begin, end;
    };
    std::vector<TilePixels> tiles{};
};

class FigureRecord {
public:
    // The figure of this geometry, or null when the drawing does not show it.
    Figure* Find(Figure::Kind kind, const std::array<double, 6>& g);
    const Figure* Find(Figure::Kind kind, const std::array<double, 6>& g) const;
    Figure& Add(Figure::Kind kind, const std::array<double, 6>& g);
    void Remove(const Figure& f);
    void Clear() { figures_.clear(); }
    std::size_t Size() const { return figures_.size(); }
    template <typename Visit>
    void ForEach(Visit&& visit)
    {
        for (auto& [key, figure] : figures_)
            visit(figure);
    }

private:
    struct Key {
        Figure::Kind kind;
        std::array<double, 6> g;
        bool operator==(const Key& o) const { return kind == o.kind && g == o.g; }
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const;
    };
    // A node map: a figure keeps its address while others come and go (tiles point at it).
    std::unordered_map<Key, Figure, KeyHash> figures_;
};

}  // namespace platform
