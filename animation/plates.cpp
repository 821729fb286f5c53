#include "animation/plates.h"

#include <algorithm>

#include "animation/colours.h"
#include "fields/capacitor_field.h"
#include "fields/coil_field.h"
#include "physics/arithmetic.h"

namespace animation {

namespace {

constexpr int kLastPair = 10;                  // Plus1 and Minus1 run 0..10
using physics::kFullLevel;                     // a fully charged capacitor
constexpr double kChargingLevelsPerPair = 25;  // a charging plate gains a pair every 25 levels
constexpr double kLevelsPerFieldLine = 35;     // the field gains a line every 35 levels

void SetPair(Plates& plates, int i, bool visible)
{
    if (markers::ChargeMarker* m = (*plates.plus1)(i))
        m->SetVisible(visible);
    if (markers::ChargeMarker* m = (*plates.minus1)(i))
        m->SetVisible(visible);
}

void ColourPair(Plates& plates, int i, const QColor& plus, const QColor& minus)
{
    if (markers::ChargeMarker* m = (*plates.plus1)(i))
        m->SetBackColor(plus);
    if (markers::ChargeMarker* m = (*plates.minus1)(i))
        m->SetBackColor(minus);
}

void DrawCapacitor(const FieldContext& ctx, const QColor& colour, int count, bool swapLock)
{
    fields::DrawCapacitorField(*ctx.window, colour, count, swapLock, ctx.capacitor);
}

}  // namespace

void ShowChargingPlates(Plates& plates, int level, int lastPair, bool swapLock, const FieldContext& ctx,
                        QColor background)
{
    const int q = std::clamp(level, 0, kFullLevel);
    const QColor plus = PlusColour(q);
    const QColor minus = MinusColour(q);

    // Pairs up to the last coloured one take the plate colours, hidden ones too.
    const int m = std::clamp(lastPair, 0, kLastPair);
    for (int i = 0; i <= m; ++i)
        ColourPair(plates, i, plus, minus);

    plates.picup->SetBackColor(plus);
    plates.picdown->SetBackColor(minus);

    // The whole row up to the charge's pair shows, with no hole after a long step and no
    // pair left over after the level dropped.
    const int k = std::clamp(physics::Int(q / kChargingLevelsPerPair), 0, kLastPair);
    for (int i = 0; i <= k; ++i) {
        ColourPair(plates, i, plates.picup->BackColor(), plates.picdown->BackColor());
        SetPair(plates, i, true);
    }
    for (int i = k + 1; i <= kLastPair; ++i)
        SetPair(plates, i, false);

    const int lines = physics::Int(q / kLevelsPerFieldLine);
    DrawCapacitor(ctx, ChargeGrey(q, background), lines, swapLock);
}

void ShowOscillationPlates(Plates& plates, const OscillationView& view, const FieldContext& ctx)
{
    DrawCapacitor(ctx, view.chargeGrey, view.lineCount, view.swapLock);
    fields::DrawCoilField(*ctx.window, view.fieldColour, view.coilFieldLevel, view.current);

    const int n = std::clamp(view.pairIndex, 0, kLastPair);
    for (int i = 0; i <= n; ++i)
        SetPair(plates, i, true);
    for (int i = 0; i <= n; ++i)
        ColourPair(plates, i, view.plusColour, view.minusColour);
    // A charge below one pair's worth shows no marker at all.
    if (n == 0)
        SetPair(plates, 0, false);
    for (int i = n + 1; i <= kLastPair; ++i)
        SetPair(plates, i, false);
}

}  // namespace animation
