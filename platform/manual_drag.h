#pragma once
// Dragging a box about the window without a nested event loop.
//
// While the mouse button is held, an outline of the box follows the mouse; the loops go on
// running. On release the outline vanishes and the drop is reported with the widget under
// the mouse (none: the window's own surface) and the mouse position in window twips.
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <functional>

class QRubberBand;
class QWidget;

namespace platform {

class ManualDrag : public QObject {
    Q_OBJECT
public:
    explicit ManualDrag(QWidget* window);

    // Starts dragging `box`, grabbed at `grabLogical` (logical pixels inside the box).
    void Start(QWidget* box, QPoint grabLogical);
    bool Active() const { return box_ != nullptr; }

    // Moves the outline as the mouse at `windowLogical` would; used by the mouse and by tests.
    void MoveTo(QPoint windowLogical);
    // Drops where the mouse is now.
    void DropAt(QPoint windowLogical);

    // Called on a drop with the widget under the mouse (nullptr: the window itself) and the
    // drop point in twips of the window.
    std::function<void(QWidget* target, QPointF dropTwips)> onDrop;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* window_;
    QWidget* box_ = nullptr;
    QRubberBand* outline_;
    QPoint grab_;
};

// A point in logical pixels of the window, in twips.
QPointF LogicalToTwips(QPointF logical);

}  // namespace platform
