#include "instruments/graph_drag.h"

#include <cmath>

namespace instruments {

namespace {

// The nearest whole twip; a value exactly halfway goes to the even neighbour, so halves do not
// drift the box one way.
qint32 NearestTwip(double v)
{
    const double down = std::floor(v);
    const double fraction = v - down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0.0))
        return static_cast<qint32>(down + 1);
    return static_cast<qint32>(down);
}

}  // namespace

std::optional<DragGrab> GrabGraph(int button, double x, double y)
{
    if (button != kLeftButton)
        return std::nullopt;
    return DragGrab{x, NearestTwip(y)};
}

QPoint DroppedGraphPosition(const DragGrab& grab, double dropX, double dropY)
{
    return QPoint(NearestTwip(dropX - grab.dragOffsetX), NearestTwip(dropY - grab.dragOffsetY));
}

}  // namespace instruments
