#include "physics/energy_bars.h"

#include "physics/arithmetic.h"

namespace physics {

namespace {

// Twips at full charge. The two oscillation scales differ slightly, so in a
// free oscillation the bars add up to 8.37..8.53 twips per charge level.
constexpr double kElectricScale = 2175.0;  // twips, electric bar while oscillating
constexpr double kMagneticScale = 2135.0;  // twips, magnetic bar
constexpr double kChargingScale = 2145.0;  // twips, the bar's full width in the layout
constexpr double kMagneticRight = 5690.0;  // twips, x where the magnetic bar ends
constexpr double kLevels = kFullLevel;     // level, full charge

}  // namespace

int ElectricBarWidth(double chargeRatio, int chargeLevel)
{
    return Int(chargeRatio * chargeRatio * chargeLevel * kElectricScale / kLevels);
}

int MagneticBarLeft(int c, int chargeLevel)
{
    const double level = c;
    return Int(kMagneticRight - level * level / chargeLevel * kMagneticScale / kLevels);
}

int ChargingBarWidth(int chargeLevel)
{
    const double level = chargeLevel;
    return Int(kChargingScale * (level * level) / (kLevels * kLevels));
}

}  // namespace physics
