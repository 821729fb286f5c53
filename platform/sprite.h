#pragma once
// A small figure that a container paints above its drawing: a charge marker, say.
//
// Sprites are not widgets. A lesson shows a hundred markers, recoloured and moved on every
// frame; as widgets each one costs the window system's sibling and region bookkeeping on every
// repaint of what lies around it. A sprite is painted by its container, in the order the
// sprites were made, inside the container's own paint: a change repaints its rectangle only.
#include <QRect>

class QPainter;

namespace platform {

class Container;

class Sprite {
public:
    virtual ~Sprite() = default;
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    bool IsShown() const { return shown_; }
    void SetVisible(bool v);
    // Where it lies in its container, in twips.
    QRect Twips() const { return twips_; }
    void SetTwips(const QRect& twips);
    // Where it lies in its container, in logical pixels (the container's scene corner is 0, 0).
    QRect Geometry() const;
    // Mapped to pixels as a widget of the container's parent at the same place would be: a bar
    // in a box over its track keeps the edges it had as a widget beside the box.
    void MapInParentFrame() { parentFrame_ = true; }

    // Paints the sprite into `rect` (logical pixels of the container's widget).
    virtual void Paint(QPainter& p, const QRect& rect) const = 0;

protected:
    // The container takes the sprite and deletes it with itself.
    Sprite(Container* owner, QRect twips);
    // Its pixels must be painted again.
    void Changed();

private:
    Container* owner_;
    QRect twips_;
    bool shown_ = true;
    bool parentFrame_ = false;
};

}  // namespace platform
