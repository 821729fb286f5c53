#pragma once
// The one conversion from the scene's twips to pixels.
//
// Every position, size, pen and font of the scene is given in twips (1/1440 inch).
// At 96 dpi and scale 1, 15 twips make one pixel. Widgets are placed in logical pixels,
// drawings are rasterised in device pixels (logical pixels times the device pixel ratio);
// both go through this file, so a figure drawn and drawn again lands on the same pixels.
#include <QPoint>
#include <QRect>

namespace platform {

inline constexpr double kTwipsPerPixel = 15.0;  // twips in one pixel at 96 dpi and scale 1

// The scene's scale factor: 1 shows the scene at its natural size (1014 x 734 px).
double SceneScale();
void SetSceneScale(double scale);

// Where the scene's top-left corner lies in its window, in logical pixels: a window of another
// shape than the scene (a full screen) shows the scene centred. Only the window's own drawing
// and its direct children are shifted; everything inside them is laid out from its own corner.
QPoint SceneOrigin();
void SetSceneOrigin(QPoint origin);

// Largest whole number not greater than x, guarded against a product that lands a hair
// below a whole number (7.9999999 for 8) because of binary fractions.
int FloorPixel(double x);

// A mapping from twips to the pixels of one raster: logical pixels (dpr 1) or device pixels.
struct Mapping {
    double scale = 1.0;  // the scene scale
    double dpr = 1.0;    // device pixels per logical pixel

    double PixelsPerTwip() const { return scale * dpr / kTwipsPerPixel; }
    int Px(double twips) const { return FloorPixel(twips * PixelsPerTwip()); }
    QPoint Point(double x, double y) const { return {Px(x), Px(y)}; }
    // A rectangle whose edges are mapped one by one, so neighbours share their edges.
    QRect Rect(double left, double top, double width, double height) const
    {
        const int l = Px(left), t = Px(top);
        return QRect(l, t, Px(left + width) - l, Px(top + height) - t);
    }
    // A pen width or a side measured in pixels at scale 1, on this raster; never less than 1.
    int PenPx(double pixelsAtScale1) const;
};

// The mapping of logical pixels at the current scene scale.
Mapping LogicalMapping();

}  // namespace platform
