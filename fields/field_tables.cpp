#include "fields/field_tables.h"

namespace fields {

CoilTipTable StartCoilFieldLeftX() { return {1190, 1030, 870, 700, 520, 0}; }

CoilTipTable StartCoilFieldRightX() { return {4960, 5130, 5290, 5460, 5640, 0}; }

CapAspectTable StartCapFieldAspect() { return {15, 6, 3.2, 2.3, 1.8, 1.5, 1.35, 1.1, 0}; }

CapRadiusTable StartCapFieldRadius() { return {1100, 1100, 1100, 1100, 1100, 1100, 1200, 1200, 0}; }

CapTipTable StartCapFieldX()
{
    return {8250, 8400, 8140, 8520, 7990, 8670, 7850, 8800, 7740, 8940, 7610,
            9060, 7450, 9230, 7250, 9420, 0,    0,    0,    0,    0};
}

}  // namespace fields
