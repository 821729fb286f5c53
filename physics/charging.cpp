#include "physics/charging.h"

#include "physics/arithmetic.h"

#include <algorithm>
#include <cmath>

namespace physics {

namespace {

constexpr double kFastTau = 0.25;  // s; charged to 254 of 255 in about 1.4 s
constexpr double kSlowTau = 2.0;   // s; charged to 254 of 255 in about 11 s

constexpr double kNeedleRange = 60.0;  // degrees, needle deflection at a full level

// Marker chains: tokpow(0..37) and tok(0..47), groups of five markers.
constexpr int kLastChargingGroup = 33;
constexpr double kChargingLevelsPerMarker = 7.7;  // level; 255 / 7.7 runs the group over 33 places
constexpr int kMiddleOscillationGroup = 21;       // group at zero marker phase
constexpr int kLastOscillationGroup = 43;
constexpr double kOscillationLevelsPerMarker = 12.0;  // level; +-255 spans 21 places each way

// 255 - q0 as a real: the same value for every q0 the program makes, and no
// overflow for any other.
double Missing(int q0) { return static_cast<double>(kFullLevel) - q0; }

int ClampLevel(int level) { return std::clamp(level, 0, kFullLevel); }

}  // namespace

double ChargingTimeConstant(bool fastSelected, bool slowSelected)
{
    // The step reads fast first and slow after it, so slow wins if both are set;
    // with neither, the start-up choice stands.
    double tau = kFastTau;
    if (fastSelected) {
        tau = kFastTau;
    }
    if (slowSelected) {
        tau = kSlowTau;
    }
    return tau;
}

int ChargingCurrentLevel(int q0, double t, double tau) { return ClampLevel(Int(Missing(q0) * std::exp(-t / tau))); }

int ChargedLevel(int q0, double t, double tau)
{
    const int gained = Int((1 - std::exp(-t / tau)) * Missing(q0));
    // Added in wider arithmetic so an absurd q0 cannot overflow before the clamp.
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(q0) + gained, 0, kFullLevel));
}

double AmmeterChargingLevel(int I, double t, double tau)
{
    return std::clamp(I * std::exp(-t / tau), 0.0, static_cast<double>(kFullLevel));
}

double ChargingVoltmeterAngle(int chargeLevel) { return kNeedleRange * chargeLevel / kFullLevel; }

int ChargingMarkerGroup(int I)
{
    const int group = kLastChargingGroup - Int(I / kChargingLevelsPerMarker);
    return std::clamp(group, 0, kLastChargingGroup);
}

int OscillationMarkerGroup(int markerPhase)
{
    const int group = kMiddleOscillationGroup - Int(markerPhase / kOscillationLevelsPerMarker);
    return std::clamp(group, 0, kLastOscillationGroup);
}

}  // namespace physics
