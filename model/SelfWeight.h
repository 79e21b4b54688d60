// The steel self weight of the beam as a load rate.
#pragma once

// N/mm from the area of span 1: 7.85 t/m^3 under g = 9.81.
float SelfWeightRate();
