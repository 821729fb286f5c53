#include "physics/circuit_parameters.h"

#include <algorithm>
#include <array>

namespace physics {

namespace {

constexpr int kFrequencySettings = 7;   // Slider1 positions 1..7
constexpr int kResistanceSettings = 5;  // Slider2 positions 1..5

// Index 0..6 for a frequency setting, out-of-range positions at the nearest end.
int FrequencyIndex(int v) { return std::clamp(v, 1, kFrequencySettings) - 1; }

}  // namespace

double OmegaForSetting(int v, double pi)
{
    // Written as the expressions themselves so the doubles match the loop's
    // table bit for bit (3.14 / 10 is 0.314, 3.14 * 0.1 is 0.31400000000000006).
    switch (FrequencyIndex(v) + 1) {
    case 1: return pi / 30;
    case 2: return pi / 10;
    case 3: return pi / 6;
    case 4: return pi / 2;
    case 5: return pi;
    case 6: return 3 * pi / 2;
    default: return 2 * pi;
    }
}

double DampingFactor(int k)
{
    // Dimensionless beta/omega; even the largest keeps the circuit underdamped.
    constexpr std::array<double, kResistanceSettings> factors{0.05, 0.15, 0.3, 0.4, 0.5};
    return factors[std::clamp(k, 1, kResistanceSettings) - 1];
}

void UpdateCircuitParameters(int slider1, int slider2, double pi, double& omega, double& beta)
{
    omega = OmegaForSetting(slider1, pi);
    beta = omega * DampingFactor(slider2);
}

int GraphIScaleForSetting(int v)
{
    // Current-plot factor, twips per unit of graphI per rad/s (the graph also
    // multiplies by omega); larger for slow settings so their small currents show.
    constexpr std::array<int, kFrequencySettings> scales{2000, 600, 400, 150, 70, 40, 25};
    return scales[FrequencyIndex(v)];
}

int SwapThresholdForSetting(int v)
{
    // Level; fast settings take fewer steps per half period, so the charge
    // must be caught further from zero.
    constexpr std::array<int, kFrequencySettings> thresholds{4, 5, 6, 7, 20, 30, 30};
    return thresholds[FrequencyIndex(v)];
}

}  // namespace physics
