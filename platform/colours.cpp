#include "platform/colours.h"

#include <algorithm>

namespace platform {

QColor Rgb(int r, int g, int b)
{
    auto c = [](int v) { return std::clamp(v, 0, 255); };
    return QColor(c(r), c(g), c(b));
}

}  // namespace platform
