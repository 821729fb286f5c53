#pragma once
// The lightweight elements of a container: lines, shapes and labels.
//
// They are not widgets: the container paints them into its own backdrop, beneath its
// drawing and beneath its child controls, as a form paints its graphical elements.
#include <QColor>
#include <QLine>
#include <QRect>
#include <QImage>
#include <QString>
#include <functional>

#include "platform/placement.h"
#include "platform/twips.h"

class QPainter;

namespace platform {

class Container;

class Item {
public:
    virtual ~Item() = default;
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    virtual void Paint(QPainter& p, const Mapping& m) const = 0;

protected:
    explicit Item(Container* owner) : owner_(owner) {}
    void Changed();

private:
    Container* owner_;
    bool visible_ = true;
};

// A straight segment; width in pixels at scale 1.
class LineItem : public Item {
public:
    LineItem(Container* owner, QLine twips, QColor colour, double widthPx, bool dotted)
        : Item(owner), line_(twips), colour_(colour), width_(widthPx), dotted_(dotted)
    {
    }
    void Paint(QPainter& p, const Mapping& m) const override;
    QLine Twips() const { return line_; }

private:
    QLine line_;
    QColor colour_;
    double width_;
    bool dotted_;
};

enum class ShapeKind { Rectangle, Rounded, Circle };

// A rectangle, rounded rectangle or circle (a true circle of diameter min(w, h), centred).
class ShapeItem : public Item {
public:
    ShapeItem(Container* owner, ShapeKind kind, QRect twips, QColor border, double borderPx, bool filled, QColor fill)
        : Item(owner), kind_(kind), rect_(twips), border_(border), borderPx_(borderPx), filled_(filled), fill_(fill)
    {
    }
    void Paint(QPainter& p, const Mapping& m) const override;

private:
    ShapeKind kind_;
    QRect rect_;
    QColor border_;
    double borderPx_;
    bool filled_;
    QColor fill_;
};

// Static text in a rectangle, top-left aligned and wrapped at words like a form's label.
class LabelItem : public Item {
public:
    LabelItem(Container* owner, QRect twips, QString caption, FontSpec font, QColor fore, bool transparent,
              QColor back, Qt::Alignment align)
        : Item(owner), rect_(twips), caption_(std::move(caption)), font_(std::move(font)), fore_(fore),
          transparent_(transparent), back_(back), align_(align)
    {
    }
    void Paint(QPainter& p, const Mapping& m) const override;
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    const FontSpec& Font() const { return font_; }
    QColor BackColor() const { return back_; }
    void SetBackColor(QColor c);
    QRect Twips() const { return rect_; }

private:
    QRect rect_;
    QString caption_;
    FontSpec font_;
    QColor fore_;
    bool transparent_;
    QColor back_;
    Qt::Alignment align_;
};

// A picture drawn by a function for the device size it is shown at, so it never blurs.
class PictureItem : public Item {
public:
    using Painter = std::function<QImage(QSize devicePixels)>;
    PictureItem(Container* owner, QRect twips, Painter painter)
        : Item(owner), rect_(twips), painter_(std::move(painter))
    {
    }
    void Paint(QPainter& p, const Mapping& m) const override;

private:
    QRect rect_;
    Painter painter_;
};

}  // namespace platform
