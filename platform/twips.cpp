#include "platform/twips.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {
double g_sceneScale = 1.0;
QPoint g_sceneOrigin;
constexpr double kFloorGuard = 1e-7;  // pixels; far below any real fraction of a twip
}  // namespace

double SceneScale() { return g_sceneScale; }

void SetSceneScale(double scale) { g_sceneScale = scale > 0 ? scale : 1.0; }

QPoint SceneOrigin() { return g_sceneOrigin; }

void SetSceneOrigin(QPoint origin) { g_sceneOrigin = origin; }

int FloorPixel(double x) { return static_cast<int>(std::floor(x + kFloorGuard)); }

int Mapping::PenPx(double pixelsAtScale1) const
{
    return std::max(1, static_cast<int>(std::lround(pixelsAtScale1 * scale * dpr)));
}

Mapping LogicalMapping() { return Mapping{g_sceneScale, 1.0}; }

}  // namespace platform
