#pragma once
// Small makers for the layout: a box, a marker, a hot area, each placed in twips.
#include <QPainter>
#include <algorithm>

#include "markers/charge_marker.h"
#include "platform/colours.h"
#include "platform/container.h"
#include "platform/controls.h"
#include "platform/placement.h"

namespace app {

inline platform::Container* MakeBox(QWidget* parent, int l, int t, int w, int h, QColor back)
{
    auto* box = new platform::Container(parent);
    platform::Place(box, l, t, w, h);
    box->SetBackColor(back);
    return box;
}

inline markers::ChargeMarker* MakeMarker(platform::Container* box, markers::Glyph glyph, int l, int t, int w = 165,
                                         int h = 165, QColor back = QColor(255, 255, 255))
{
    return new markers::ChargeMarker(box, glyph, back, QRect(l, t, w, h));
}

// A marker laid out in window twips that stands wholly on `box`: the box paints it, above
// everything of its own, as a marker on the window lay above the box.
inline markers::ChargeMarker* MakeMarkerOn(platform::Container* box, markers::Glyph glyph, int l, int t, int w, int h,
                                           QColor back)
{
    const QRect b = platform::TwipsRect(box);
    return MakeMarker(box, glyph, l - b.x(), t - b.y(), w, h, back);
}

inline platform::HotArea* MakeHotArea(QWidget* parent, int l, int t, int w, int h, const QString& tip, bool clickable)
{
    auto* a = new platform::HotArea(parent, tip, clickable);
    platform::Place(a, l, t, w, h);
    return a;
}

// A letter on a coloured ground (the meters' symbols on the wires): a box of the scene whose
// picture is the letter laid out at the box's size in logical pixels, as a control lays out
// its caption, and drawn at the ratio it is shown at.
inline platform::Container* MakeLetter(QWidget* parent, const QString& letter, const platform::FontSpec& font,
                                       QColor back, int l, int t, int w, int h)
{
    auto* box = MakeBox(parent, l, t, w, h, back);
    box->AddPicture(0, 0, w, h, [box, letter, font, back](QSize device) {
        const QRect logical(QPoint(), box->size());
        QImage img(device, QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(double(device.height()) / std::max(1, logical.height()));
        QPainter p(&img);
        p.fillRect(logical, back);
        p.setPen(Qt::black);
        p.setFont(platform::MakeFont(font, platform::LogicalMapping().PixelsPerTwip()));
        p.drawText(logical.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, letter);
        p.end();
        img.setDevicePixelRatio(1);  // the backdrop it is painted into is in device pixels
        return img;
    });
    box->SetWithoutWidget();
    return box;
}

inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kGrey(128, 128, 128);
inline const QColor kPink(255, 192, 192);   // the ammeter's colour
inline const QColor kLilac(192, 192, 255);  // the voltmeter's colour
inline const QColor kTeal(0, 128, 128);

inline platform::FontSpec Arial(double pt, bool italic = false) { return {"Arial", pt, true, italic}; }
inline platform::FontSpec Courier(double pt) { return {"Courier New", pt, true, false}; }

}  // namespace app
