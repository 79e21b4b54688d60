#include "SelfWeight.h"
#include "Checked.h"
#include "Global.h"

float SelfWeightRate() { return ToSingle(7.85L * BeamGeometryTable[1][GArea] / 1000000 * 9.81L); }
