// The slope-deflection system of the continuous spans: one rotation per
// joint (joint i is the left end of span i, joint n + 1 the right end of
// span n), a symmetric tridiagonal system, and the span end moments.
// The bending moment at the left end of span s is -EndMomentL[s], at its
// right end EndMomentR[s].
#pragma once
#include "Bounded.h"

extern BArray<double, 1, 26> StiffDiag, StiffOffDiag;   // StiffOffDiag[i] couples joints i, i+1
extern BArray<double, 1, 25> FixedEndMomentL, FixedEndMomentR;
extern BArray<double, 1, 26> LoadVector;
extern BArray<double, 1, 26> JointRotation;
extern BArray<double, 1, 25> EndMomentL, EndMomentR;

void BuildStiffnessMatrix();
void FixedEndMoments();
void BuildLoadVector();
// Solves the system by elimination and back-substitution on the eliminated
// pivots, then forms the end moments.
void SolveRotations();
