#include "SelfWeight.h"
#include "Global.h"

float SelfWeightRate() {
    return float(7.85L * BeamGeometryTable[1][GArea] / 1000000 * 9.81L);
}
