#pragma once
// Where a control stands, in twips of its container, and how that becomes widget geometry.
//
// The model never reads widget geometry back: left, top, width and height live in twips on
// the control, and the widget's pixel geometry follows from them through the one mapping.
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace platform {

struct FontSpec {
    QString family = QStringLiteral("Arial");
    double points = 9.0;
    bool bold = true;
    bool italic = false;
};

// A font of that face at a pixel size for the raster with `pixelsPerTwip`.
QFont MakeFont(const FontSpec& face, double pixelsPerTwip);

// Places a widget at (left, top) with a size, all in twips of its parent.
void Place(QWidget* w, int left, int top, int width, int height);
QRect TwipsRect(const QWidget* w);
int LeftTwips(const QWidget* w);
int TopTwips(const QWidget* w);
void MoveTwips(QWidget* w, int left, int top);
void SetLeftTwips(QWidget* w, int left);
// The same for a sprite, in its container.
class Sprite;
int LeftTwips(const Sprite* s);
int TopTwips(const Sprite* s);
void MoveTwips(Sprite* s, int left, int top);
void SetLeftTwips(Sprite* s, int left);
void SetWidthTwips(QWidget* w, int width);

// Gives a widget its font in points; the pixel size follows the scene scale.
void SetFontSpec(QWidget* w, const FontSpec& face);

// The scene: the window's client area in twips (1014 x 734 pixels at scale 1).
inline constexpr int kSceneWidthTwips = 15210;
inline constexpr int kSceneHeightTwips = 11010;

// The scene scale for a screen area: 1 where the scene fits, else the largest that fits.
double FitScale(QSize available);

// Applies the current scene scale to the geometry and fonts of a widget and all below it.
void Relayout(QWidget* root);

}  // namespace platform
