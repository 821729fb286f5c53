#pragma once
// The arithmetic of dragging the graph box about the window with the left mouse button.
#include <QPoint>
#include <QtGlobal>
#include <optional>

namespace instruments {

inline constexpr int kLeftButton = 1;  // the mouse button code that starts a drag

// Where inside picGr the mouse grabbed it, in twips of the box.
struct DragGrab {
    double dragOffsetX;
    qint32 dragOffsetY;
};

// A press inside picGr at twips (x, y): only the left button starts a drag; the grab keeps x
// as it is and y to the nearest whole twip. Any other button gives nothing.
std::optional<DragGrab> GrabGraph(int button, double x, double y);

// The box's new top-left corner when its outline is dropped at (dropX, dropY) in window twips:
// (dropX − dragOffsetX, dropY − dragOffsetY), each to the nearest whole twip, so the grabbed
// point lands under the mouse.
QPoint DroppedGraphPosition(const DragGrab& grab, double dropX, double dropY);

}  // namespace instruments
