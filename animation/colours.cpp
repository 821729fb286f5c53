#include "animation/colours.h"

#include <algorithm>

#include "physics/arithmetic.h"

namespace animation {

namespace {

using physics::kFullLevel;               // the strongest charge or current
constexpr int kDarkeningLevel = 120;     // from this level on the field grey follows the level
constexpr int kChargeVisibleLevel = 20;  // below this charge the capacitor's field is erased
constexpr int kCoilVisibleLevel = 15;    // below this current the coil's field is erased
constexpr int kMidGrey = 130;            // the field grey between the visible and darkening levels

int Level(int v) { return std::clamp(v, 0, kFullLevel); }

// A grey that follows the level, a fixed mid grey below `darkening`, nothing below `visible`.
QColor FieldGrey(int level, int visible, QColor background)
{
    const int v = Level(level);
    if (v >= kDarkeningLevel)
        return QColor(kFullLevel - v, kFullLevel - v, kFullLevel - v);
    if (v >= visible)
        return QColor(kMidGrey, kMidGrey, kMidGrey);
    return background;
}

}  // namespace

QColor WireColour(int L)
{
    const int v = Level(L);
    return QColor(kFullLevel, kFullLevel - v, kFullLevel - v);
}

QColor PlusColour(int Q)
{
    const int v = Level(Q);
    return QColor(kFullLevel, kFullLevel - v, kFullLevel - v);
}

QColor MinusColour(int Q)
{
    const int v = Level(Q);
    return QColor(kFullLevel - v, kFullLevel - v, kFullLevel);
}

QColor ChargeGrey(int Q, QColor background) { return FieldGrey(Q, kChargeVisibleLevel, background); }

QColor CoilFieldColour(int A, QColor background) { return FieldGrey(A, kCoilVisibleLevel, background); }

}  // namespace animation
