// Reductions of the member summaries: the whole-beam row 27 of the current
// loadcase, and loadcase 0 as the maxima over all loadcases. Comparisons are
// strict, so a tie keeps the earlier candidate.
#pragma once

void CaseShearMaxima();
void CaseMomentMaxima();
void CaseDeflectionMaxima();
void AllCasesShearMaxima();
void AllCasesMomentMaxima();
void AllCasesDeflectionMaxima();
