#include "platform/placement.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "platform/container.h"
#include "platform/sprite.h"
#include "platform/twips.h"

namespace platform {

namespace {
constexpr const char* kTwips = "osc_twips";
constexpr const char* kFontFamily = "osc_font_family";
constexpr const char* kFontPoints = "osc_font_points";
constexpr const char* kFontBold = "osc_font_bold";
constexpr const char* kFontItalic = "osc_font_italic";

void Apply(QWidget* w)
{
    const QVariant v = w->property(kTwips);
    if (v.isValid() && !w->isWindow()) {  // a window's size is the user's; the scene scales to it
        const QRect t = v.toRect();
        QRect g = LogicalMapping().Rect(t.x(), t.y(), t.width(), t.height());
        if (w->parentWidget() && w->parentWidget()->isWindow())
            g.translate(SceneOrigin());
        w->setGeometry(g);
    }
    if (auto* box = qobject_cast<Container*>(w); box && v.isValid())
        box->Placed();
    const QVariant f = w->property(kFontPoints);
    if (f.isValid()) {
        FontSpec face{w->property(kFontFamily).toString(), f.toDouble(), w->property(kFontBold).toBool(),
                      w->property(kFontItalic).toBool()};
        w->setFont(MakeFont(face, LogicalMapping().PixelsPerTwip()));
    }
}
}  // namespace

QFont MakeFont(const FontSpec& face, double pixelsPerTwip)
{
    QFont f(face.family);
    f.setPixelSize(std::max(1, static_cast<int>(face.points * 20.0 * pixelsPerTwip + 0.5)));
    f.setBold(face.bold);
    f.setItalic(face.italic);
    f.setStyleStrategy(QFont::PreferQuality);
    return f;
}

void Place(QWidget* w, int left, int top, int width, int height)
{
    w->setProperty(kTwips, QRect(left, top, std::max(0, width), std::max(0, height)));
    Apply(w);
    if (w->isWindow())
        w->resize(LogicalMapping().Rect(0, 0, width, height).size());
}

QRect TwipsRect(const QWidget* w) { return w->property(kTwips).toRect(); }
int LeftTwips(const QWidget* w) { return TwipsRect(w).x(); }
int TopTwips(const QWidget* w) { return TwipsRect(w).y(); }

void MoveTwips(QWidget* w, int left, int top)
{
    const QRect t = TwipsRect(w);
    Place(w, left, top, t.width(), t.height());
}

void SetLeftTwips(QWidget* w, int left)
{
    const QRect t = TwipsRect(w);
    Place(w, left, t.y(), t.width(), t.height());
}

int LeftTwips(const Sprite* s) { return s->Twips().x(); }
int TopTwips(const Sprite* s) { return s->Twips().y(); }
void MoveTwips(Sprite* s, int left, int top) { s->SetTwips(QRect(QPoint(left, top), s->Twips().size())); }
void SetLeftTwips(Sprite* s, int left) { MoveTwips(s, left, s->Twips().y()); }

void SetWidthTwips(QWidget* w, int width)
{
    const QRect t = TwipsRect(w);
    Place(w, t.x(), t.y(), width, t.height());
}

void SetFontSpec(QWidget* w, const FontSpec& face)
{
    w->setProperty(kFontFamily, face.family);
    w->setProperty(kFontPoints, face.points);
    w->setProperty(kFontBold, face.bold);
    w->setProperty(kFontItalic, face.italic);
    Apply(w);
}

void Relayout(QWidget* root)
{
    Apply(root);
    for (QWidget* child : root->findChildren<QWidget*>())
        Apply(child);
}

double FitScale(QSize available)
{
    const QSize natural = Mapping{1.0, 1.0}.Rect(0, 0, kSceneWidthTwips, kSceneHeightTwips).size();
    if (available.width() >= natural.width() && available.height() >= natural.height())
        return 1.0;
    return std::max(0.25, std::min(double(available.width()) / natural.width(),
                                   double(available.height()) / natural.height()));
}

}  // namespace platform
